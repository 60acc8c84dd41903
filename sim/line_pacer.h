#pragma once
// Pacing of one direction of a 9600-baud 7-O-1 line: each character takes ten
// bit times. Deadlines are absolute, derived from the previous deadline and
// not from the moment a sleep happened to end, so late wake-ups add no drift.

#include <algorithm>
#include <chrono>

namespace sim {

// Start bit, seven data bits, parity and stop bit at 9600 baud: the
// simulator's own statement of the line (see velt1_parameters.h).
constexpr std::chrono::nanoseconds kCharTime9600{1041667};

class LinePacer {
 public:
  using Clock = std::chrono::steady_clock;

  explicit LinePacer(std::chrono::nanoseconds charTime = kCharTime9600) : charTime_(charTime) {}

  // The moment the last bit of a character that is ready at `readyAt` has
  // crossed the line: one character time after the line is free again.
  Clock::time_point nextCharacter(Clock::time_point readyAt) {
    free_ = std::max(free_, readyAt) + charTime_;
    return free_;
  }

 private:
  std::chrono::nanoseconds charTime_;
  Clock::time_point free_{};
};

}  // namespace sim
