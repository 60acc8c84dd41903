#include "connection/com_main.h"

#include "connection/qor_com.h"
#include "support/qor_error.h"
#include "ui/fensterverwaltung.h"
#include "ui/globals.h"
#include "ui/runtime.h"
#include "ui/velt1_gui.h"

int gComPanel = 0;

namespace {

constexpr const char* kSektion = "com";

}  // namespace

int ComMain_Initialisieren() {
  RegisterCtrlCallback("Callback_Com_Button_Zurueck", Callback_Com_Button_Zurueck);

  gComPanel = LoadPanel(0, UiDateiname(), COMPANEL);
  if (gComPanel < 0) return -1;
  SetPanelAttribute(gComPanel, ATTR_HAS_TASKBAR_BUTTON, 1);
  Fenster_PanelZurListeHinzufuegen(gComPanel, "Com", MENUCOM_FENSTER);
  // The resource's scan text is only a placeholder; the scan writes its own.
  SetCtrlVal(gComPanel, COMPANEL_SCANNTEXT, "");

  QorCom_DienstAnbinden();
  QorCom_RegisterComControl(gComPanel, COMPANEL_COMPORT);
  QorCom_RegisterPictureringControl(gComPanel, COMPANEL_COMPICTURERING);
  QorCom_RegisterFehlerControls(gComPanel, COMPANEL_FEHLERLED, COMPANEL_FEHLERSTRING,
                                COMPANEL_FEHLERNUMMER);
  QorCom_RegisterIdReadButton(gComPanel, COMPANEL_IDLESEN);
  QorCom_RegisterIdTextdisplay(gComPanel, COMPANEL_ID);
  QorCom_RegisterAdressControl(gComPanel, COMPANEL_ADRESSE);
  for (int led : {COMPANEL_LED1, COMPANEL_LED2, COMPANEL_LED3, COMPANEL_LED4, COMPANEL_LED5,
                  COMPANEL_LED6, COMPANEL_LED7, COMPANEL_LED8, COMPANEL_LED9})
    QorCom_RegisterAdressLeds(gComPanel, led);
  QorCom_RegisterScanButton(gComPanel, COMPANEL_SCANN);
  QorCom_RegisterScanStringControl(gComPanel, COMPANEL_SCANNTEXT);
  return 0;
}

int ComMain_Freigeben() {
  QorCom_Freigeben();
  DiscardPanel(gComPanel);
  return 0;
}

int ComMain_ReadIni(IniStore ini) {
  int result = 0;
  int wert = 0;
  if (Ini_GetInt(ini, kSektion, "com", &wert) > 0) {
    // A port that cannot be opened at start-up shows nothing: the session
    // simply starts closed, and the reason is not kept for a later message.
    if (QorCom_Open(wert) != 0) QOR_Fehleruserstring(nullptr);
  } else {
    result = COMMAIN_FEHLER_COM_FEHLT;
  }
  if (Ini_GetInt(ini, kSektion, "lcom", &wert) > 0) {
    QorCom_LastComPortSet(wert);
  } else if (result == 0) {
    result = COMMAIN_FEHLER_LCOM_FEHLT;
  }
  if (Ini_GetInt(ini, kSektion, "adresse", &wert) > 0) {
    QorCom_AdresseSet(static_cast<char>(wert & 0xFF));  // only the low byte counts
  } else if (result == 0) {
    result = COMMAIN_FEHLER_ADRESSE_FEHLT;
  }
  return result;
}

int ComMain_WriteIni(IniStore ini) {
  Ini_PutInt(ini, kSektion, "com", QorCom_ComPortGet());
  Ini_PutInt(ini, kSektion, "lcom", QorCom_LastComPortGet());
  Ini_PutInt(ini, kSektion, "adresse", QorCom_AdresseGet());
  return 0;
}

int Callback_Com_Button_Zurueck(int, int, int event, void*, int, int) {
  if (event == EVENT_COMMIT) Fenster_SwitchPanels(gComPanel, Fenster_MainpanelGet());
  return 0;
}
