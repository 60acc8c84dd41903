// The devices on the bus answer byte for byte as the protocol says.

#include <gtest/gtest.h>

#include "sim/bus.h"
#include "sim/velt1_model.h"
#include "tests/kit/wire.h"

using kit::kAck;
using kit::kNak;
using kit::Played;

namespace {

struct Exchange {
  std::string request;
  std::string answer;
};

class HealthyBus : public ::testing::Test {
 protected:
  HealthyBus() {
    bus.addVelt1('1');
    bus.addVelt1('2');
    bus.addForeign('3');
  }
  std::string send(const std::string& bytes) { return Played(bus.receive(bytes)); }
  sim::Bus bus;
};

// One frame on a fresh bus: a VELT-1 at '1' and '2', a foreign device at '3'.
const Exchange kSingleFrames[] = {
    {"#1IDR\r", kAck + "#1QOR-VELT1-V1.07\r"},
    {"#2IDR\r", kAck + "#2QOR-VELT1-V1.07\r"},
    {"#1N1R\r", kAck + "#1N1RArbeitsparameter\r"},
    {"#1M1R\r", kAck + "#1M1R1\r"},
    {"#1V1R\r", kAck + "#1V1R2.0\r"},
    {"#1Z1R\r", kAck + "#1Z1R60\r"},
    {"#1M2R\r", kAck + "#1M2R2\r"},
    {"#1L1R\r", kAck + "#1L1R1.0\r"},
    {"#1L2R\r", kAck + "#1L2R1.0\r"},
    {"#1L3R\r", kAck + "#1L3R10\r"},
    {"#1V2R\r", kAck + "#1V2R50\r"},
    {"#1V3R\r", kAck + "#1V3R50\r"},
    {"#1T1R\r", kAck + "#1T1R1\r"},
    {"#1T2R\r", kAck + "#1T2R20\r"},
    {"#1T3R\r", kAck + "#1T3R1\r"},
    {"#1T4R\r", kAck + "#1T4R20\r"},
    {"#1S1R\r", kAck + "#1S1R0000\r"},
    {"#1DF1\r", kAck},
    {"#1DF2\r", kAck},
    {"#1PNS16\r", kAck},
    {"#1PNP1\r", kAck},
    // Writes inside and outside the device's limits.
    {"#1Z1W125\r", kAck},
    {"#1Z1W126\r", kNak},
    {"#1Z1W0\r", kNak},
    {"#1Z1W60.\r", kAck},
    {"#1Z1W60.0\r", kAck},
    {"#1Z1W60.5\r", kNak},
    {"#1T2W19\r", kNak},
    {"#1T2W20\r", kAck},
    {"#1T1W1\r", kAck},
    {"#1T1W0\r", kNak},
    {"#1T4W1000\r", kNak},
    {"#1L2W0.0\r", kAck},
    {"#1L2W-0.1\r", kNak},
    {"#1L3W180\r", kAck},
    {"#1L3W181\r", kNak},
    {"#1V1W33.0\r", kAck},
    {"#1V1W33.1\r", kNak},
    {"#1M1W34\r", kNak},
    {"#1V2W99\r", kAck},
    {"#1V3W100\r", kNak},
    {"#1N1WPrüfung 1\r", kNak},  // not 7-bit
    {"#1N1W1234567890123456789012345678901\r", kAck},
    {"#1N1W12345678901234567890123456789012\r", kNak},
    // Frames the device cannot parse.
    {"#1Z1Wabc\r", kNak},
    {"#1Z1W\r", kNak},
    {"#1Z1W1e3\r", kNak},
    {"#1Z1R5\r", kNak},
    {"#1XYZ\r", kNak},
    {"#1S1W5\r", kNak},
    {"#1IDRx\r", kNak},
    {"#1DF3\r", kNak},
    {"#1PNS0\r", kNak},
    {"#1PNS17\r", kNak},
    {"#1PNS\r", kNak},
    {"#1PNS+1\r", kNak},
    {"#1ID\r", kNak},
    {"#1\r", kNak},
    // Memory blocks.
    {"#1BDR400000003\r", kAck + "#1BDR4000000030000000001\r"},
    {"#1BDR4fff00010\r", kAck + "#1BDR4FFF00010" + std::string(32, '0') + "0001\r"},
    {"#1BDR300000001\r", kNak},
    {"#1BDR400000000\r", kNak},
    {"#1BDR4FFFF0002\r", kNak},
    {"#1BDR40000001\r", kNak},
    {"#1BDW4000000036162630127\r", kAck},
    {"#1BDW4000000036162630128\r", kNak},
    {"#1BDW3000000036162630127\r", kNak},
    {"#1BDW40000000361626301\r", kNak},
    {"#1BDW4000000000001\r", kAck},
    {"#1BDW4FFFF0002616200C4\r", kNak},
    // Nobody at '4'; the common address gets no answer; the foreign device.
    {"#4IDR\r", ""},
    {"#AIDR\r", ""},
    {"#&IDR\r", ""},
    {"#&DF1\r", ""},
    {"#&Z1W61\r", ""},
    {"#3IDR\r", kAck + "#3FOREIGN-DEVICE-1\r"},
    {"#3Z1R\r", kNak},
    {"#3DF1\r", kNak},
    // Framing: bytes before '#' are ignored, a frame ends only at CR.
    {"garbage\r#1IDR\r", kAck + "#1QOR-VELT1-V1.07\r"},
    {"#1IDR", ""},
};

TEST_F(HealthyBus, AnswersEachFrame) {
  for (const auto& exchange : kSingleFrames) {
    sim::Bus fresh;
    fresh.addVelt1('1');
    fresh.addVelt1('2');
    fresh.addForeign('3');
    EXPECT_EQ(Played(fresh.receive(exchange.request)), exchange.answer) << exchange.request;
  }
}

// Frames in order on one bus: what a write leaves behind is read back.
const Exchange kSequence[] = {
    {"#1Z1W61\r", kAck},
    {"#1Z1R\r", kAck + "#1Z1R61\r"},
    {"#1Z1W126\r", kNak},
    {"#1Z1R\r", kAck + "#1Z1R61\r"},  // a refused value leaves the old one
    {"#1V1W12.5\r", kAck},
    {"#1V1R\r", kAck + "#1V1R12.5\r"},
    {"#1L1W5\r", kAck},
    {"#1L1R\r", kAck + "#1L1R5.0\r"},
    {"#1N1WTest Nr. 7\r", kAck},
    {"#1N1R\r", kAck + "#1N1RTest Nr. 7\r"},
    {"#1PNP12\r", kAck},  // working parameters into slot 12
    {"#1PNS3\r", kAck},   // slot 3 into the working parameters
    {"#1N1R\r", kAck + "#1N1RProgramm 3\r"},
    {"#1Z1R\r", kAck + "#1Z1R60\r"},
    {"#1PNS12\r", kAck},
    {"#1N1R\r", kAck + "#1N1RTest Nr. 7\r"},
    {"#1V1R\r", kAck + "#1V1R12.5\r"},
    {"#1DF1\r", kAck},
    {"#1S1R\r", kAck + "#1S1R0001\r"},
    {"#1DF2\r", kAck},
    {"#1S1R\r", kAck + "#1S1R0000\r"},
    // Names are kept whole but replies stay within 29 bytes.
    {"#1N1W1234567890123456789012345\r", kAck},
    {"#1N1R\r", kAck + "#1N1R12345678901234567890123\r"},
    {"#1BDW401A000036162630127\r", kAck},
    {"#1BDR401A00004\r", kAck + "#1BDR401A0000461626300" + "0127\r"},
    // An overlong frame is dropped up to its CR; the next one is served.
    {"#1N1W" + std::string(200, 'x') + "\r#1IDR\r", kAck + "#1QOR-VELT1-V1.07\r"},
};

TEST_F(HealthyBus, KeepsStateBetweenFrames) {
  for (const auto& exchange : kSequence) {
    EXPECT_EQ(send(exchange.request), exchange.answer) << exchange.request;
  }
}

TEST_F(HealthyBus, CommonAddressReachesEveryVelt1) {
  EXPECT_EQ(send("#&Z1W99\r#&PNP5\r#&DF1\r#&BDW4000000017B007C\r"), "");
  for (char address : {'1', '2'}) {
    sim::Velt1Model& device = *bus.velt1(address);
    EXPECT_EQ(device.working().anzahlzaehne, 99);
    EXPECT_EQ(device.program(5).anzahlzaehne, 99);
    EXPECT_TRUE(device.started());
    EXPECT_EQ(device.memory()[0], 0x7B);
  }
}

TEST_F(HealthyBus, StatusBitsSetFromOutsideShowWithTheStartedBit) {
  bus.velt1('1')->setStatusBits(0x0301);  // bit 0 follows start and stop only
  EXPECT_EQ(send("#1S1R\r"), kAck + "#1S1R0300\r");
  EXPECT_EQ(send("#1DF1\r#1S1R\r"), kAck + kAck + "#1S1R0301\r");
}

TEST_F(HealthyBus, CountsFramesByAddress) {
  send("#1IDR\r#1Z1R\r#4IDR\rjunk#&DF1\r#1Z1");
  EXPECT_EQ(bus.framesReceived(), 4);
  EXPECT_EQ(bus.framesReceived('1'), 2);
  EXPECT_EQ(bus.framesReceived('4'), 1);
  EXPECT_EQ(bus.framesReceived('&'), 1);
  EXPECT_EQ(bus.framesReceived('2'), 0);
  send("R\r");  // the frame split over two writes counts once it is complete
  EXPECT_EQ(bus.framesReceived('1'), 3);
}

TEST(Velt1Identification, FitsTheReply) {
  EXPECT_TRUE(sim::Velt1Model::ValidIdentification("QOR-VELT1-V1.07"));
  EXPECT_TRUE(sim::Velt1Model::ValidIdentification(std::string(26, 'X')));
  EXPECT_FALSE(sim::Velt1Model::ValidIdentification(std::string(27, 'X')));
  EXPECT_FALSE(sim::Velt1Model::ValidIdentification("QOR VELT1"));
  EXPECT_FALSE(sim::Velt1Model::ValidIdentification(""));
}

}  // namespace
