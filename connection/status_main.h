#pragma once
// Status_Main: the status panel (STATUSPNL) with the device's status LEDs,
// polled once a second while the operator has polling switched on. It loads
// the panel, enters it in the window list as "Status", hands its COM state
// picture and error display to Qor_Com, and returns to the main panel on request.

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

// The panel's "Com" LED, on while a device access runs.
void StatusMain_ComLed(int on);
// Reads the status word and shows its four bits; the code of the reading.
int StatusMain_StatusAnzeigen();

// The polling toggle: switches the timer and the LEDs' dimming with it.
int Callback_Status_Buttons(int panel, int control, int event, void* callbackData,
                            int eventData1, int eventData2);
// One polling tick; a failed reading switches polling off.
int Callback_Statustimer(int panel, int control, int event, void* callbackData, int eventData1,
                         int eventData2);
int Callback_Status_Button_Zurueck(int panel, int control, int event, void* callbackData,
                                   int eventData1, int eventData2);
