// The program table, its working copy on the main panel and the program list.

#include "programs/programmverwaltung.h"

#include <cstdio>
#include <string>

#include "programs/dateifunktionen.h"
#include "programs/par_main.h"
#include "programs/core/programmname.h"
#include "ui/globals.h"
#include "ui/runtime.h"
#include "ui/velt1_gui.h"

Programm gProg[PROGRAMM_ANZAHL];
int gProgIndex = 0;
Programm gProgAktuell;
Programm gProgZwischenablage;

namespace {

// The parameter controls follow the record's value order.
int ParameterControl(std::size_t wert) {
  return MAINPANEL_PAR_PRUEFSPANNUNGSQUE + static_cast<int>(wert);
}

std::string StandardName(int index) {
  if (index == 0) return gSprache == 2 ? "Working parameter" : "Arbeitsparameter";
  return (gSprache == 2 ? "Program " : "Programm ") + std::to_string(index);
}

void NameSetzen(Programm* programm, const std::string& name) {
  std::snprintf(programm->programmname, sizeof programm->programmname, "%s", name.c_str());
}

std::string Listentext(int index) {
  const std::string nummer = index == 0 ? "A" : std::to_string(index);
  return nummer + " - " + Programmname_AlsText(gProg[index]);
}

void ListeFuellen() {
  ClearListCtrl(gMainPanel, MAINPANEL_PROGRAMMLISTE);
  for (int index = 0; index < PROGRAMM_ANZAHL; ++index)
    InsertListItem(gMainPanel, MAINPANEL_PROGRAMMLISTE, -1, Listentext(index), index);
}

}  // namespace

void Prog_Vorbelegen(Programm* programm) {
  // In the order of PROGRAMM_WERTE: source "2..33V", 2 V, 60 teeth, 2
  // channels, tolerances 1 V, 1 V and 10°, thresholds 50 %, dead times.
  constexpr double kStandard[] = {1, 2, 60, 2, 1, 1, 10, 50, 50, 1, 20, 1, 20};
  static_assert(std::size(kStandard) == std::size(PROGRAMM_WERTE));
  *programm = Programm{};
  for (std::size_t i = 0; i < std::size(PROGRAMM_WERTE); ++i)
    programm->*PROGRAMM_WERTE[i].feld = kStandard[i];
}

int Prog_Initialisieren() {
  for (int index = 0; index < PROGRAMM_ANZAHL; ++index) {
    Prog_Vorbelegen(&gProg[index]);
    NameSetzen(&gProg[index], StandardName(index));
  }
  ListeFuellen();
  Prog_Vorbelegen(&gProgZwischenablage);
  gProgIndex = 0;
  Prog_ListeAuswahlSetzen();
  Prog_TabelleInAktuell(0);
  Prog_AktuellAnzeigen();

  SetCtrlAttribute(gMainPanel, MAINPANEL_PROGRAMMNUMMER, ATTR_MIN_VALUE, 1);
  SetCtrlAttribute(gMainPanel, MAINPANEL_PROGRAMMNUMMER, ATTR_MAX_VALUE, PROGRAMM_NUMMER_MAX);
  SetCtrlAttribute(gRenamePanel, RENAMEPNL_STRING, ATTR_MAX_ENTRY_LENGTH, PROGRAMMNAME_MAX_GERAET);

  AlsGespeichertSetzen();
  DateinameZuruecksetzen();
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

void Prog_AktuellAnzeigen() {
  for (std::size_t i = 0; i < std::size(PROGRAMM_WERTE); ++i)
    SetCtrlVal(gMainPanel, ParameterControl(i), gProgAktuell.*PROGRAMM_WERTE[i].feld);
}

void Prog_AktuellEinlesen() {
  for (std::size_t i = 0; i < std::size(PROGRAMM_WERTE); ++i)
    GetCtrlVal(gMainPanel, ParameterControl(i), &(gProgAktuell.*PROGRAMM_WERTE[i].feld));
}

int Prog_Auswaehlen(int index) {
  Prog_AktuellInTabelle(gProgIndex);
  Prog_TabelleInAktuell(index);
  gProgIndex = index;
  Prog_AktuellAnzeigen();
  return 0;
}

void Prog_ListeAktualisieren() {
  ListeFuellen();
  Prog_ListeAuswahlSetzen();
}

int Prog_ListeAuswahlSetzen() {
  SetCtrlVal(gMainPanel, MAINPANEL_PROGRAMMLISTE, gProgIndex);
  return 0;
}

int Prog_Plausibilitaetspruefung(const Programm*) { return 0; }

int Callback_AllgemeineAenderung(int, int, int event, void*, int, int) {
  if (event != EVENT_COMMIT) return 0;
  DatenAlsGeaendertMarkieren();
  Prog_AktuellEinlesen();
  return 0;
}

int Callback_Programmliste(int, int, int event, void*, int, int) {
  if (event != EVENT_COMMIT) return 0;
  if (Prog_Plausibilitaetspruefung(&gProgAktuell) != 0) {
    Prog_ListeAuswahlSetzen();
    return 0;
  }
  int index = 0;
  GetCtrlVal(gMainPanel, MAINPANEL_PROGRAMMLISTE, &index);
  // Only the list's own values lead here; anything else keeps the selection.
  if (index < 0 || index >= PROGRAMM_ANZAHL) return 0;
  Prog_Auswaehlen(index);
  return 0;
}
