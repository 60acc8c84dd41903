#pragma once
// Funktionen: start-up and shutdown of the panel modules, the configuration
// file's life cycle, and the two ways of quitting.

// Name of the configuration file, relative: it lies in the working directory.
constexpr const char* INI_DATEINAME = "velt1Steuerung.ini";

// Error codes of the configuration file.
constexpr int FEHLER_INI_SCHREIBEN = -800287;   // the file cannot be written
constexpr int FEHLER_INI_LESEN = -801286;       // the file cannot be read
constexpr int FEHLER_INI_NICHT_GEFUNDEN = -802285;  // no such file

// Sets the language of every module to German; 0.
int Func_IniDateiSpracheLaden();
// Registers the shared callbacks, loads every panel and builds the window
// menus; 0, or -1 when a panel module failed (the later ones are not called).
int Func_PanelsInitialisieren(const char* version, const char* datum);
// Reads the configuration file and hands it to the module readers; 0 or a code.
int Func_IniDateiLaden();
// Collects the module settings and writes the configuration file; 0 or -800287.
int Func_IniDateiSchreiben();
// Discards the panels: status, COM, main; 0.
int Func_PanelsFreigeben();
// The language switch; the program stays German, so it changes nothing; 0.
int Func_Sprachumschaltung(int sprache);

// Panel callback of the three top-level panels: closing any of them quits.
int Callback_Panels(int panel, int event, void* callbackData, int eventData1, int eventData2);
// "Datei" / "Beenden" on all three menu bars.
void Menu_Datei_Beenden(int menuBar, int menuItem, void* callbackData, int panel);
