// The program table, its working copy on the main panel and the program list.

#include "programs/programmverwaltung.h"

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

std::string Listentext(int index) {
  return Prog_EintragName(index) + " - " + Programmname_AlsText(gProg[index]);
}

void ListeFuellen() {
  ClearListCtrl(gMainPanel, MAINPANEL_PROGRAMMLISTE);
  for (int index = 0; index < PROGRAMM_ANZAHL; ++index)
    InsertListItem(gMainPanel, MAINPANEL_PROGRAMMLISTE, -1, Listentext(index), index);
}

}  // namespace

int Prog_Initialisieren() {
  Prog_TabelleVorbelegen(gProg);
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
  for (const ProgrammWert& wert : PROGRAMM_WERTE)
    SetCtrlVal(gMainPanel, wert.control, gProgAktuell.*wert.feld);
}

void Prog_AktuellEinlesen() {
  for (const ProgrammWert& wert : PROGRAMM_WERTE)
    GetCtrlVal(gMainPanel, wert.control, &(gProgAktuell.*wert.feld));
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
