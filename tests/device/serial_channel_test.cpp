// The in-process channel's virtual clock and the port layer over it.

#include "device/serial_channel.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "device/serial_port.h"

namespace rs232 {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A device that records what it received and answers through a script.
class ScriptedPeer : public ChannelPeer {
 public:
  std::function<void(Channel&)> answer;
  Bytes got;
  void received(const std::uint8_t* data, std::size_t count, Channel& channel) override {
    got.insert(got.end(), data, data + count);
    if (answer) answer(channel);
  }
};

struct Send {
  std::string text;
  double delay;
};
struct Read {
  int result;
  double nowAfter;
};

struct ReadCase {
  const char* name;
  std::vector<Send> sends;
  std::vector<Read> reads;  // each with a time-out of 1.5 s
};

TEST(ChannelRead, WaitsOnTheVirtualClock) {
  const ReadCase cases[] = {
      {"arrived byte at once", {{"A", 0.0}}, {{'A', 0.0}}},
      {"byte on its way", {{"A", 0.4}}, {{'A', 0.4}}},
      {"byte arriving at the time-out", {{"A", 1.5}}, {{'A', 1.5}}},
      {"byte after the time-out", {{"A", 2.0}}, {{kTimeout, 1.5}, {'A', 2.0}}},
      {"silent line costs the time-out", {}, {{kTimeout, 1.5}, {kTimeout, 3.0}}},
      {"ordered by arrival", {{"B", 0.2}, {"A", 0.1}}, {{'A', 0.1}, {'B', 0.2}}},
      {"equal arrivals keep their order", {{"AB", 0.1}, {"C", 0.1}}, {{'A', 0.1}, {'B', 0.1}, {'C', 0.1}}},
      {"byte values above 127 pass", {{"\xC1", 0.0}}, {{0xC1, 0.0}}},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    Channel channel(nullptr);
    for (const Send& s : c.sends) channel.send(s.text.c_str(), s.delay);
    for (const Read& r : c.reads) {
      EXPECT_EQ(channel.hostReadByte(1.5), r.result);
      EXPECT_DOUBLE_EQ(channel.now(), r.nowAfter);
    }
  }
}

TEST(ChannelRead, LateBytesArriveJustAfterTheTimeoutAndAFlushDiscardsThem) {
  Channel channel(nullptr);
  const Bytes late = {0x06, '#', '1'};
  channel.sendAfterHostTimeout(late.data(), late.size());
  channel.send("X", 4.0);  // still on its way after the flush
  EXPECT_EQ(channel.hostReadByte(1.5), kTimeout);
  EXPECT_DOUBLE_EQ(channel.now(), 1.5);
  EXPECT_EQ(channel.pendingForHost(), 4u);
  EXPECT_EQ(channel.hostFlushInput(), kOk);
  EXPECT_EQ(channel.pendingForHost(), 1u);
  EXPECT_EQ(channel.hostReadByte(1.5), kTimeout);
  EXPECT_EQ(channel.hostReadByte(1.5), 'X');
  EXPECT_DOUBLE_EQ(channel.now(), 4.0);
}

TEST(ChannelFaults, EachHostOperationReportsItsFault) {
  struct Case {
    const char* name;
    std::function<void(HostFaults&)> inject;
    std::function<int(Channel&)> operation;
    int expected;
  };
  const std::uint8_t byte = 'x';
  const Case cases[] = {
      {"input flush", [](HostFaults& f) { f.flushInputFails = true; },
       [](Channel& c) { return c.hostFlushInput(); }, kIo},
      {"output flush", [](HostFaults& f) { f.flushOutputFails = true; },
       [](Channel& c) { return c.hostFlushOutput(); }, kIo},
      {"queue length", [](HostFaults& f) { f.outQueueLengthFails = true; },
       [](Channel& c) { return c.hostOutQueueLength(); }, kIo},
      {"stuck queue", [](HostFaults& f) { f.outQueueStuckAt = 7; },
       [](Channel& c) { return c.hostOutQueueLength(); }, 7},
      {"write error", [](HostFaults& f) { f.writeResult = kIo; },
       [&](Channel& c) { return c.hostWrite(&byte, 1); }, kIo},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Channel channel(nullptr);
    c.inject(channel.faults);
    EXPECT_EQ(c.operation(channel), c.expected);
  }
}

TEST(ChannelWrite, OnlyTheBytesTakenReachThePeer) {
  struct Case {
    const char* name;
    std::optional<int> writeResult;
    int expected;
    Bytes reachPeer;
  };
  const Case cases[] = {
      {"all taken", std::nullopt, 5, {'#', '1', 'I', 'D', 'R'}},
      {"three taken", 3, 3, {'#', '1', 'I'}},
      {"none taken", 0, 0, {}},
      {"write fails", kGone, kGone, {}},
  };
  const Bytes frame = {'#', '1', 'I', 'D', 'R'};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto peer = std::make_shared<ScriptedPeer>();
    Channel channel(peer);
    channel.faults.writeResult = c.writeResult;
    EXPECT_EQ(channel.hostWrite(frame.data(), 5), c.expected);
    EXPECT_EQ(channel.written(), c.reachPeer);
    EXPECT_EQ(peer->got, c.reachPeer);
  }
}

TEST(ChannelDrop, EveryHostOperationFailsWithGone) {
  auto peer = std::make_shared<ScriptedPeer>();
  Channel channel(peer);
  channel.send("A", 0.0);
  channel.drop();
  const std::uint8_t byte = 'x';
  EXPECT_EQ(channel.hostFlushInput(), kGone);
  EXPECT_EQ(channel.hostFlushOutput(), kGone);
  EXPECT_EQ(channel.hostWrite(&byte, 1), kGone);
  EXPECT_EQ(channel.hostOutQueueLength(), kGone);
  EXPECT_EQ(channel.hostReadByte(1.5), kGone);
  EXPECT_TRUE(peer->got.empty());
  EXPECT_DOUBLE_EQ(channel.now(), 0.0);
}

// --- the port layer over an attached channel ---

constexpr int kPort = 5;

class PortLayer : public ::testing::Test {
 protected:
  void SetUp() override {
    peer = std::make_shared<ScriptedPeer>();
    channel = AttachChannel(kPort, peer);
    ASSERT_NE(channel, nullptr);
    ASSERT_EQ(OpenComConfig(kPort, LineSettings{}), kOk);
  }
  void TearDown() override {
    SetTrace(nullptr);
    CloseCom(kPort);
    DetachChannel(kPort);
  }
  std::shared_ptr<ScriptedPeer> peer;
  std::shared_ptr<Channel> channel;
};

TEST(PortNumbers, OutsideTheRangeOrNotOpen) {
  struct Case {
    const char* name;
    std::function<int(int)> operation;
  };
  const std::uint8_t byte = 'x';
  const Case cases[] = {
      {"OpenComConfig", [](int p) { return OpenComConfig(p, LineSettings{}); }},
      {"CloseCom", [](int p) { return CloseCom(p); }},
      {"SetComTime", [](int p) { return SetComTime(p, 1.5); }},
      {"FlushInQ", [](int p) { return FlushInQ(p); }},
      {"FlushOutQ", [](int p) { return FlushOutQ(p); }},
      {"ComWrt", [&](int p) { return ComWrt(p, &byte, 1); }},
      {"GetOutQLen", [](int p) { return GetOutQLen(p); }},
      {"ComRdByte", [](int p) { return ComRdByte(p); }},
      {"WaitOutQEmpty", [](int p) { return WaitOutQEmpty(p, 6); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.operation(0), kInvalidPort);
    EXPECT_EQ(c.operation(-3), kInvalidPort);
    EXPECT_EQ(c.operation(257), kInvalidPort);
    if (std::string(c.name) != "OpenComConfig") {
      EXPECT_EQ(c.operation(256), kNotOpen);
    }
  }
}

TEST(PortSettings, RefusedTheSameWayForEveryBackend) {
  struct Case {
    const char* name;
    std::function<void(LineSettings&)> change;
    int expected;
  };
  const Case cases[] = {
      {"7-O-1 at 9600", [](LineSettings&) {}, kOk},
      {"8-N-2 at 115200", [](LineSettings& s) { s = {115200, Parity::None, 8, 2, 512, 512}; }, kOk},
      {"odd rate", [](LineSettings& s) { s.baud = 9601; }, kSettings},
      {"4 data bits", [](LineSettings& s) { s.dataBits = 4; }, kSettings},
      {"9 data bits", [](LineSettings& s) { s.dataBits = 9; }, kSettings},
      {"no stop bit", [](LineSettings& s) { s.stopBits = 0; }, kSettings},
      {"3 stop bits", [](LineSettings& s) { s.stopBits = 3; }, kSettings},
      {"negative queue", [](LineSettings& s) { s.inputQueue = -1; }, kSettings},
  };
  AttachChannel(kPort, nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LineSettings settings;
    c.change(settings);
    EXPECT_EQ(OpenComConfig(kPort, settings), c.expected);
    EXPECT_EQ(CloseCom(kPort), c.expected == kOk ? kOk : kNotOpen);
  }
  DetachChannel(kPort);
}

TEST_F(PortLayer, ReadWaitsTheDefaultTimeoutUntilOneIsSet) {
  EXPECT_EQ(ComRdByte(kPort), kTimeout);
  EXPECT_DOUBLE_EQ(channel->now(), kDefaultComTime);
  EXPECT_EQ(SetComTime(kPort, 1.5), kOk);
  EXPECT_EQ(ComRdByte(kPort), kTimeout);
  EXPECT_DOUBLE_EQ(channel->now(), kDefaultComTime + 1.5);
  EXPECT_EQ(SetComTime(kPort, -1.0), kInvalidArgument);
}

TEST_F(PortLayer, WriteReachesThePeerAndItsAnswerIsRead) {
  peer->answer = [](Channel& c) { c.send("\x06#1\r", 0.01); };
  const std::string frame = "#1IDR\r";
  EXPECT_EQ(ComWrt(kPort, frame.data(), 6), 6);
  EXPECT_EQ(peer->got, Bytes(frame.begin(), frame.end()));
  EXPECT_EQ(WaitOutQEmpty(kPort, 6), 0);
  for (int expected : std::initializer_list<int>{0x06, '#', '1', '\r'}) EXPECT_EQ(ComRdByte(kPort), expected);
  EXPECT_EQ(ComWrt(kPort, nullptr, 1), kInvalidArgument);
  EXPECT_EQ(ComWrt(kPort, frame.data(), -1), kInvalidArgument);
}

TEST_F(PortLayer, DrainOfAStuckQueueTimesOutAfterFrameTimePlusTimeout) {
  for (const auto& [settings, seconds] : {std::pair{LineSettings{}, 10 / 9600.0},
                                          std::pair{LineSettings{1200, Parity::Even, 7, 2, 512, 512}, 11 / 1200.0}}) {
    ASSERT_EQ(OpenComConfig(kPort, settings), kOk);
    ASSERT_EQ(SetComTime(kPort, 1.5), kOk);
    channel->faults.outQueueStuckAt = 5;
    const double bound = channel->now() + 37 * seconds + 1.5;
    EXPECT_EQ(WaitOutQEmpty(kPort, 37), kTimeout);
    EXPECT_GE(channel->now(), bound);
    EXPECT_LT(channel->now(), bound + 0.002);
  }
}

TEST_F(PortLayer, DrainEndsAtOnceWhenTheQueueCannotBeRead) {
  struct Case {
    const char* name;
    std::function<void(Channel&)> fault;
    int expected;
  };
  const Case cases[] = {
      {"length fails", [](Channel& c) { c.faults.outQueueLengthFails = true; }, kIo},
      {"line dropped", [](Channel& c) { c.drop(); }, kGone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto fresh = AttachChannel(kPort, nullptr);
    ASSERT_EQ(OpenComConfig(kPort, LineSettings{}), kOk);
    c.fault(*fresh);
    EXPECT_EQ(WaitOutQEmpty(kPort, 6), c.expected);
    EXPECT_DOUBLE_EQ(fresh->now(), 0.0);
  }
}

TEST_F(PortLayer, TraceSeesTheBytesTakenAndTheBytesRead) {
  std::vector<std::pair<Direction, Bytes>> seen;
  SetTrace([&](int port, Direction d, const std::uint8_t* data, int count) {
    EXPECT_EQ(port, kPort);
    seen.emplace_back(d, Bytes(data, data + count));
  });
  channel->faults.writeResult = 2;
  channel->send("\x15", 0.0);
  EXPECT_EQ(ComWrt(kPort, "#1DF1\r", 6), 2);
  EXPECT_EQ(ComRdByte(kPort), 0x15);
  EXPECT_EQ(ComRdByte(kPort), kTimeout);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0], std::make_pair(Direction::Sent, Bytes{'#', '1'}));
  EXPECT_EQ(seen[1], std::make_pair(Direction::Received, Bytes{0x15}));
}

}  // namespace
}  // namespace rs232
