#include "sim/frame.h"

namespace sim {

Frame SplitFrame(const std::string& body) {
  Frame frame;
  if (body.empty()) return frame;
  frame.address = body[0];
  frame.command = body.substr(1, 3);
  if (body.size() > 4) frame.argument = body.substr(4);
  return frame;
}

bool IsDeviceAddress(char address) {
  return (address >= '1' && address <= '9') || (address >= 'a' && address <= 'f');
}

std::optional<std::string> FrameAssembler::push(std::uint8_t byte) {
  switch (state_) {
    case State::Idle:
      if (byte == '#') {
        body_.clear();
        state_ = State::InFrame;
      }
      return std::nullopt;
    case State::InFrame:
      if (byte == kCr) {
        state_ = State::Idle;
        return std::move(body_);
      }
      // '#' and CR count too: the body may hold at most the frame minus those two.
      if (body_.size() + 2 >= kMaxFrameBytes) {
        state_ = State::Overlong;
        body_.clear();
        return std::nullopt;
      }
      body_.push_back(static_cast<char>(byte));
      return std::nullopt;
    case State::Overlong:
      if (byte == kCr) state_ = State::Idle;
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace sim
