#include "programs/core/programmname.h"

#include <cstring>

namespace {
constexpr std::size_t kNameMax = sizeof(Programm::programmname) - 1;  // a NUL always follows
}  // namespace

std::string Programmname_AlsText(const Programm& programm) {
  std::string text;
  const std::size_t laenge = strnlen(programm.programmname, kNameMax);
  for (std::size_t i = 0; i < laenge; ++i) {
    const auto byte = static_cast<unsigned char>(programm.programmname[i]);
    if (byte < 0x80) {
      text += static_cast<char>(byte);
    } else {
      text += static_cast<char>(0xC0 | (byte >> 6));
      text += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return text;
}

std::optional<std::string> Programmname_AusText(const std::string& text, Programm& programm) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto first = static_cast<unsigned char>(text[i]);
    unsigned zeichen = first;
    if (first >= 0x80) {
      // Two-byte UTF-8 with a lead byte of C2 or C3 is U+0080..U+00FF.
      const bool latin1 = (first == 0xC2 || first == 0xC3) && i + 1 < text.size() &&
                          (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80;
      if (!latin1) return "Name mit Zeichen außerhalb von Latin-1";
      zeichen = ((first & 0x1Fu) << 6) | (static_cast<unsigned char>(text[++i]) & 0x3Fu);
    }
    if (zeichen == 0) return "Name mit NUL-Zeichen";
    bytes += static_cast<char>(zeichen);
  }
  if (bytes.size() > kNameMax) return "Name länger als 31 Zeichen";
  std::memset(programm.programmname, 0, sizeof programm.programmname);
  std::memcpy(programm.programmname, bytes.data(), bytes.size());
  return std::nullopt;
}
