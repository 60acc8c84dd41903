#pragma once
// Records for the tests: one as a line of text, so that a comparison shows
// the field that differs, and records whose values a device keeps.

#include <cstdio>
#include <iterator>
#include <string>

#include "device/programm.h"

namespace kit {

inline std::string RecordText(const Programm& record) {
  std::string text = record.programmname;
  for (const ProgrammWert& value : PROGRAMM_WERTE) text += "|" + std::to_string(record.*value.feld);
  return text;
}

// Values a device keeps exactly as sent; `base` shifts the test voltage, the
// number of teeth and the dead time after the rising edge.
inline Programm KeptRecord(const std::string& name, int base) {
  Programm record{};
  std::snprintf(record.programmname, sizeof record.programmname, "%s", name.c_str());
  const double values[] = {1, 2.5 + base / 10.0, 10.0 + base, 2, 1.5, 0.5, 10, 50, 40, 1, 20.0 + base, 2, 30};
  for (std::size_t i = 0; i < std::size(PROGRAMM_WERTE); ++i) record.*PROGRAMM_WERTE[i].feld = values[i];
  return record;
}

}  // namespace kit
