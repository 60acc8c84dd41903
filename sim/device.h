#pragma once
// A device on the simulated bus: it takes one frame addressed to it and says
// what it answers. Timing and faults are the bus's business.

#include <string>

#include "sim/frame.h"

namespace sim {

struct Answer {
  std::string control;  // ACK, NAK or CAN; empty when the device stays silent
  std::string reply;    // the reply frame with its CR; only after ACK

  static Answer Ack(std::string replyFrame = {}) {
    return {std::string(1, static_cast<char>(kAck)), std::move(replyFrame)};
  }
  static Answer Nak() { return {std::string(1, static_cast<char>(kNak)), {}}; }
};

class Device {
 public:
  virtual ~Device() = default;
  // Executes the frame. For frames to the common address the bus throws the
  // answer away.
  virtual Answer handle(const Frame& frame) = 0;
  virtual bool isVelt1() const = 0;
};

}  // namespace sim
