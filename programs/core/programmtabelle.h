#pragma once
// The shape of the program table: entry 0 is the device's working parameters,
// entries 1 to 16 its stored programs. The table itself belongs to the
// program management; the parameter file and the transfers work on a view.

#include <span>

#include "device/programm.h"

constexpr int PROGRAMM_ANZAHL = 17;
constexpr int PROGRAMM_NUMMER_MAX = PROGRAMM_ANZAHL - 1;

using ProgrammTabelle = std::span<Programm, PROGRAMM_ANZAHL>;
using ProgrammTabelleLesen = std::span<const Programm, PROGRAMM_ANZAHL>;
