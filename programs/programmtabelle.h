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

// One numeric field of Programm with its device keyword.
struct ProgrammWert {
  const char* keyword;
  double Programm::*feld;
};

// The thirteen numeric fields in record and transfer order; the name comes
// before them, keyword "programmname".
inline constexpr ProgrammWert PROGRAMM_WERTE[] = {
    {"pruefspannungsquelle", &Programm::pruefspannungsquelle},
    {"pruefspannung", &Programm::pruefspannung},
    {"anzahlzaehne", &Programm::anzahlzaehne},
    {"sensorkanaele", &Programm::sensorkanaele},
    {"toleranzhigh", &Programm::toleranzhigh},
    {"toleranzlow", &Programm::toleranzlow},
    {"toleranzphase", &Programm::toleranzphase},
    {"schwellwertsteigendeflanke", &Programm::schwellwertsteigendeflanke},
    {"schwellwertfallendeflanke", &Programm::schwellwertfallendeflanke},
    {"totzeitvorsteigend", &Programm::totzeitvorsteigend},
    {"totzeitnachsteigend", &Programm::totzeitnachsteigend},
    {"totzeitvorfallend", &Programm::totzeitvorfallend},
    {"totzeitnachfallend", &Programm::totzeitnachfallend},
};
static_assert(std::size(PROGRAMM_WERTE) == 13);
