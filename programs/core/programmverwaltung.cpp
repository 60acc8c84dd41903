#include "programs/core/programmverwaltung.h"

#include <algorithm>

#include "programs/core/programmname.h"
#include "ui/globals.h"
#include "ui/runtime.h"

Programm gProg[PROGRAMM_ANZAHL];
int gProgIndex = 0;
Programm gProgAktuell;
Programm gProgZwischenablage;
std::string gDateiname = "Unbenannt";
unsigned char gDatenGeaendert = 0;

namespace {

ProgAnzeige* gProgAnzeige = nullptr;

}  // namespace

void Prog_AnzeigeSetzen(ProgAnzeige* anzeige) { gProgAnzeige = anzeige; }

int Prog_Initialisieren() {
  Prog_TabelleVorbelegen(gProg);
  Prog_Vorbelegen(&gProgZwischenablage);
  gProgIndex = 0;
  Prog_TabelleInAktuell(0);
  AlsGespeichertSetzen();
  DateinameZuruecksetzen();
  Prog_ListeAktualisieren();
  Prog_AktuellAnzeigen();
  PaneltitelAktualisieren();
  return 0;
}

int Prog_AktuellInTabelle(int index) {
  gProg[index] = gProgAktuell;
  return 0;
}

int Prog_TabelleInAktuell(int index) {
  gProgAktuell = gProg[index];
  return 0;
}

int Prog_Auswaehlen(int index) {
  Prog_AktuellInTabelle(gProgIndex);
  Prog_TabelleInAktuell(index);
  gProgIndex = index;
  Prog_AktuellAnzeigen();
  return 0;
}

void Prog_ListeAktualisieren() {
  if (gProgAnzeige != nullptr) gProgAnzeige->Liste();
}

void Prog_AktuellAnzeigen() {
  if (gProgAnzeige != nullptr) gProgAnzeige->Aktuell();
}

int Prog_Plausibilitaetspruefung(const Programm*) { return 0; }

int Prog_Umbenennen(const std::string& eingabe) {
  Programm& programm = gProg[gProgIndex];
  // A name left as it was keeps its bytes, also those the rule below would
  // turn into spaces (a name from a parameter file made elsewhere).
  if (eingabe != Programmname_AlsText(programm)) {
    const std::string name = Programmname_Druckbar(eingabe).substr(0, PROGRAMMNAME_MAX_GERAET);
    std::fill(std::begin(programm.programmname), std::end(programm.programmname), '\0');
    name.copy(programm.programmname, name.size());
  }
  // Only the name enters the working copy: edits on the controls since the
  // entry was last taken into the table stay in it and are saved with it.
  std::copy(std::begin(programm.programmname), std::end(programm.programmname),
            std::begin(gProgAktuell.programmname));
  Prog_ListeAktualisieren();
  DatenAlsGeaendertMarkieren();
  return 0;
}

void Prog_Copy() {
  Prog_AktuellInTabelle(gProgIndex);
  gProgZwischenablage = gProg[gProgIndex];
}

int Prog_Paste() {
  gProg[gProgIndex] = gProgZwischenablage;
  Prog_ListeAktualisieren();
  Prog_TabelleInAktuell(gProgIndex);
  Prog_AktuellAnzeigen();
  DatenAlsGeaendertMarkieren();
  return 0;
}

int ProgrammverwaltungNachDateiLaden() {
  Prog_ListeAktualisieren();
  Prog_TabelleInAktuell(gProgIndex);
  Prog_AktuellAnzeigen();
  return 0;
}

int ProgrammverwaltungVorDateiSpeichern() {
  if (const int code = Prog_Plausibilitaetspruefung(&gProgAktuell); code != 0) return code;
  Prog_AktuellInTabelle(gProgIndex);
  return 0;
}

int AlsGespeichertSetzen() {
  gDatenGeaendert = 0;
  return 0;
}

int DatenAlsGeaendertMarkieren() {
  gDatenGeaendert = 1;
  return 0;
}

int DateinameZuruecksetzen() {
  gDateiname = gSprache == 2 ? "Untitled" : "Unbenannt";
  return 0;
}

int PaneltitelAktualisieren() {
  if (gProgAnzeige != nullptr) gProgAnzeige->Titel();
  return 0;
}

bool DateiUnbenannt() { return gDateiname == "Unbenannt" || gDateiname == "Untitled"; }

std::string DateinameOhneOrdner() {
  std::string name;
  SplitPath(gDateiname, nullptr, nullptr, &name);
  return name;
}

void DateiUebernehmen(const std::string& pfad) {
  gDateiname = pfad;
  PaneltitelAktualisieren();
  AlsGespeichertSetzen();
}
