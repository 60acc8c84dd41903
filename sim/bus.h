#pragma once
// The simulated line: devices at their addresses, the common address, fault
// injection and frame counting. Transport-agnostic: bytes from the host go in,
// a list of emissions with their timing comes out, and whoever carries the
// bytes (the in-process channel, a pseudo-terminal) plays them out.

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "sim/device.h"
#include "sim/faults.h"
#include "sim/frame.h"

namespace sim {

class Velt1Model;

struct Emission {
  enum class When {
    Now,               // at once
    After,             // `delaySeconds` after the previous emission
    AfterHostTimeout,  // just after the host's read has given up waiting
    DropLine,          // the line goes away; `bytes` is empty
  };
  When when = When::Now;
  double delaySeconds = 0.0;
  std::string bytes;

  bool operator==(const Emission&) const = default;
};

class Bus {
 public:
  // The host's time-out, for faults that must stay inside it ("slow").
  explicit Bus(double hostTimeoutSeconds = 1.5) : hostTimeout_(hostTimeoutSeconds) {}

  // Puts a device at '1'..'9' or 'a'..'f'; replaces one that was there.
  void attach(char address, std::unique_ptr<Device> device);
  Velt1Model& addVelt1(char address);
  void addForeign(char address);
  Device* device(char address);
  Velt1Model* velt1(char address);  // null when no VELT-1 sits there

  FaultPlan& faults() { return faults_; }

  std::vector<Emission> receive(const std::uint8_t* data, std::size_t count);
  std::vector<Emission> receive(const std::string& bytes);

  // Complete frames seen on the line, in total and by their address byte.
  int framesReceived() const { return totalFrames_; }
  int framesReceived(char address) const;
  void resetFrameCounts();

 private:
  std::vector<Emission> handleFrame(const std::string& body);

  double hostTimeout_;
  FrameAssembler assembler_;
  std::map<char, std::unique_ptr<Device>> devices_;
  FaultPlan faults_;
  int totalFrames_ = 0;
  std::map<char, int> framesByAddress_;
};

// What a fault makes of a device's answer.
std::vector<Emission> ApplyFault(FaultKind kind, const Answer& answer, double hostTimeoutSeconds);

}  // namespace sim
