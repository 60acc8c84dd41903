#pragma once
// Running a piece of a test in a child process: for limits that must not
// stay with the test process.

#include <climits>
#include <functional>

namespace programs_test {

// What ImKindprozess returns when the child gave no result.
constexpr int kKindOhneErgebnis = INT_MIN;

// Runs `probe` in a child process and returns its result.
int ImKindprozess(const std::function<int()>& probe);

}  // namespace programs_test
