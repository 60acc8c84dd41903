#pragma once
// Dateifunktionen: the parameter file of the program table.

// Asked before the program quits: offers to save unsaved changes.
// 0 = go on quitting, 1 = stay.
int AbfrageWennNichtGespeichert();
