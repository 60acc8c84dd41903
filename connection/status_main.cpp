#include "connection/status_main.h"

#include <string>

#include "connection/qor_com.h"
#include "device/statuswort.h"
#include "device/velt1com.h"
#include "ui/fensterverwaltung.h"
#include "ui/globals.h"
#include "ui/runtime.h"
#include "ui/velt1_gui.h"

int gStatusPanel = 0;

namespace {

// The toggle, the timer and the LEDs' dimming always change together.
void Abfrage(int ein) {
  SetCtrlVal(gStatusPanel, STATUSPNL_DAXSTATUSABFRAGE, ein);
  SetCtrlAttribute(gStatusPanel, STATUSPNL_STATUSTIMER, ATTR_ENABLED, ein);
  StatusMain_LedsDimmen(ein ? 0 : 1);
}

}  // namespace

int StatusMain_Initialisieren() {
  RegisterCtrlCallback("Callback_Status_Button_Zurueck", Callback_Status_Button_Zurueck);
  RegisterCtrlCallback("Callback_Status_Buttons", Callback_Status_Buttons);
  RegisterCtrlCallback("Callback_Statustimer", Callback_Statustimer);

  gStatusPanel = LoadPanel(0, UiDateiname(), STATUSPNL);
  if (gStatusPanel < 0) return -1;
  SetPanelAttribute(gStatusPanel, ATTR_HAS_TASKBAR_BUTTON, 1);
  Fenster_PanelZurListeHinzufuegen(gStatusPanel, "Status", MENUSTATUS_FENSTER);
  SetCtrlVal(gStatusPanel, STATUSPNL_TEXT_GERAETSTATUS, std::string(GERAETENAME) + " Status");
  for (const Statusbit& bit : STATUSBITS) SetCtrlVal(gStatusPanel, bit.led, 0);
  StatusMain_LedsDimmen(1);
  QorCom_RegisterPictureringControl(gStatusPanel, STATUSPNL_COMPICTURERING);
  QorCom_RegisterFehlerControls(gStatusPanel, STATUSPNL_FEHLERLED, STATUSPNL_FEHLERSTRING,
                                STATUSPNL_FEHLERNUMMER);
  DaxCom_ComLedSetzen(DAXCOM_LED_STATUSPANEL, StatusMain_ComLed);
  return 0;
}

int StatusMain_Freigeben() {
  DiscardPanel(gStatusPanel);
  return 0;
}

int StatusMain_ReadIni(IniStore) { return 0; }
int StatusMain_WriteIni(IniStore) { return 0; }

void StatusMain_LedsDimmen(int dimmed) {
  for (const Statusbit& bit : STATUSBITS)
    SetCtrlAttribute(gStatusPanel, bit.led, ATTR_DIMMED, dimmed);
}

void StatusMain_ComLed(int on) { SetCtrlVal(gStatusPanel, STATUSPNL_COMAKTIVLED, on); }

int StatusMain_StatusAnzeigen() {
  int status = 0;
  const int code = DaxCom_StatusLesen(&status);
  if (code != 0) return code;
  for (const Statusbit& bit : STATUSBITS)
    SetCtrlVal(gStatusPanel, bit.led, (status & bit.maske) != 0 ? 1 : 0);
  return 0;
}

int Callback_Status_Buttons(int panel, int control, int event, void*, int, int) {
  if (event != EVENT_COMMIT || control != STATUSPNL_DAXSTATUSABFRAGE) return 0;
  int ein = 0;
  GetCtrlVal(panel, control, &ein);
  // The first reading comes with the first tick, one interval later.
  Abfrage(ein);
  return 0;
}

int Callback_Statustimer(int, int, int event, void*, int, int) {
  if (event != EVENT_TIMER_TICK) return 0;
  // The code is already on every error display; polling waits for the operator.
  if (StatusMain_StatusAnzeigen() != 0) Abfrage(0);
  return 0;
}

int Callback_Status_Button_Zurueck(int, int, int event, void*, int, int) {
  if (event == EVENT_COMMIT) Fenster_SwitchPanels(gStatusPanel, Fenster_MainpanelGet());
  return 0;
}
