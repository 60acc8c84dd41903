#pragma once
// Com_Main: the COM settings panel (COMPANEL). It loads the panel, enters it
// in the window list as "Com" and returns to the main panel on request.

#include "support/ini_store.h"

// Handle of the COM panel, valid from ComMain_Initialisieren to ComMain_Freigeben.
extern int gComPanel;

// Loads and prepares the panel (hidden); 0, or -1 when it cannot be loaded.
int ComMain_Initialisieren();
// Discards the panel; 0.
int ComMain_Freigeben();
// The session's settings in section "com" of the configuration file.
int ComMain_ReadIni(IniStore ini);
int ComMain_WriteIni(IniStore ini);

// "Zurück zum Hauptfenster": the main panel takes the COM panel's place.
int Callback_Com_Button_Zurueck(int panel, int control, int event, void* callbackData,
                                int eventData1, int eventData2);
