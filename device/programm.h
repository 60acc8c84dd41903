#pragma once
// One test program: a name and thirteen values. The layout is fixed (136 bytes,
// little-endian, no gaps) because the parameter file stores these records as
// they are, and the simulator and the device services share it.

#include <cstddef>

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
