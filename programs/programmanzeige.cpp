#include "programs/programmanzeige.h"

#include <string>

#include "programs/core/programmname.h"
#include "programs/core/programmverwaltung.h"
#include "ui/globals.h"
#include "ui/runtime.h"
#include "ui/velt1_gui.h"

namespace {

// The main panel that shows the table.
int gAnzeigepanel = 0;

std::string Listentext(int index) {
  return Prog_EintragName(index) + " - " + Programmname_AlsText(gProg[index]);
}

int Prog_ListeAuswahlSetzen() {
  SetCtrlVal(gAnzeigepanel, MAINPANEL_PROGRAMMLISTE, gProgIndex);
  return 0;
}

// The thirteen parameter controls into the working copy.
void Prog_AktuellEinlesen() {
  for (const ProgrammWert& wert : PROGRAMM_WERTE)
    GetCtrlVal(gAnzeigepanel, wert.control, &(gProgAktuell.*wert.feld));
}

class Hauptpanelanzeige final : public ProgAnzeige {
  void Liste() override {
    ClearListCtrl(gAnzeigepanel, MAINPANEL_PROGRAMMLISTE);
    for (int index = 0; index < PROGRAMM_ANZAHL; ++index)
      InsertListItem(gAnzeigepanel, MAINPANEL_PROGRAMMLISTE, -1, Listentext(index), index);
    Prog_ListeAuswahlSetzen();
  }

  void Aktuell() override {
    for (const ProgrammWert& wert : PROGRAMM_WERTE)
      SetCtrlVal(gAnzeigepanel, wert.control, gProgAktuell.*wert.feld);
  }

  void Titel() override {
    SetPanelAttribute(gAnzeigepanel, ATTR_TITLE, gPaneltitle + " - " + DateinameOhneOrdner());
  }
};

Hauptpanelanzeige gHauptpanelanzeige;

}  // namespace

void Prog_AnzeigeAnbinden(int panel) {
  gAnzeigepanel = panel;
  Prog_AnzeigeSetzen(panel != 0 ? &gHauptpanelanzeige : nullptr);
}

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
  GetCtrlVal(gAnzeigepanel, MAINPANEL_PROGRAMMLISTE, &index);
  // Only the list's own values lead here; anything else keeps the selection.
  if (index < 0 || index >= PROGRAMM_ANZAHL) return 0;
  Prog_Auswaehlen(index);
  return 0;
}
