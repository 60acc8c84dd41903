#pragma once
// One test program: a name and thirteen values. The layout is fixed (136 bytes,
// little-endian, no gaps) because the parameter file stores these records as
// they are, and the simulator and the device services share it.

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

struct Programm {
  char programmname[32];  // NUL-terminated
  double pruefspannungsquelle;  // 1 = "2..33V", 2 = "8V", 3 = "15V"
  double pruefspannung;         // V
  double anzahlzaehne;
  double sensorkanaele;
  double toleranzhigh;          // V
  double toleranzlow;           // V
  double toleranzphase;         // degrees
  double schwellwertsteigendeflanke;  // %
  double schwellwertfallendeflanke;   // %
  double totzeitvorsteigend;    // µs
  double totzeitnachsteigend;   // µs
  double totzeitvorfallend;     // µs
  double totzeitnachfallend;    // µs
};

static_assert(sizeof(Programm) == 136, "Programm is stored byte for byte in parameter files");
static_assert(offsetof(Programm, pruefspannungsquelle) == 32);
static_assert(offsetof(Programm, totzeitnachfallend) == 128);

// Longest name the device sends or the rename panel accepts.
constexpr int PROGRAMMNAME_MAX_GERAET = 25;

// A name as the device can hold it, printable ASCII: every character outside
// space..tilde becomes one space, whatever its encoding (a control character,
// an umlaut of one Latin-1 byte or of several UTF-8 bytes). The driver sends
// names so, and the rename panel takes typed names so.
std::string Programmname_Druckbar(std::string_view name);

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
