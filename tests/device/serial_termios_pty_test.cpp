// The termios port over a real pseudo-terminal: the test holds the master end
// and plays the device.

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <termios.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "device/serial_low_latency.h"
#include "device/serial_port.h"
#include "device/termios_port_posix.h"
#include "tests/kit/pty.h"
#include "tests/kit/ser2net.h"

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
  kit::PtyPort pty{kPort};
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
  EXPECT_TRUE(PortGone(kPort));
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

TEST_F(TermiosPty, LineRunsAt9600Baud) {
  // A pseudo-terminal keeps the speed (though not the data bits), so the
  // setting the port layer made can be read back from the master end.
  termios tio{};
  ASSERT_EQ(::tcgetattr(pty.master(), &tio), 0);
  EXPECT_EQ(::cfgetospeed(&tio), static_cast<speed_t>(B9600));
  EXPECT_EQ(::cfgetispeed(&tio), static_cast<speed_t>(B9600));
}

TEST_F(TermiosPty, LowLatencyRequestSetsTheAdapterTimerAndIsHarmlessElsewhere) {
  namespace fs = std::filesystem;
  // Asking on the pseudo-terminal changes nothing, and the port works after
  // it. (While the port is open its exclusive open keeps everyone else out.)
  ASSERT_EQ(CloseCom(kPort), kOk);
  const int fd = ::open(pty.slavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(fd, 0);
  EXPECT_EQ(LatencyTimerPath(fd, "/sys"), "");
  RequestLowLatency(fd);
  ASSERT_EQ(OpenComConfig(kPort, LineSettings{}), kOk);
  ASSERT_EQ(SetComTime(kPort, 1.5), kOk);
  ASSERT_TRUE(pty.writeMaster("A"));
  EXPECT_EQ(ComRdByte(kPort), 'A');

  // An adapter with a latency timer in sysfs gets 1 ms.
  const fs::path root = fs::temp_directory_path() / ("velt1-sysfs-" + std::to_string(::getpid()));
  struct stat st {};
  ASSERT_EQ(::fstat(fd, &st), 0);
  const fs::path device = root / "dev" / "char" /
                          (std::to_string(major(st.st_rdev)) + ":" + std::to_string(minor(st.st_rdev))) /
                          "device";
  fs::create_directories(device);
  std::ofstream(device / "latency_timer") << "16\n";
  EXPECT_EQ(LatencyTimerPath(fd, root.string()), (device / "latency_timer").string());
  RequestLowLatency(fd, root.string());
  std::ifstream timer(device / "latency_timer");
  std::string value;
  timer >> value;
  EXPECT_EQ(value, "1");
  ::close(fd);
  fs::remove_all(root);
}

TEST(TermiosGone, SysfsEntryRemoved) {  // as when a USB adapter is unplugged
  const auto sysfs = std::filesystem::temp_directory_path() / ("velt1-sysfs-" + std::to_string(::getpid()));
  kit::PtyPort pty(kPort);
  struct stat st {};
  ASSERT_EQ(::stat(pty.slavePath().c_str(), &st), 0);
  const std::string device = std::to_string(major(st.st_rdev)) + ":" + std::to_string(minor(st.st_rdev));
  std::filesystem::create_directories(sysfs / "dev" / "char" / device);
  ::setenv("VELT1_SYSFS", sysfs.c_str(), 1);
  ASSERT_EQ(OpenComConfig(kPort, LineSettings{}), kOk);
  ::unsetenv("VELT1_SYSFS");
  EXPECT_FALSE(PortGone(kPort));
  std::filesystem::remove_all(sysfs);
  EXPECT_TRUE(PortGone(kPort));
  CloseCom(kPort);
}

// The same line behind ser2net, named COM 201 by a file in the ports folder:
// the port layer sets it up over RFC 2217 or finds it set for raw TCP.
struct ServerCase {
  kit::Ser2net::Mode mode;
  int secondOpen;  // raw TCP cannot tell that the server turns a second client away
};

class NetworkPty : public ::testing::TestWithParam<ServerCase> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.listening());
    kit::NameNetworkPort(kPort, server.address());
    ASSERT_EQ(OpenComConfig(kPort, LineSettings{}), kOk);
    ASSERT_EQ(SetComTime(kPort, 1.5), kOk);
    // ser2net opens the device when the client connects; a byte that has
    // crossed shows that it holds the line, set up (no echo).
    ASSERT_EQ(ComWrt(kPort, "\r", 1), 1);
    ASSERT_EQ(pty.readMaster(1, 2.0), "\r");
  }
  void TearDown() override { CloseCom(kPort); }
  kit::PtyPort pty{kPort + 10};
  kit::Ser2net server{pty.slavePath(), GetParam().mode};
};

TEST_P(NetworkPty, BytesCrossUnchangedAndTheLineRunsAt9600Baud) {
  const std::string frame = "#1\xFFIDR\r";  // 0xFF is the Telnet escape
  EXPECT_EQ(ComWrt(kPort, frame.data(), static_cast<int>(frame.size())), 7);
  EXPECT_EQ(WaitOutQEmpty(kPort, 7), 0);
  EXPECT_EQ(pty.readMaster(7, 2.0), frame);
  ASSERT_TRUE(pty.writeMaster("\x86#1\xC1\xFF\r"));
  for (int expected : std::initializer_list<int>{0x06, '#', '1', 'A', 0x7F, '\r'}) EXPECT_EQ(ComRdByte(kPort), expected);
  termios tio{};
  ASSERT_EQ(::tcgetattr(pty.master(), &tio), 0);
  EXPECT_EQ(::cfgetospeed(&tio), static_cast<speed_t>(B9600));
}

TEST_P(NetworkPty, FlushDiscardsALateReplyAndTheNextAnswerGetsThrough) {
  ASSERT_TRUE(pty.writeMaster("late reply\r"));
  EXPECT_EQ(ComRdByte(kPort), 'l');  // the rest has come with it
  EXPECT_EQ(FlushInQ(kPort), kOk);
  EXPECT_EQ(FlushOutQ(kPort), kOk);
  EXPECT_EQ(ComWrt(kPort, "#1DF1\r", 6), 6);
  EXPECT_EQ(pty.readMaster(6, 2.0), "#1DF1\r");
  ASSERT_TRUE(pty.writeMaster("\x06"));
  EXPECT_EQ(ComRdByte(kPort), 0x06);
  ASSERT_EQ(SetComTime(kPort, 0.2), kOk);
  EXPECT_EQ(ComRdByte(kPort), kTimeout);
}

TEST_P(NetworkPty, ServerThatGoesAwayFailsPromptlyInsteadOfWaiting) {
  ASSERT_EQ(SetComTime(kPort, 10.0), kOk);
  std::thread unplug([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    server.stop();
  });
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ComRdByte(kPort), kGone);
  EXPECT_LT(SecondsSince(start), 3.0);
  unplug.join();
  EXPECT_EQ(FlushInQ(kPort), kGone);
  EXPECT_EQ(ComWrt(kPort, "#1DF1\r", 6), kGone);
  EXPECT_EQ(WaitOutQEmpty(kPort, 6), kGone);
}

TEST_P(NetworkPty, SecondClientIsTurnedAway) {
  kit::NameNetworkPort(kPort + 1, server.address());
  EXPECT_EQ(OpenComConfig(kPort + 1, LineSettings{}), GetParam().secondOpen);
  CloseCom(kPort + 1);
}

INSTANTIATE_TEST_SUITE_P(Ser2net, NetworkPty,
                         ::testing::Values(ServerCase{kit::Ser2net::Mode::Rfc2217, kBusy},
                                           ServerCase{kit::Ser2net::Mode::Raw, kOk}),
                         [](const auto& row) {
                           return row.param.mode == kit::Ser2net::Mode::Raw ? "Raw" : "Rfc2217";
                         });

// A device whose reply and hang-up arrive in the same wake-up: poll()
// reports POLLIN with POLLHUP once, then the hang-up alone.
namespace hangup {
const char kReply[] = "#1Z1R60\r";
bool replied = false;
int Poll(pollfd* fds, nfds_t, int) {
  fds[0].revents = static_cast<short>(replied ? POLLHUP : POLLIN | POLLHUP | POLLERR);
  return 1;
}
ssize_t Read(int, void* buffer, size_t count) {
  if (replied) return 0;
  replied = true;
  const size_t n = std::min(count, sizeof kReply - 1);
  std::memcpy(buffer, kReply, n);
  return static_cast<ssize_t>(n);
}
}  // namespace hangup

TEST(TermiosHangUp, ReplyThatArrivedBeforeTheHangUpIsReadFirst) {
  auto port = MakeTermiosPort(-1, TermiosIo{hangup::Poll, hangup::Read});
  std::string reply;
  for (int byte; (byte = port->readByte(1.0)) >= 0;) reply += static_cast<char>(byte);
  EXPECT_EQ(reply, hangup::kReply);
  EXPECT_EQ(port->readByte(1.0), kGone);
}

}  // namespace
}  // namespace rs232
