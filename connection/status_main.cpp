#include "connection/status_main.h"

#include <string>

#include "ui/fensterverwaltung.h"
#include "ui/globals.h"
#include "ui/runtime.h"
#include "ui/velt1_gui.h"

int gStatusPanel = 0;

namespace {

constexpr int kStatusLeds[] = {STATUSPNL_STATUSLED1, STATUSPNL_STATUSLED2,
                               STATUSPNL_STATUSLED9, STATUSPNL_STATUSLED10};

}  // namespace

int StatusMain_Initialisieren() {
  RegisterCtrlCallback("Callback_Status_Button_Zurueck", Callback_Status_Button_Zurueck);

  gStatusPanel = LoadPanel(0, UiDateiname(), STATUSPNL);
  if (gStatusPanel < 0) return -1;
  SetPanelAttribute(gStatusPanel, ATTR_HAS_TASKBAR_BUTTON, 1);
  Fenster_PanelZurListeHinzufuegen(gStatusPanel, "Status", MENUSTATUS_FENSTER);
  SetCtrlVal(gStatusPanel, STATUSPNL_TEXT_GERAETSTATUS, std::string(GERAETENAME) + " Status");
  for (int led : kStatusLeds) SetCtrlVal(gStatusPanel, led, 0);
  StatusMain_LedsDimmen(1);
  // Not yet: the COM state picture and the error display are handed to the
  // COM module once that module exists.
  return 0;
}

int StatusMain_Freigeben() {
  DiscardPanel(gStatusPanel);
  return 0;
}

int StatusMain_ReadIni(IniStore) { return 0; }
int StatusMain_WriteIni(IniStore) { return 0; }

void StatusMain_LedsDimmen(int dimmed) {
  for (int led : kStatusLeds) SetCtrlAttribute(gStatusPanel, led, ATTR_DIMMED, dimmed);
}

int Callback_Status_Button_Zurueck(int, int, int event, void*, int, int) {
  if (event == EVENT_COMMIT) Fenster_SwitchPanels(gStatusPanel, Fenster_MainpanelGet());
  return 0;
}
