#pragma once
// A record as one line of text, so that a comparison shows the field that differs.

#include <string>

#include "device/programm.h"

namespace kit {

inline std::string RecordText(const Programm& record) {
  std::string text = record.programmname;
  for (const ProgrammWert& value : PROGRAMM_WERTE) text += "|" + std::to_string(record.*value.feld);
  return text;
}

}  // namespace kit
