#include "app/funktionen.h"

#include "connection/com_main.h"
#include "connection/qor_com.h"
#include "connection/status_main.h"
#include "programs/dateifunktionen.h"
#include "programs/par_main.h"
#include "support/ini_store.h"
#include "support/qor_error.h"
#include "ui/fensterverwaltung.h"
#include "ui/globals.h"
#include "ui/runtime.h"

namespace {

// Quits after the save query allows it.
void Beenden() {
  if (AbfrageWennNichtGespeichert() == 0) QuitUserInterface(0);
}

}  // namespace

int Func_IniDateiSpracheLaden() {
  gSprache = 1;
  QOR_Fehlersprache(1);
  QorCom_SpracheSetzen(1);
  return 0;
}

int Func_PanelsInitialisieren(const char* version, const char* datum) {
  // Each top-level panel shows its own taskbar entry instead of the program's.
  SetSystemAttribute(ATTR_TASKBAR_BUTTON_VISIBLE, 0);
  RegisterPanelCallback("Callback_Panels", Callback_Panels);
  RegisterMenuCallback("Menu_Datei_Beenden", Menu_Datei_Beenden);
  ParMain_SprachumschaltungSetzen(Func_Sprachumschaltung);

  if (ParMain_Initialisieren(version, datum) != 0) return -1;
  if (ComMain_Initialisieren() != 0) return -1;
  if (StatusMain_Initialisieren() != 0) return -1;
  Fenster_MenueintraegeErstellen();
  return 0;
}

int Func_IniDateiLaden() {
  IniStore ini = Ini_New(1);
  if (ini == nullptr) return FEHLER_INI_LESEN;
  const int gelesen = Ini_ReadFromFile(ini, INI_DATEINAME);
  if (gelesen != 0) {
    Ini_Dispose(ini);
    return gelesen == INI_ERR_CANNOT_OPEN ? FEHLER_INI_NICHT_GEFUNDEN : FEHLER_INI_LESEN;
  }
  // Every reader runs; the first failure is the one reported.
  const int readers[] = {ParMain_ReadIni(ini), ComMain_ReadIni(ini), StatusMain_ReadIni(ini)};
  int result = 0;
  for (int code : readers)
    if (result == 0) result = code;
  Ini_Dispose(ini);
  return result;
}

int Func_IniDateiSchreiben() {
  IniStore ini = Ini_New(1);
  if (ini == nullptr) return FEHLER_INI_SCHREIBEN;
  ParMain_WriteIni(ini);
  ComMain_WriteIni(ini);
  StatusMain_WriteIni(ini);
  const int geschrieben = Ini_WriteToFile(ini, INI_DATEINAME);
  Ini_Dispose(ini);
  return geschrieben == 0 ? 0 : FEHLER_INI_SCHREIBEN;
}

int Func_PanelsFreigeben() {
  StatusMain_Freigeben();
  ComMain_Freigeben();
  ParMain_Freigeben();
  return 0;
}

int Func_Sprachumschaltung(int) { return 0; }

int Callback_Panels(int, int event, void*, int, int) {
  if (event == EVENT_CLOSE) Beenden();
  return 0;
}

void Menu_Datei_Beenden(int, int, void*, int) { Beenden(); }
