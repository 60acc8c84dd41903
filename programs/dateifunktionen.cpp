#include "programs/dateifunktionen.h"

#include <string>

#include "programs/core/parameterdatei.h"
#include "programs/core/programmverwaltung.h"
#include "support/qor_error.h"
#include "ui/globals.h"
#include "ui/runtime.h"

namespace {

constexpr const char* kMuster = "*.vlt";

bool English() { return gSprache == 2; }

// The dialogs open in the current file's folder; the placeholder has none,
// so they open in the working directory.
std::string Ordner() {
  std::string ordner;
  SplitPath(gDateiname, nullptr, &ordner, nullptr);
  return ordner;
}

// The chosen path, or "" when the dialog was cancelled or could not be shown.
std::string Dialog(const char* titel, int knopf, int neuerOrdner) {
  std::string pfad;
  const int ergebnis = FileSelectPopup(Ordner(), kMuster, kMuster, titel, knopf, 0, 1, 1,
                                       neuerOrdner, &pfad);
  return ergebnis > 0 ? pfad : std::string();
}

// Every entry must pass before anything is written.
int TabellePruefen() {
  for (int index = 0; index < PROGRAMM_ANZAHL; ++index) {
    if (Prog_Plausibilitaetspruefung(&gProg[index]) == 0) continue;
    const std::string nummer = std::to_string(index + 1);
    if (English())
      MessagePopup("Error in testing program",
                   "Error in program " + nummer + ".\nFile has not been saved.");
    else
      MessagePopup("Fehler im Prüfprogramm",
                   "Fehler in Programm " + nummer + ".\nDatei wurde nicht gespeichert.");
    return QOR_FEHLER_STILL;
  }
  return 0;
}

}  // namespace

int DateiSpeichern(int unterDialog) {
  if (const int code = TabellePruefen(); code != 0) return code;
  std::string pfad = gDateiname;
  if (unterDialog != 0 || DateiUnbenannt()) {
    pfad = Dialog(English() ? "Save" : "Speichern", VAL_SAVE_BUTTON, 1);
    if (pfad.empty()) return QOR_FEHLER_STILL;
  }
  if (const int code = ProgrammverwaltungVorDateiSpeichern(); code != 0) return code;
  if (const int code = Parameterdatei_Speichern(pfad, gProg); code != 0) return code;
  DateiUebernehmen(pfad);
  return 0;
}

int DateiOeffnen() {
  const std::string pfad = Dialog(English() ? "Open" : "Öffnen", VAL_LOAD_BUTTON, 0);
  if (pfad.empty()) return QOR_FEHLER_STILL;
  if (const int code = Parameterdatei_Laden(pfad, gProg); code != 0) return code;
  DateiUebernehmen(pfad);
  ProgrammverwaltungNachDateiLaden();
  return 0;
}

int AbfrageWennNichtGespeichert() {
  if (gDatenGeaendert == 0) return 0;
  const std::string name = DateinameOhneOrdner();
  const int antwort =
      English() ? GenericMessagePopup("Save file", "Do you want to save changes made in " + name + "?",
                                      "Yes", "No", "Cancel", 1, 1, 3)
                : GenericMessagePopup("Datei speichern",
                                      "Möchten Sie die Änderungen in " + name + " speichern?", "Ja",
                                      "Nein", "Abbrechen", 1, 1, 3);
  if (antwort == 3) return 1;
  if (antwort == 2) return 0;
  const int code = DateiSpeichern(0);
  if (code == 0) return 0;
  QOR_Fehlerpopup(code);  // silent for a cancelled dialog
  return 1;
}
