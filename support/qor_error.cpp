#include "support/qor_error.h"

#include <atomic>
#include <cstdio>
#include <cstring>

#include "support/qor_error_table.h"
#include "ui/runtime.h"

namespace {

constexpr int kEnglisch = 2;

std::atomic<int> gFehlersprache{1};
// Per thread, so that a message names the cause of its own thread's failure
// (velt1ctl serves several ports at once).
thread_local char gFehlertext[QOR_FEHLERTEXT_LAENGE] = "";
thread_local char gFehleruserstring[QOR_USERSTRING_LAENGE] = "";

bool Englisch() { return gFehlersprache == kEnglisch; }

// The longest prefix of text that fits in `platz` bytes without cutting a
// UTF-8 sequence in two, so a cut text still shows its umlauts correctly.
std::size_t PassendeLaenge(const char* text, std::size_t platz) {
  const std::size_t laenge = std::strlen(text);
  if (laenge <= platz) return laenge;
  std::size_t ende = platz;
  // Step back over continuation bytes (10xxxxxx) to the start of a character.
  while (ende > 0 && (static_cast<unsigned char>(text[ende]) & 0xC0) == 0x80) --ende;
  return ende;
}

// Appends text to the NUL-terminated buffer, cutting it to what fits.
void Anhaengen(char* puffer, std::size_t groesse, const char* text) {
  const std::size_t belegt = std::strlen(puffer);
  if (belegt + 1 >= groesse) return;
  const std::size_t n = PassendeLaenge(text, groesse - 1 - belegt);
  std::memcpy(puffer + belegt, text, n);
  puffer[belegt + n] = '\0';
}

void Kopieren(char* puffer, std::size_t groesse, const char* text) {
  puffer[0] = '\0';
  Anhaengen(puffer, groesse, text);
}

void ZeigeFehler(int code, const char* titelText) {
  char titel[QOR_POPUPTITEL_LAENGE];
  char suffix[24];
  // The number in the title is the negated code. Computed in 64 bits, since
  // INT_MIN has no negation in int.
  std::snprintf(suffix, sizeof suffix, " #%lld", -static_cast<long long>(code));
  Kopieren(titel, sizeof titel - std::strlen(suffix), titelText);
  Anhaengen(titel, sizeof titel, suffix);
  // The message is built after the title: it consumes the user string.
  MessagePopup(titel, QOR_Fehlermeldung(code));
}

}  // namespace

bool QOR_FehlerStill(int code) { return code / 1000 == QOR_FEHLER_STILL / 1000; }

const char* QOR_Fehlermeldung(int code) {
  const int nummer = code / 1000;  // truncates toward zero
  const qor_error::Meldung* meldung = qor_error::MeldungSuchen(nummer);
  if (meldung != nullptr) {
    Kopieren(gFehlertext, sizeof gFehlertext, Englisch() ? meldung->englisch : meldung->deutsch);
  } else {
    Kopieren(gFehlertext, sizeof gFehlertext,
             Englisch() ? "A unknown error occured" : "Ein unbekannter Fehler ist aufgetreten");
  }
  // "No error" in English stands alone; the user string waits for the next message.
  if (Englisch() && nummer == 0) return gFehlertext;

  if (gFehleruserstring[0] != '\0') {
    Anhaengen(gFehlertext, sizeof gFehlertext, "\n");
    Anhaengen(gFehlertext, sizeof gFehlertext, gFehleruserstring);
    gFehleruserstring[0] = '\0';
  }
  return gFehlertext;
}

void QOR_Fehlerpopup(int code) {
  if (QOR_FehlerStill(code)) return;
  ZeigeFehler(code, Englisch() ? "Error" : "Fehler");
}

void QOR_Fehlerpopup2(int code, const char* titel) {
  if (QOR_FehlerStill(code)) return;
  ZeigeFehler(code, titel != nullptr ? titel : "");
}

void QOR_Fehlersprache(int sprache) { gFehlersprache = sprache; }

void QOR_Fehleruserstring(const char* text) {
  Kopieren(gFehleruserstring, sizeof gFehleruserstring, text != nullptr ? text : "");
}
