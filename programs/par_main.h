#pragma once
// Par_Main: the main panel and its dialogs (info, calibration, rename). It
// loads them, labels them with the device name, starts the window list with
// the main panel, hands its controls to the COM module and the program table,
// and dispatches the main panel's buttons and menus to the modules.

#include "support/ini_store.h"

extern int gMainPanel;
extern int gInfoPanel;
extern int gKalibrierenPanel;
extern int gRenamePanel;

// Loads and prepares the four panels; 0, or -1 when a panel cannot be loaded
// (panels loaded before stay loaded).
int ParMain_Initialisieren(const char* version, const char* datum);
// Discards the info panel, then the main panel with its children; 0.
int ParMain_Freigeben();
// The main panel keeps nothing in the configuration file: both return 0.
int ParMain_ReadIni(IniStore ini);
int ParMain_WriteIni(IniStore ini);
int ParMain_GetMainpanel();

// "Hilfe" / "Info": the info panel as a modal popup.
void Menu_Main_Info(int menuBar, int menuItem, void* callbackData, int panel);
// OK on the info panel: removes the popup.
int Callback_Info_Button_Ok(int panel, int control, int event, void* callbackData,
                            int eventData1, int eventData2);
// The main panel's buttons: load and save the parameter file, read and write
// programs, start and stop the device, load a device program into its
// working parameters ("Einstellen") or store them as one ("Speichern").
int Callback_Main_Buttons(int panel, int control, int event, void* callbackData, int eventData1,
                          int eventData2);
// "Datei": "Neu" (no question), "Laden...", "Speichern", "Speichern unter...";
// a failed file operation is shown in an error box.
void Menu_Main_Datei(int menuBar, int menuItem, void* callbackData, int panel);
// "Programm": "Umbenennen...", "Kopieren", "Einfügen".
void Menu_Main_Programm(int menuBar, int menuItem, void* callbackData, int panel);
// "Optionen" / "Sprache": its menu is removed at start-up, so it is never
// chosen; it would call the language switch that start-up hands over.
void Menu_Main_Sprache(int menuBar, int menuItem, void* callbackData, int panel);
using ParMainSprachumschaltung = int (*)(int sprache);
void ParMain_SprachumschaltungSetzen(ParMainSprachumschaltung umschalten);
// The calibration panel's buttons: the panel has no function, nothing happens.
int Callback_Kalib_Buttons(int panel, int control, int event, void* callbackData,
                           int eventData1, int eventData2);
