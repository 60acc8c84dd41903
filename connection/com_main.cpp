#include "connection/com_main.h"

#include "ui/fensterverwaltung.h"
#include "ui/globals.h"
#include "ui/runtime.h"
#include "ui/velt1_gui.h"

int gComPanel = 0;

int ComMain_Initialisieren() {
  RegisterCtrlCallback("Callback_Com_Button_Zurueck", Callback_Com_Button_Zurueck);

  gComPanel = LoadPanel(0, UiDateiname(), COMPANEL);
  if (gComPanel < 0) return -1;
  SetPanelAttribute(gComPanel, ATTR_HAS_TASKBAR_BUTTON, 1);
  Fenster_PanelZurListeHinzufuegen(gComPanel, "Com", MENUCOM_FENSTER);
  // The resource's scan text is only a placeholder; the scan writes its own.
  SetCtrlVal(gComPanel, COMPANEL_SCANNTEXT, "");
  // Not yet: the port and address rings, the COM state picture, the error
  // display, the ID button and text, the address LEDs and the scan controls
  // are handed to the COM module once that module exists.
  return 0;
}

int ComMain_Freigeben() {
  DiscardPanel(gComPanel);
  return 0;
}

// Not yet: the keys "com", "lcom" and "adresse" carry the COM session, which
// comes with the COM module; until then nothing is read or written.
int ComMain_ReadIni(IniStore) { return 0; }
int ComMain_WriteIni(IniStore) { return 0; }

int Callback_Com_Button_Zurueck(int, int, int event, void*, int, int) {
  if (event == EVENT_COMMIT) Fenster_SwitchPanels(gComPanel, Fenster_MainpanelGet());
  return 0;
}
