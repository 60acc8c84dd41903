#pragma once
// Command frames as the devices see them: '#', address, three command
// characters, an optional argument, CR.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace sim {

constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kNak = 0x15;
constexpr std::uint8_t kCan = 0x18;
constexpr std::uint8_t kCr = 0x0D;
constexpr char kCommonAddress = '&';

// The longest frame on the line is the memory block write of 64 bytes.
constexpr std::size_t kMaxFrameBytes = 147;
// Every reply except the memory block reply fits in this many bytes, CR included.
constexpr std::size_t kMaxReplyBytes = 29;

// The bytes between '#' and CR, split up. A body too short to hold a command
// keeps what it has: the address (if any) and a shorter command.
struct Frame {
  char address = 0;
  std::string command;   // up to three characters
  std::string argument;  // everything behind the command
};

Frame SplitFrame(const std::string& body);

// True for the addresses a device can sit at: '1'..'9' and 'a'..'f'.
bool IsDeviceAddress(char address);

// Collects frames from the byte stream: bytes before '#' are ignored, a frame
// ends at CR, and a frame longer than any the protocol knows is dropped with
// everything up to its CR.
class FrameAssembler {
 public:
  // The frame's body when this byte completed one.
  std::optional<std::string> push(std::uint8_t byte);

 private:
  enum class State { Idle, InFrame, Overlong };
  State state_ = State::Idle;
  std::string body_;
};

}  // namespace sim
