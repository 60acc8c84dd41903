#pragma once
// The window list: the top-level panels that take turns on the screen, each
// with the name its "Fenster" menu item shows. Panel modules enter themselves
// while they load; start-up then builds every panel's "Fenster" menu once.

#include <string>

// Capacity of the list and the longest name kept.
constexpr int MAX_FENSTER = 10;
constexpr int MAX_FENSTERNAME = 49;

void Fenster_Initialisieren();
void Fenster_HauptpanelSet(int panel);
int Fenster_MainpanelGet();
// Appends an entry; menu is the ID of the panel's own "Fenster" menu, 0 for
// none. A name longer than MAX_FENSTERNAME bytes is cut (at a character boundary). Returns 0, or -1 when the
// list is full (the entry is not stored).
int Fenster_PanelZurListeHinzufuegen(int panel, const std::string& name, int menu);
// Fills the "Fenster" menu of every listed panel that has one.
void Fenster_MenueintraegeErstellen();
// Hides `from` and shows `to` in its place and size, or maximised.
void Fenster_SwitchPanels(int from, int to);
void MenuCallback_Fenster(int menuBar, int menuItem, void* callbackData, int panel);

// Number of entries (for tests and diagnostics).
int Fenster_Anzahl();
