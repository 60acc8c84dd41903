#pragma once
// Faults the bus injects into the answers of its devices: scripted per command
// and count ("the next 2 Z1R get NAK") or at random from a seed.

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace sim {

enum class FaultKind {
  Nak,        // NAK instead of the answer; the command is not executed
  Can,        // CAN instead of the answer; not executed
  Silence,    // no answer at all; not executed
  WrongByte,  // a byte other than ACK, NAK or CAN; not executed
  Cut,        // the reply without its CR
  WrongEcho,  // the reply carries another address
  Err,        // "err" in place of the value (parameter and status reads)
  Late,       // the whole answer arrives only after the host has given up
  Gap,        // the reply stops halfway and goes on after the host has given up
  Slow,       // the answer comes after half the host's time-out: still in time
  Drop,       // the line is gone
};

// "nak", "can", "silence", "wrongbyte", "cut", "echo", "err", "late", "gap", "slow", "drop".
const char* FaultKindName(FaultKind kind);
std::optional<FaultKind> FaultKindFromName(const std::string& name);

// Whether the fault can change the answer to this command: the reply faults
// need a reply frame, "err" a parameter or status read.
bool FaultApplies(FaultKind kind, const std::string& command);

struct FaultRule {
  std::string command;  // three characters; empty for every command
  char address = 0;     // 0 for every address
  FaultKind kind = FaultKind::Nak;
  int count = 1;        // frames still to hit; negative: every matching frame
};

// "CMD[@ADDR]:KIND[:COUNT]", CMD three characters or "*", COUNT a number or
// "*" for all: "Z1R:nak:2", "*@2:silence:*", "IDR:late". Null with a reason
// in `error` when the text is not a rule.
std::optional<FaultRule> ParseFaultRule(const std::string& text, std::string& error);

class FaultPlan {
 public:
  void add(const FaultRule& rule) { rules_.push_back(rule); }
  // Every frame to a device gets a fault with probability `rate`, of a kind
  // chosen evenly among those that apply (never a dropped line).
  void setRandom(std::uint32_t seed, double rate);
  void clear();

  // The fault for this frame, if any; a scripted rule counts the frame.
  std::optional<FaultKind> take(char address, const std::string& command);

 private:
  std::vector<FaultRule> rules_;
  double randomRate_ = 0.0;
  std::mt19937 random_;
};

}  // namespace sim
