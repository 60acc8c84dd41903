// The termios port over a real pseudo-terminal: the test holds the master end
// and plays the device.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "device/serial_port.h"
#include "pty_support.h"

namespace rs232 {
namespace {

constexpr int kPort = 201;

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

class TermiosPty : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(OpenComConfig(kPort, LineSettings{}), kOk); }
  void TearDown() override { CloseCom(kPort); }
  velt1test::PtyPort pty{kPort};
};

TEST_F(TermiosPty, FrameGoesOutAndTheAnswerComesBackInSevenBits) {
  ASSERT_EQ(SetComTime(kPort, 1.5), kOk);
  const std::string frame = "#1IDR\r";
  EXPECT_EQ(ComWrt(kPort, frame.data(), static_cast<int>(frame.size())), 6);
  EXPECT_EQ(WaitOutQEmpty(kPort, 6), 0);
  EXPECT_EQ(pty.readMaster(6, 2.0), frame);

  // 0xC1 and 0x86 carry a parity bit on top of 'A' and ACK.
  ASSERT_TRUE(pty.writeMaster("\x86#1\xC1\r"));
  for (int expected : std::initializer_list<int>{0x06, '#', '1', 'A', '\r'}) EXPECT_EQ(ComRdByte(kPort), expected);
}

TEST_F(TermiosPty, FlushDiscardsBytesThatHaveArrived) {
  ASSERT_EQ(SetComTime(kPort, 1.5), kOk);
  ASSERT_TRUE(pty.writeMaster("late reply\r"));
  EXPECT_EQ(ComRdByte(kPort), 'l');  // the rest is in the input queue now
  EXPECT_EQ(FlushInQ(kPort), kOk);
  EXPECT_EQ(FlushOutQ(kPort), kOk);
  ASSERT_EQ(SetComTime(kPort, 0.2), kOk);
  EXPECT_EQ(ComRdByte(kPort), kTimeout);
}

TEST_F(TermiosPty, SilentLineCostsTheTimeout) {
  ASSERT_EQ(SetComTime(kPort, 1.5), kOk);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ComRdByte(kPort), kTimeout);
  const double elapsed = SecondsSince(start);
  EXPECT_GT(elapsed, 1.3);
  EXPECT_LT(elapsed, 4.0);
}

TEST_F(TermiosPty, UnpluggedDeviceFailsPromptlyInsteadOfWaiting) {
  ASSERT_EQ(SetComTime(kPort, 10.0), kOk);
  std::thread unplug([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    pty.closeMaster();
  });
  const auto start = std::chrono::steady_clock::now();
  const int result = ComRdByte(kPort);
  const double elapsed = SecondsSince(start);
  unplug.join();
  EXPECT_EQ(result, kGone);
  EXPECT_GT(elapsed, 0.1);  // it did wait for the line until the hang-up
  EXPECT_LT(elapsed, 3.0);
  EXPECT_EQ(ComWrt(kPort, "#1DF1\r", 6), kGone);
  EXPECT_EQ(WaitOutQEmpty(kPort, 6), kGone);
  EXPECT_EQ(ComRdByte(kPort), kGone);
}

TEST_F(TermiosPty, SecondOpenOfTheSameDeviceIsRefused) {
  pty.linkAlso(kPort + 1);
  EXPECT_EQ(OpenComConfig(kPort + 1, LineSettings{}), kBusy);
  EXPECT_EQ(CloseCom(kPort + 1), kNotOpen);
  ASSERT_EQ(CloseCom(kPort), kOk);
  EXPECT_EQ(OpenComConfig(kPort + 1, LineSettings{}), kOk);
  EXPECT_EQ(CloseCom(kPort + 1), kOk);
}

}  // namespace
}  // namespace rs232
