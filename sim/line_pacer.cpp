#include "sim/line_pacer.h"

#include <algorithm>

namespace sim {

LinePacer::Clock::time_point LinePacer::nextCharacter(Clock::time_point readyAt) {
  free_ = std::max(free_, readyAt) + charTime_;
  return free_;
}

}  // namespace sim
