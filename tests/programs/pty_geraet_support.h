#pragma once
// A simulated VELT-1 on the master end of a pseudo-terminal that is linked as
// a COM port (VELT1_PORTS), served by a thread of the test. It can hang up
// in the middle of a transfer, as a USB adapter pulled out would: when frame
// number `auflegenBeiRahmen` (counted from 0) has arrived, it leaves it
// unanswered and closes the master end while the host waits for the answer.
// With a `server`, the COM port is ser2net in front of the pseudo-terminal,
// and hanging up stops ser2net: a device server that goes away.

#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <thread>

#include "sim/bus.h"
#include "tests/device/pty_support.h"
#include "tests/device/ser2net_support.h"

namespace programs_test {

class PtyGeraet {
 public:
  using Uhr = std::chrono::steady_clock;

  explicit PtyGeraet(int port, int auflegenBeiRahmen = -1,
                     std::optional<velt1test::Ser2net::Mode> server = std::nullopt);
  ~PtyGeraet();
  PtyGeraet(const PtyGeraet&) = delete;
  PtyGeraet& operator=(const PtyGeraet&) = delete;

  // The moment the master end was closed; Uhr::time_point{} while it is open.
  Uhr::time_point Aufgelegt() const { return aufgelegt_.load(); }

 private:
  void Bedienen();

  // Before the hang-up, so that the host surely waits for its answer then,
  // even on a busy machine; the frame has left, and the drain is over.
  static constexpr std::chrono::milliseconds kBedenkzeit{100};

  velt1test::PtyPort pty_;
  std::unique_ptr<velt1test::Ser2net> server_;
  sim::Bus bus_;
  int auflegenBeiRahmen_;
  std::atomic<bool> ende_{false};
  std::atomic<Uhr::time_point> aufgelegt_{Uhr::time_point{}};
  std::thread dienst_;
};

}  // namespace programs_test
