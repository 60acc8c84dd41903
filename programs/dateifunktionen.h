#pragma once
// Dateifunktionen: the parameter file of the program table on the panels:
// the current file name, the unsaved-changes flag, the main panel's title,
// the save and load dialogs, and the question before unsaved work is lost.

#include <string>

// The current parameter file: a full path, or the placeholder "Unbenannt".
extern std::string gDateiname;
// 1 while there are changes that no file holds.
extern unsigned char gDatenGeaendert;

int AlsGespeichertSetzen();
int DatenAlsGeaendertMarkieren();
// gDateiname = the placeholder of the current language; 0.
int DateinameZuruecksetzen();
// Main panel title: "VELT-1 Steuerung - <file name without directory>"; 0.
int PaneltitelAktualisieren();

// Saves the table: to gDateiname, or through the save dialog when unterDialog
// is 1 or the table has no file yet. 0, -6000 when the dialog was cancelled,
// or the code of the failed save (the data then stay marked as changed).
int DateiSpeichern(int unterDialog);
// Loads a table through the load dialog. 0, -6000 when cancelled, or the
// code of the failed load, which changes nothing.
int DateiOeffnen();

// Asked before the program quits: offers to save unsaved changes.
// 0 = go on quitting, 1 = stay.
int AbfrageWennNichtGespeichert();
