#include "support/ini_integer.h"

#include <cstdint>

#include "support/ini_model.h"

namespace ini {

bool ParseInteger(std::string_view text, int* value) {
  text = Trim(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return false;

  std::uint64_t magnitude = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
    if (magnitude > 4294967295u) return false;  // also keeps the scan from overflowing
  }

  const std::int64_t number = negative ? -static_cast<std::int64_t>(magnitude)
                                       : static_cast<std::int64_t>(magnitude);
  if (number < INT32_MIN || number > INT32_MAX) return false;
  *value = static_cast<int>(number);
  return true;
}

}  // namespace ini
