#include "device/programm.h"

std::string Programmname_Druckbar(std::string_view name) {
  std::string druckbar;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto zeichen = static_cast<unsigned char>(name[i]);
    if (zeichen >= ' ' && zeichen <= '~') {
      druckbar += static_cast<char>(zeichen);
      continue;
    }
    druckbar += ' ';
    // A UTF-8 lead byte takes its continuation bytes with it.
    if (zeichen >= 0xC0) {
      while (i + 1 < name.size() && (static_cast<unsigned char>(name[i + 1]) & 0xC0) == 0x80) ++i;
    }
  }
  return druckbar;
}

const ProgrammWert* ProgrammWert_ZumKeyword(std::string_view keyword) {
  for (const ProgrammWert& wert : PROGRAMM_WERTE)
    if (keyword == wert.keyword) return &wert;
  return nullptr;
}

const ProgrammWert* ProgrammWert_ZumControl(int control) {
  for (const ProgrammWert& wert : PROGRAMM_WERTE)
    if (control == wert.control) return &wert;
  return nullptr;
}
