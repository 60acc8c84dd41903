#pragma once
// QOR_errorV3: turns the program's error codes into German or English
// messages and shows them in error boxes.
//
// An error code is N * 1000 - P: N (negative) is the message number that
// selects the text, P (0..999) names the place that raised it. 0 is success.
// Codes -6000 .. -6999 are silent: the user cancelled, or the operation has
// already shown its own message; no error box shows them.
//
// The message buffer and the pending user string belong to the calling
// thread; the language is the same for all.

// The silent code that an operation returns when the user cancelled or it has
// shown its own message; every code from -6000 to -6999 is silent.
constexpr int QOR_FEHLER_STILL = -6000;
bool QOR_FehlerStill(int code);

// Capacities of the module's buffers, terminating NUL included.
constexpr int QOR_FEHLERTEXT_LAENGE = 500;
constexpr int QOR_USERSTRING_LAENGE = 300;
constexpr int QOR_POPUPTITEL_LAENGE = 100;

// The message for a code in the current language (see QOR_Fehlersprache).
// The text of message number code / 1000 (truncated toward zero), followed by
// a line break and the pending user string, which is used up by this call.
// In English, message 0 ("No error") gets nothing appended and leaves the
// user string pending. Returns the module's buffer: valid until the next call.
const char* QOR_Fehlermeldung(int code);

// Shows a modal error box titled "Fehler #<-code>" ("Error #<-code>" in
// English) with the message of the code; silent codes show nothing.
void QOR_Fehlerpopup(int code);

// Like QOR_Fehlerpopup, titled with the caller's text followed by " #<-code>".
// The title keeps to 99 characters: a longer caller text is cut.
void QOR_Fehlerpopup2(int code, const char* titel);

// 2 = English, any other value = German. The module starts in German.
void QOR_Fehlersprache(int sprache);

// Stores a text to be appended to the next message. Texts longer than 299
// bytes are cut; nullptr clears the pending text.
void QOR_Fehleruserstring(const char* text);
