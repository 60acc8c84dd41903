// Port functions of the driver: open, close, time-out and emptying the queues.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "device/qorvelt1.h"
#include "tests/kit/scripted_peer.h"

using namespace kit;

namespace {

constexpr int kPort = PeerRig::kPort;
constexpr int kClosedPort = 202;  // nothing attached, never opened

TEST(Qorvelt1Port, Codes) {
  struct Case {
    const char* name;
    std::function<void(rs232::Channel&)> setup;
    std::function<int()> call;
    int expected;
  } cases[] = {
      {"open", [](auto&) {}, [] { return QORVELT1_Open(kPort, 9600); }, 0},
      {"rate first", [](auto&) {}, [] { return QORVELT1_Open(1, 19200); }, -125001},
      {"port 0", [](auto&) {}, [] { return QORVELT1_Open(0, 9600); }, -100002},
      {"port 257", [](auto&) {}, [] { return QORVELT1_Open(257, 9600); }, -100002},
      {"no device", [](auto&) {}, [] { return QORVELT1_Open(kClosedPort, 9600); }, -100003},
      {"close", [](auto&) {}, [] { return QORVELT1_Close(kPort); }, 0},
      {"close unopened", [](auto&) {}, [] { return QORVELT1_Close(kClosedPort); }, -103004},
      {"time-out", [](auto&) {}, [] { return QORVELT1_Timeout(kPort, 1.5); }, 0},
      {"time-out NaN", [](auto&) {}, [] { return QORVELT1_Timeout(kPort, NAN); }, -111005},
      {"time-out unopened", [](auto&) {}, [] { return QORVELT1_Timeout(kClosedPort, 1.5); },
       -111005},
      {"flush", [](auto&) {}, [] { return QORVELT1_PufferLeeren(kPort); }, 0},
      {"flush input fails",
       [](auto& ch) { ch.faults.flushInputFails = ch.faults.flushOutputFails = true; },
       [] { return QORVELT1_PufferLeeren(kPort); }, -124255},
      {"flush output fails", [](auto& ch) { ch.faults.flushOutputFails = true; },
       [] { return QORVELT1_PufferLeeren(kPort); }, -123256},
      {"line gone", [](auto& ch) { ch.drop(); }, [] { return QORVELT1_PufferLeeren(kPort); },
       -124255},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PeerRig rig;
    c.setup(rig.channel());
    EXPECT_EQ(c.call(), c.expected);
  }
}

TEST(Qorvelt1Port, FlushDiscardsArrivedInput) {
  PeerRig rig;
  rig.channel().send("\x06#1Z1R60\r");
  EXPECT_EQ(QORVELT1_PufferLeeren(kPort), 0);
  EXPECT_EQ(rig.channel().pendingForHost(), 0u);
}

}  // namespace
