#pragma once
// Dateifunktionen: the program table's parameter file through the save and
// load dialogs, and the question before unsaved work is lost. The file name
// and the unsaved-changes flag belong to the table (programmverwaltung.h).

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
