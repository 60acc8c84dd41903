#include "sim/wire_numbers.h"

#include <cmath>

namespace sim {

namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::optional<WireDecimal> ParseWireDecimal(std::string_view text) {
  std::size_t at = 0;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  // Twelve digits are far more than any parameter needs and keep the value exact.
  constexpr int kMaxDigits = 12;
  int digits = 0;
  double mantissa = 0.0;
  double scale = 1.0;
  bool point = false;
  WireDecimal result;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '.' && !point) {
      point = true;
      continue;
    }
    if (c < '0' || c > '9') return std::nullopt;
    if (++digits > kMaxDigits) return std::nullopt;
    mantissa = mantissa * 10.0 + (c - '0');
    if (point) {
      scale *= 10.0;
      if (c != '0') result.hasFraction = true;
    }
  }
  if (digits == 0) return std::nullopt;
  result.value = (negative ? -mantissa : mantissa) / scale;
  return result;
}

std::string FormatWhole(double value) { return std::to_string(std::lround(value)); }

std::string FormatOneDecimal(double value) {
  const long tenths = std::lround(value * 10.0);
  const long magnitude = tenths < 0 ? -tenths : tenths;
  std::string text = tenths < 0 ? "-" : "";
  text += std::to_string(magnitude / 10) + "." + std::to_string(magnitude % 10);
  return text;
}

std::optional<std::uint32_t> ParseHexField(std::string_view text) {
  if (text.empty() || text.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : text) {
    const int digit = HexDigitValue(c);
    if (digit < 0) return std::nullopt;
    value = value * 16u + static_cast<std::uint32_t>(digit);
  }
  return value;
}

std::string FormatHex(std::uint32_t value, int digits) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text(static_cast<std::size_t>(digits), '0');
  for (int i = digits - 1; i >= 0; --i) {
    text[static_cast<std::size_t>(i)] = kDigits[value & 0xFu];
    value >>= 4;
  }
  return text;
}

}  // namespace sim
