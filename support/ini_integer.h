#pragma once

#include <string_view>

namespace ini {

// Strict decimal integer: optional whitespace, at most one sign directly
// before the digits, one or more digits, optional whitespace, nothing else.
// The digits may not exceed 4294967295 and the result must fit in an int.
// Returns false (and leaves *value alone) for anything else.
bool ParseInteger(std::string_view text, int* value);

}  // namespace ini
