#include "programs/programmanzeige.h"

#include <string>

#include "programs/core/programmname.h"
#include "programs/core/programmverwaltung.h"
#include "ui/globals.h"
#include "ui/runtime.h"
#include "ui/velt1_gui.h"

namespace {

std::string Listentext(int index) {
  return Prog_EintragName(index) + " - " + Programmname_AlsText(gProg[index]);
}

class Hauptpanelanzeige final : public ProgAnzeige {
 public:
  int panel = 0;

  void Liste() override {
    ClearListCtrl(panel, MAINPANEL_PROGRAMMLISTE);
    for (int index = 0; index < PROGRAMM_ANZAHL; ++index)
      InsertListItem(panel, MAINPANEL_PROGRAMMLISTE, -1, Listentext(index), index);
    Prog_ListeAuswahlSetzen();
  }

  void Aktuell() override {
    for (const ProgrammWert& wert : PROGRAMM_WERTE)
      SetCtrlVal(panel, wert.control, gProgAktuell.*wert.feld);
  }

  void Titel() override {
    SetPanelAttribute(panel, ATTR_TITLE, gPaneltitle + " - " + DateinameOhneOrdner());
  }
};

Hauptpanelanzeige gHauptpanelanzeige;

}  // namespace

void Prog_AnzeigeAnbinden(int panel) {
  gHauptpanelanzeige.panel = panel;
  Prog_AnzeigeSetzen(panel != 0 ? &gHauptpanelanzeige : nullptr);
}

void Prog_AktuellEinlesen() {
  for (const ProgrammWert& wert : PROGRAMM_WERTE)
    GetCtrlVal(gHauptpanelanzeige.panel, wert.control, &(gProgAktuell.*wert.feld));
}

int Prog_ListeAuswahlSetzen() {
  SetCtrlVal(gHauptpanelanzeige.panel, MAINPANEL_PROGRAMMLISTE, gProgIndex);
  return 0;
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
  GetCtrlVal(gHauptpanelanzeige.panel, MAINPANEL_PROGRAMMLISTE, &index);
  // Only the list's own values lead here; anything else keeps the selection.
  if (index < 0 || index >= PROGRAMM_ANZAHL) return 0;
  Prog_Auswaehlen(index);
  return 0;
}
