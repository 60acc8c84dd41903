// Faults turn a device's answer into what a broken line or device would send.

#include <gtest/gtest.h>

#include "sim/bus.h"
#include "sim/line_pacer.h"
#include "sim/velt1_model.h"
#include "tests/kit/wire.h"

using kit::kAck;
using kit::kCan;
using kit::kNak;
using kit::Played;

namespace {

struct FaultCase {
  const char* rule;
  const char* request;
  std::string answer;
  int zaehneAfter;  // the device's number of teeth after the frame
};

// A VELT-1 at '1' with 60 teeth; each rule hits one frame.
const FaultCase kFaultCases[] = {
    {"Z1R:nak", "#1Z1R\r", kNak, 60},
    {"Z1W:nak", "#1Z1W70\r", kNak, 60},
    {"Z1W:can", "#1Z1W70\r", kCan, 60},
    {"Z1W:silence", "#1Z1W70\r", "", 60},
    {"Z1W:wrongbyte", "#1Z1W70\r", "?", 60},
    {"Z1W:late", "#1Z1W70\r", "<late " + kAck + ">", 70},
    {"Z1W:slow", "#1Z1W70\r", "<after " + kAck + ">", 70},
    {"Z1W:drop", "#1Z1W70\r", "<drop>", 60},
    {"Z1R:cut", "#1Z1R\r", kAck + "#1Z1R60", 60},
    {"Z1R:echo", "#1Z1R\r", kAck + "#2Z1R60\r", 60},
    {"IDR:echo", "#1IDR\r", kAck + "#2QOR-VELT1-V1.07\r", 60},
    {"Z1R:err", "#1Z1R\r", kAck + "#1Z1Rerr\r", 60},
    {"S1R:err", "#1S1R\r", kAck + "#1S1Rerr\r", 60},
    {"N1R:err", "#1N1R\r", kAck + "#1N1Rerr\r", 60},
    {"Z1R:gap", "#1Z1R\r", kAck + "#1Z1<late R60\r>", 60},
    {"Z1R:late", "#1Z1R\r", "<late " + kAck + "#1Z1R60\r>", 60},
    // A rule for another command or address leaves the frame alone.
    {"Z1R:nak", "#1Z1W70\r", kAck, 70},
    {"*@2:nak", "#1Z1W70\r", kAck, 70},
    {"*@1:can", "#1Z1W70\r", kCan, 60},
    // The reply faults pass over a command without a reply frame.
    {"*:cut", "#1Z1W70\r", kAck, 70},
    {"*:err", "#1IDR\r", kAck + "#1QOR-VELT1-V1.07\r", 60},
    // A NAK the device gives itself has no reply frame to cut.
    {"Z1R:cut", "#1Z1R9\r", kNak, 60},
};

TEST(Faults, ChangeTheAnswerOfOneFrame) {
  for (const auto& fault : kFaultCases) {
    sim::Bus bus;
    sim::Velt1Model& device = bus.addVelt1('1');
    std::string error;
    const auto rule = sim::ParseFaultRule(fault.rule, error);
    ASSERT_TRUE(rule) << fault.rule << ": " << error;
    bus.faults().add(*rule);
    EXPECT_EQ(Played(bus.receive(fault.request)), fault.answer) << fault.rule << " " << fault.request;
    EXPECT_EQ(device.working().anzahlzaehne, fault.zaehneAfter) << fault.rule;
  }
}

TEST(Faults, CountDownPerMatchingFrame) {
  sim::Bus bus;
  bus.addVelt1('1');
  std::string error;
  bus.faults().add(*sim::ParseFaultRule("Z1R:nak:2", error));
  bus.faults().add(*sim::ParseFaultRule("IDR:can:*", error));
  const std::string read = "#1Z1R\r";
  EXPECT_EQ(Played(bus.receive(read)), kNak);
  EXPECT_EQ(Played(bus.receive("#1Z1W70\r")), kAck);
  EXPECT_EQ(Played(bus.receive(read)), kNak);
  EXPECT_EQ(Played(bus.receive(read)), kAck + "#1Z1R70\r");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Played(bus.receive("#1IDR\r")), kCan);
}

TEST(Faults, GoNowhereWithoutADevice) {
  sim::Bus bus;
  bus.addVelt1('1');
  std::string error;
  bus.faults().add(*sim::ParseFaultRule("*:nak", error));
  EXPECT_EQ(Played(bus.receive("#2IDR\r#&DF1\r")), "");
  EXPECT_EQ(Played(bus.receive("#1DF2\r")), kNak);  // the rule was still there
}

TEST(Faults, SlowAnswerStaysInsideTheHostTimeout) {
  sim::Bus bus(2.0);
  bus.addVelt1('1');
  std::string error;
  bus.faults().add(*sim::ParseFaultRule("DF1:slow", error));
  const auto emissions = bus.receive("#1DF1\r");
  ASSERT_EQ(emissions.size(), 1u);
  EXPECT_EQ(emissions[0].delaySeconds, 1.0);

  // By default the host waits 1.5 s, as the program's session sets it.
  sim::Bus standard;
  standard.addVelt1('1');
  standard.faults().add(*sim::ParseFaultRule("DF1:slow", error));
  EXPECT_EQ(standard.receive("#1DF1\r").at(0).delaySeconds, 0.75);
}

struct RuleText {
  const char* text;
  bool valid;
};

const RuleText kRuleTexts[] = {
    {"Z1R:nak", true},       {"Z1R:nak:2", true},     {"*:silence:*", true},
    {"IDR@a:late", true},    {"BDR:gap", true},       {"*:drop", true},
    {"Z1R", false},          {"Z1R:boom", false},     {"Z1:nak", false},
    {"Z1R:nak:0", false},    {"Z1R:nak:x", false},    {"Z1R@0:nak", false},
    {"Z1W:cut", false},      {"IDR:err", false},      {"DF1:gap", false},
    {"Z1R:nak:2:3", false},  {"Z1R@A:nak", false},
};

TEST(Faults, ParseRules) {
  for (const auto& rule : kRuleTexts) {
    std::string error;
    EXPECT_EQ(sim::ParseFaultRule(rule.text, error).has_value(), rule.valid) << rule.text;
    EXPECT_EQ(error.empty(), rule.valid) << rule.text;
  }
}

std::string RandomRun(std::uint32_t seed, double rate) {
  sim::Bus bus;
  bus.addVelt1('1');
  bus.faults().setRandom(seed, rate);
  std::string run;
  for (int i = 0; i < 200; ++i) run += Played(bus.receive("#1Z1R\r")) + "|";
  return run;
}

TEST(Faults, RandomFaultsReplayFromTheSeed) {
  const std::string healthy = kAck + "#1Z1R60\r|";
  std::string allHealthy;
  for (int i = 0; i < 200; ++i) allHealthy += healthy;
  EXPECT_EQ(RandomRun(7, 0.0), allHealthy);
  EXPECT_EQ(RandomRun(7, 0.3), RandomRun(7, 0.3));
  EXPECT_NE(RandomRun(7, 0.3), RandomRun(8, 0.3));
  EXPECT_NE(RandomRun(7, 0.3), allHealthy);
  // At rate 1 no frame gets its healthy answer, and the line is never dropped.
  const std::string always = RandomRun(9, 1.0);
  EXPECT_EQ(always.find(healthy), std::string::npos);
  EXPECT_EQ(always.find("<drop>"), std::string::npos);
}

TEST(LinePacer, DeadlinesFollowEachOtherWithoutDrift) {
  using namespace std::chrono;
  sim::LinePacer pacer(microseconds(1000));
  const sim::LinePacer::Clock::time_point start{seconds(10)};
  EXPECT_EQ(pacer.nextCharacter(start), start + microseconds(1000));
  // A character ready while the line is busy waits for it, however late the
  // caller asks.
  EXPECT_EQ(pacer.nextCharacter(start), start + microseconds(2000));
  EXPECT_EQ(pacer.nextCharacter(start + microseconds(1500)), start + microseconds(3000));
  // After an idle spell the line starts again from the moment of readiness.
  EXPECT_EQ(pacer.nextCharacter(start + microseconds(9000)), start + microseconds(10000));
}

}  // namespace
