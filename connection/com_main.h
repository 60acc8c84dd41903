#pragma once
// Com_Main: the COM settings panel (COMPANEL). It loads the panel, enters it
// in the window list as "Com", hands its controls to Qor_Com, keeps the
// session in the configuration file and returns to the main panel on request.

#include "support/ini_store.h"

// A key of section "com" is missing: the first missing one is reported.
constexpr int COMMAIN_FEHLER_COM_FEHLT = -801501;
constexpr int COMMAIN_FEHLER_LCOM_FEHLT = -801502;
constexpr int COMMAIN_FEHLER_ADRESSE_FEHLT = -801503;

// Handle of the COM panel, valid from ComMain_Initialisieren to ComMain_Freigeben.
extern int gComPanel;

// Loads and prepares the panel (hidden); 0, or -1 when it cannot be loaded.
int ComMain_Initialisieren();
// Discards the panel; 0.
int ComMain_Freigeben();
// The session in section "com" of the configuration file: "com" (the open
// port, 0 = none), "lcom" (the last port) and "adresse" (the address
// character's code). Reading applies every key that is there and returns the
// code of the first missing one.
int ComMain_ReadIni(IniStore ini);
int ComMain_WriteIni(IniStore ini);

// "Zurück zum Hauptfenster": the main panel takes the COM panel's place.
int Callback_Com_Button_Zurueck(int panel, int control, int event, void* callbackData,
                                int eventData1, int eventData2);
