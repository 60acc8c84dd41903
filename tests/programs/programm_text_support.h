#pragma once
// A record as one line of text, so that a comparison shows the field that differs.

#include <string>

#include "programs/core/programmtabelle.h"

namespace programs_test {

inline std::string Text(const Programm& satz) {
  std::string text = satz.programmname;
  for (const ProgrammWert& wert : PROGRAMM_WERTE) text += "|" + std::to_string(satz.*wert.feld);
  return text;
}

}  // namespace programs_test
