#pragma once
// One test program: a name and thirteen values. The layout is fixed (136 bytes,
// little-endian, no gaps) because the parameter file stores these records as
// they are, and the simulator and the device services share it. Beside it:
// the table of its value fields, and the rule of names the device can hold.

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

#include "ui/velt1_gui.h"

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

// A lower and an upper limit.
struct Wertebereich {
  double unten;
  double oben;
};

// How the main panel offers a value: a numeric control, or a ring of the
// whole numbers of its range.
enum class WertControl { Zahl, Ring };

// One numeric field of Programm: its device keyword; the main panel's control
// with the range an operator can enter there and the decimals it shows; the
// value of a new entry; and the limits of the device itself.
struct ProgrammWert {
  const char* keyword;
  double Programm::*feld;
  int control;
  WertControl art;
  Wertebereich panel;
  int nachkommastellen;
  double vorgabe;  // the voltage's box starts at 5.0 all the same (velt1_gui_main.cpp)
  Wertebereich geraet;
};

// The thirteen numeric fields in record and transfer order; the name comes
// before them, keyword "programmname".
//
// The device takes more than the panel offers: 1..33 sensor channels where
// the panel has 1..2, a voltage source number up to 33 where the ring has
// three, a test voltage from 1 V where the panel starts at 2 V. The driver
// checks a write against the device's limits, so what a device holds can be
// written back to it; the panel keeps an operator to its own range.
inline constexpr ProgrammWert PROGRAMM_WERTE[] = {
    // keyword, field, panel control and its kind, panel range, decimals, default,
    // device limits
    {"pruefspannungsquelle", &Programm::pruefspannungsquelle, MAINPANEL_PAR_PRUEFSPANNUNGSQUE,
     WertControl::Ring, {1, 3}, 0, 1, {1, 33}},
    {"pruefspannung", &Programm::pruefspannung, MAINPANEL_PAR_PRUEFSPANNUNG, WertControl::Zahl,
     {2, 33}, 1, 2, {1, 33}},
    {"anzahlzaehne", &Programm::anzahlzaehne, MAINPANEL_PAR_ANZAHLZAEHNE, WertControl::Zahl,
     {1, 125}, 0, 60, {1, 125}},
    {"sensorkanaele", &Programm::sensorkanaele, MAINPANEL_PAR_SENSORKANAELE, WertControl::Zahl,
     {1, 2}, 0, 2, {1, 33}},
    {"toleranzhigh", &Programm::toleranzhigh, MAINPANEL_PAR_TOLERANZHIGH, WertControl::Zahl,
     {0, 33}, 1, 1, {0, 33}},
    {"toleranzlow", &Programm::toleranzlow, MAINPANEL_PAR_TOLERANZLOW, WertControl::Zahl,
     {0, 33}, 1, 1, {0, 33}},
    {"toleranzphase", &Programm::toleranzphase, MAINPANEL_PAR_TOLERANZPHASE, WertControl::Zahl,
     {0, 180}, 0, 10, {0, 180}},
    {"schwellwertsteigendeflanke", &Programm::schwellwertsteigendeflanke,
     MAINPANEL_PAR_SCHWELLWERTSTEIG, WertControl::Zahl, {1, 99}, 0, 50, {1, 99}},
    {"schwellwertfallendeflanke", &Programm::schwellwertfallendeflanke,
     MAINPANEL_PAR_SCHWELLWERTFALL, WertControl::Zahl, {1, 99}, 0, 50, {1, 99}},
    {"totzeitvorsteigend", &Programm::totzeitvorsteigend, MAINPANEL_PAR_TOTZEITVORSTEIG,
     WertControl::Zahl, {1, 999}, 0, 1, {1, 999}},
    {"totzeitnachsteigend", &Programm::totzeitnachsteigend, MAINPANEL_PAR_TOTZEITNACHSTEIG,
     WertControl::Zahl, {20, 999}, 0, 20, {20, 999}},
    {"totzeitvorfallend", &Programm::totzeitvorfallend, MAINPANEL_PAR_TOTZEITVORFALL,
     WertControl::Zahl, {1, 999}, 0, 1, {1, 999}},
    {"totzeitnachfallend", &Programm::totzeitnachfallend, MAINPANEL_PAR_TOTZEITNACHFALL,
     WertControl::Zahl, {20, 999}, 0, 20, {20, 999}},
};
static_assert(std::size(PROGRAMM_WERTE) == 13);

// The field of a keyword or of a main panel control; nullptr for any other.
const ProgrammWert* ProgrammWert_ZumKeyword(std::string_view keyword);
const ProgrammWert* ProgrammWert_ZumControl(int control);
