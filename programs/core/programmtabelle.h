#pragma once
// The shape of the program table: entry 0 is the device's working parameters,
// entries 1 to 16 its stored programs. The program's table itself lives in
// programmverwaltung.h; the parameter file, the transfers and velt1ctl work on
// a view. A new table's entries and their names are made here.

#include <span>
#include <string>

#include "device/programm.h"

constexpr int PROGRAMM_ANZAHL = 17;
constexpr int PROGRAMM_NUMMER_MAX = PROGRAMM_ANZAHL - 1;

using ProgrammTabelle = std::span<Programm, PROGRAMM_ANZAHL>;
using ProgrammTabelleLesen = std::span<const Programm, PROGRAMM_ANZAHL>;

// Empty name and a new entry's values.
void Prog_Vorbelegen(Programm* programm);
// The table after "Neu": every entry with a new entry's values, entry 0 named
// "Arbeitsparameter", entry n "Programm n" ("Working parameter", "Program n"
// with gSprache 2).
void Prog_TabelleVorbelegen(ProgrammTabelle tabelle);
// How lists, progress and velt1ctl name an entry: "A" for entry 0, else its number.
std::string Prog_EintragName(int index);
