#pragma once
// Status_Main: the status panel (STATUSPNL) with the device's status LEDs.
// It loads the panel, enters it in the window list as "Status" and returns
// to the main panel on request.

#include "support/ini_store.h"

// Handle of the status panel, valid from StatusMain_Initialisieren to StatusMain_Freigeben.
extern int gStatusPanel;

// Loads and prepares the panel (hidden, polling off); 0, or -1.
int StatusMain_Initialisieren();
// Discards the panel; 0.
int StatusMain_Freigeben();
// The panel keeps nothing in the configuration file: both return 0.
int StatusMain_ReadIni(IniStore ini);
int StatusMain_WriteIni(IniStore ini);
// Dims (1) or undims (0) the four status LEDs.
void StatusMain_LedsDimmen(int dimmed);

int Callback_Status_Button_Zurueck(int panel, int control, int event, void* callbackData,
                                   int eventData1, int eventData2);
