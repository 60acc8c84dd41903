#pragma once
// The VELT-1's numeric parameters as the device knows them: the two characters
// of their read and write commands ("Z1" gives "Z1R" and "Z1W"), the field of
// the parameter set that holds them, their wire form and the device's limits.
//
// The simulator states the protocol's facts itself (these limits and defaults,
// the status bits, the identification, the line's character time) and never
// takes them from the program's tables: it stands in for the hardware, and a
// misreading shared by both sides would pass every test.

#include <string_view>

#include "device/programm.h"

namespace sim {

enum class WireForm { Whole, OneDecimal };

struct Velt1Parameter {
  const char* code;  // two characters
  double Programm::*field;
  WireForm form;
  double lower;
  double upper;
  double fresh;  // the value of a fresh parameter set
};

// The numeric parameter of a command's two characters; null for any other.
const Velt1Parameter* FindVelt1Parameter(std::string_view code);

// The defaults of a fresh parameter set; the name is left empty.
Programm DefaultParameterSet();

}  // namespace sim
