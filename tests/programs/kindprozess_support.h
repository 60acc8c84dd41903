#pragma once
// Running a piece of a test in a child process: for limits that must not
// stay with the test process, and for permission bits, which do not stop
// the superuser.

#include <climits>
#include <filesystem>
#include <functional>

namespace programs_test {

// What ImKindprozess returns when the child gave no result.
constexpr int kKindOhneErgebnis = INT_MIN;

// Runs `probe` in a child process and returns its result.
int ImKindprozess(const std::function<int()>& probe);

// Runs `probe` in a child process in which permission bits are in force:
// under the superuser the child first hands `ordner` and everything in it to
// an ordinary user and becomes that user.
int MitDateirechten(const std::filesystem::path& ordner, const std::function<int()>& probe);

}  // namespace programs_test
