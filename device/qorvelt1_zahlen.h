#pragma once
// Numbers as they travel in the driver's frames. None of these depends on the
// process locale: the line always uses the decimal point.

#include <string>
#include <string_view>

namespace qorvelt1 {

// The value rounded to the nearest whole number (halves away from zero),
// without a decimal point: 60.0 -> "60".
std::string GanzzahlText(double wert);
// The value rounded to one decimal, with the point: 5 -> "5.0", 12.5 -> "12.5".
std::string ZehntelText(double wert);

// A real number at the start of `text`: optional sign, digits, optional point
// and fraction. Whatever follows the number is ignored. False without digits.
bool RealLesen(std::string_view text, double& wert);
// A hexadecimal integer (either case) at the start of `text`; whatever follows
// is ignored. False without digits or when the value does not fit an int.
bool HexLesen(std::string_view text, int& wert);

// Value of one hexadecimal digit ('0'..'9', 'a'..'f', 'A'..'F'), or -1.
int HexZiffer(char zeichen);
// Appends `wert` as `stellen` upper-case hexadecimal digits, zero-padded.
void HexAnhaengen(std::string& ziel, unsigned wert, int stellen);

}  // namespace qorvelt1
