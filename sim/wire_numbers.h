#pragma once
// Numbers as they travel in frames: decimal values with an optional sign and
// decimal point, and upper-case hexadecimal fields. Written by hand so that no
// locale can change a decimal point.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sim {

// A decimal number as the device accepts it: optional sign, digits, optional
// point and fraction; at least one digit, nothing else.
struct WireDecimal {
  double value = 0.0;
  bool hasFraction = false;  // a non-zero digit behind the point
};
std::optional<WireDecimal> ParseWireDecimal(std::string_view text);

// "60" for whole numbers, "12.5" for one-decimal values.
std::string FormatWhole(double value);
std::string FormatOneDecimal(double value);

// Fixed-width hexadecimal field; the device reads upper and lower case.
std::optional<std::uint32_t> ParseHexField(std::string_view text);
std::string FormatHex(std::uint32_t value, int digits);

}  // namespace sim
