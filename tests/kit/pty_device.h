#pragma once
// A simulated VELT-1 on the master end of a pseudo-terminal that is linked as
// a COM port (VELT1_PORTS), served by a thread of the test. It can hang up
// in the middle of a transfer, as a USB adapter pulled out would: when frame
// number `hangUpAtFrame` (counted from 0) has arrived, it leaves it
// unanswered and closes the master end while the host waits for the answer.
// With a `server`, the COM port is ser2net in front of the pseudo-terminal,
// and hanging up stops ser2net: a device server that goes away.

#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <thread>

#include "sim/bus.h"
#include "tests/kit/pty.h"
#include "tests/kit/ser2net.h"

namespace kit {

class PtyDevice {
 public:
  using Clock = std::chrono::steady_clock;

  explicit PtyDevice(int port, int hangUpAtFrame = -1, std::optional<Ser2net::Mode> server = std::nullopt);
  ~PtyDevice();
  PtyDevice(const PtyDevice&) = delete;
  PtyDevice& operator=(const PtyDevice&) = delete;

  // The moment the master end was closed; Clock::time_point{} while it is open.
  Clock::time_point hungUp() const { return hungUp_.load(); }

 private:
  void serve();

  // Before the hang-up, so that the host surely waits for its answer then,
  // even on a busy machine; the frame has left, and the drain is over.
  static constexpr std::chrono::milliseconds kPause{100};

  PtyPort pty_;
  std::unique_ptr<Ser2net> server_;
  sim::Bus bus_;
  int hangUpAtFrame_;
  std::atomic<bool> stop_{false};
  std::atomic<Clock::time_point> hungUp_{Clock::time_point{}};
  std::thread thread_;
};

}  // namespace kit
