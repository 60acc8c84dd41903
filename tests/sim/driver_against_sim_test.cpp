// The driver against the simulated device over an in-process channel: every
// operation succeeds against a healthy VELT-1, each injected fault yields its
// exact code, nothing is retried, and the next operation after a fault
// succeeds with exactly one frame on the line.

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "device/qorvelt1.h"
#include "device/serial_channel.h"
#include "sim/sim_channel_peer.h"
#include "sim/velt1_model.h"
#include "tests/kit/channel_port.h"

namespace {

using sim::FaultKind;

constexpr int kPort = 9;
constexpr char kAddress = '1';

class DriverAgainstSim : public ::testing::Test {
 protected:
  void inject(FaultKind kind, const std::string& command) {
    peer->bus().faults().add({command, 0, kind, 1});
  }
  sim::Bus& bus() { return peer->bus(); }

  std::shared_ptr<sim::SimChannelPeer> peer = std::make_shared<sim::SimChannelPeer>(1.5);
  sim::Velt1Model* device = &peer->bus().addVelt1(kAddress);
  kit::ChannelPort channel{kPort, peer};
};

struct FaultCode {
  FaultKind fault;
  int code;
};

struct OperationCase {
  const char* name;
  const char* command;  // what the frame carries, for the fault rule
  std::function<int()> run;
  std::vector<FaultCode> faults;
};

double gWert;
int gStatus;
char gText[64];
unsigned char gBlock[64];
const unsigned char kBytes[3] = {0x61, 0x62, 0x63};

const std::vector<OperationCase>& Operations() {
  static const std::vector<OperationCase> operations = {
      {"IDLesen", "IDR", [] { return QORVELT1_IDLesen(kPort, kAddress, gText); },
       {{FaultKind::Nak, -402010}, {FaultKind::Can, -405011}, {FaultKind::Silence, -403012},
        {FaultKind::WrongByte, -404013}, {FaultKind::Late, -403012}, {FaultKind::Cut, -404014},
        {FaultKind::Gap, -404014}, {FaultKind::WrongEcho, -404015}, {FaultKind::Slow, 0}}},
      {"start", "DF1", [] { return QORVELT1_DeviceFunction(kPort, kAddress, "start"); },
       {{FaultKind::Nak, -402039}, {FaultKind::Can, -405040}, {FaultKind::Silence, -403041},
        {FaultKind::WrongByte, -404042}, {FaultKind::Late, -403041}, {FaultKind::Slow, 0}}},
      {"stopp", "DF2", [] { return QORVELT1_DeviceFunction(kPort, kAddress, "stopp"); },
       {{FaultKind::Nak, -402039}, {FaultKind::Silence, -403041}}},
      {"ProgrammSpeichern", "PNP", [] { return QORVELT1_ProgrammSpeichern(kPort, kAddress, 16); },
       {{FaultKind::Nak, -402048}, {FaultKind::Can, -405049}, {FaultKind::Silence, -403050},
        {FaultKind::WrongByte, -404051}, {FaultKind::Late, -403050}}},
      {"ProgrammLaden", "PNS", [] { return QORVELT1_ProgrammLaden(kPort, kAddress, 3); },
       {{FaultKind::Nak, -402057}, {FaultKind::Can, -405058}, {FaultKind::Silence, -403059},
        {FaultKind::WrongByte, -404060}, {FaultKind::Late, -403059}}},
      {"ParameterSchreiben", "Z1W",
       [] { return QORVELT1_ParameterSchreiben(kPort, kAddress, "anzahlzaehne", 72, 0, nullptr); },
       {{FaultKind::Nak, -402120}, {FaultKind::Can, -405121}, {FaultKind::Silence, -403122},
        {FaultKind::WrongByte, -404123}, {FaultKind::Late, -403122}, {FaultKind::Slow, 0}}},
      {"ParameterSchreiben name", "N1W",
       [] { return QORVELT1_ParameterSchreiben(kPort, kAddress, "programmname", 0, 0, "Welle 3"); },
       {{FaultKind::Nak, -402120}, {FaultKind::Silence, -403122}}},
      {"ParameterLesen", "Z1R",
       [] { return QORVELT1_ParameterLesen(kPort, kAddress, "anzahlzaehne", &gWert, nullptr, nullptr); },
       {{FaultKind::Nak, -402206}, {FaultKind::Can, -405207}, {FaultKind::Silence, -403208},
        {FaultKind::WrongByte, -404209}, {FaultKind::Late, -403208}, {FaultKind::Cut, -404210},
        {FaultKind::Gap, -404210}, {FaultKind::WrongEcho, -404211}, {FaultKind::Err, -409212},
        {FaultKind::Slow, 0}}},
      {"ParameterLesen status", "S1R",
       [] { return QORVELT1_ParameterLesen(kPort, kAddress, "status", nullptr, &gStatus, nullptr); },
       {{FaultKind::Err, -409212}, {FaultKind::WrongEcho, -404211}, {FaultKind::Cut, -404210}}},
      {"ParameterLesen name", "N1R",
       [] { return QORVELT1_ParameterLesen(kPort, kAddress, "programmname", nullptr, nullptr, gText); },
       {{FaultKind::Err, 0}, {FaultKind::WrongEcho, -404211}, {FaultKind::Gap, -404210}}},
      {"SpeicherLesen", "BDR",
       [] { return QORORM1_SpeicherLesen(kPort, kAddress, 4, 0x01A0, 16, gBlock); },
       {{FaultKind::Nak, -402226}, {FaultKind::Can, -405227}, {FaultKind::Silence, -403228},
        {FaultKind::WrongByte, -404229}, {FaultKind::Late, -403228}, {FaultKind::Cut, -404231},
        {FaultKind::Gap, -404231}, {FaultKind::WrongEcho, -404234}, {FaultKind::Slow, 0}}},
      {"SpeicherSchreiben", "BDW",
       [] { return QORORM1_SpeicherSchreiben(kPort, kAddress, 4, 0x01A0, 3, kBytes); },
       {{FaultKind::Nak, -402251}, {FaultKind::Can, -405252}, {FaultKind::Silence, -403253},
        {FaultKind::WrongByte, -404254}, {FaultKind::Late, -403253}, {FaultKind::Slow, 0}}},
  };
  return operations;
}

TEST_F(DriverAgainstSim, EveryOperationSucceedsWithOneFrame) {
  for (const auto& operation : Operations()) {
    bus().resetFrameCounts();
    EXPECT_EQ(operation.run(), 0) << operation.name;
    EXPECT_EQ(bus().framesReceived(kAddress), 1) << operation.name;
  }
}

TEST_F(DriverAgainstSim, EachFaultYieldsItsCodeAndTheNextOperationSucceeds) {
  for (const auto& operation : Operations()) {
    for (const auto& fault : operation.faults) {
      const std::string label = std::string(operation.name) + " / " + sim::FaultKindName(fault.fault);
      inject(fault.fault, operation.command);
      bus().resetFrameCounts();
      EXPECT_EQ(operation.run(), fault.code) << label;
      EXPECT_EQ(bus().framesReceived(), 1) << label << ": sent again";
      // Whatever the fault left on the line is gone with the next flush.
      bus().resetFrameCounts();
      EXPECT_EQ(operation.run(), 0) << label << ": next operation";
      EXPECT_EQ(bus().framesReceived(), 1) << label << ": next operation";
    }
  }
}

// What the device holds after the healthy operations, as the driver reads it.
TEST_F(DriverAgainstSim, ValuesCrossTheLineUnchanged) {
  ASSERT_EQ(QORVELT1_IDLesen(kPort, kAddress, gText), 0);
  EXPECT_STREQ(gText, "QOR-VELT1-V1.07");

  struct Value {
    const char* keyword;
    double written;
    double readBack;
  };
  const Value values[] = {
      {"pruefspannungsquelle", 3, 3},    {"pruefspannung", 12.54, 12.5},
      {"anzahlzaehne", 125.00005, 125},  {"sensorkanaele", 33, 33},
      {"toleranzhigh", 0.25, 0.3},       {"toleranzlow", 0, 0},
      {"toleranzphase", 180, 180},       {"schwellwertsteigendeflanke", 1, 1},
      {"schwellwertfallendeflanke", 99, 99}, {"totzeitvorsteigend", 999, 999},
      {"totzeitnachsteigend", 20, 20},   {"totzeitvorfallend", 1, 1},
      {"totzeitnachfallend", 998.6, 999},
  };
  for (const auto& value : values) {
    ASSERT_EQ(QORVELT1_ParameterSchreiben(kPort, kAddress, value.keyword, value.written, 0, nullptr), 0)
        << value.keyword;
    double read = -1;
    ASSERT_EQ(QORVELT1_ParameterLesen(kPort, kAddress, value.keyword, &read, nullptr, nullptr), 0)
        << value.keyword;
    EXPECT_DOUBLE_EQ(read, value.readBack) << value.keyword;
  }

  ASSERT_EQ(QORVELT1_ParameterSchreiben(kPort, kAddress, "programmname", 0, 0, "Welle 3"), 0);
  ASSERT_EQ(QORVELT1_ProgrammSpeichern(kPort, kAddress, 16), 0);
  ASSERT_EQ(QORVELT1_ProgrammLaden(kPort, kAddress, 2), 0);
  ASSERT_EQ(QORVELT1_ParameterLesen(kPort, kAddress, "programmname", nullptr, nullptr, gText), 0);
  EXPECT_STREQ(gText, "Programm 2");
  ASSERT_EQ(QORVELT1_ProgrammLaden(kPort, kAddress, 16), 0);
  ASSERT_EQ(QORVELT1_ParameterLesen(kPort, kAddress, "programmname", nullptr, nullptr, gText), 0);
  EXPECT_STREQ(gText, "Welle 3");
  EXPECT_EQ(device->working().toleranzhigh, 0.3);

  device->setStatusBits(0x0300);
  ASSERT_EQ(QORVELT1_DeviceFunction(kPort, kAddress, "start"), 0);
  ASSERT_EQ(QORVELT1_ParameterLesen(kPort, kAddress, "status", nullptr, &gStatus, nullptr), 0);
  EXPECT_EQ(gStatus, 0x0301);
  ASSERT_EQ(QORVELT1_DeviceFunction(kPort, kAddress, "stopp"), 0);
  ASSERT_EQ(QORVELT1_ParameterLesen(kPort, kAddress, "status", nullptr, &gStatus, nullptr), 0);
  EXPECT_EQ(gStatus, 0x0300);

  ASSERT_EQ(QORORM1_SpeicherSchreiben(kPort, kAddress, 4, 0xFFFD, 3, kBytes), 0);
  ASSERT_EQ(QORORM1_SpeicherLesen(kPort, kAddress, 4, 0xFFFC, 4, gBlock), 0);
  EXPECT_EQ(std::vector<unsigned char>(gBlock, gBlock + 4), (std::vector<unsigned char>{0, 0x61, 0x62, 0x63}));
}

// The common address: every VELT-1 executes the write, none answers, and the
// driver waits only until each frame has had its line time.
TEST_F(DriverAgainstSim, CommonAddressWritesReachEveryDevice) {
  sim::Velt1Model& second = bus().addVelt1('2');
  bus().addForeign('3');
  const double before = channel->now();
  ASSERT_EQ(QORVELT1_ParameterSchreiben(kPort, '&', "anzahlzaehne", 90, 0, nullptr), 0);
  ASSERT_EQ(QORVELT1_DeviceFunction(kPort, '&', "start"), 0);
  EXPECT_NEAR(channel->now() - before, (8 + 6) * 10 / 9600.0, 2e-6);  // "#&Z1W90\r", "#&DF1\r"
  EXPECT_EQ(channel->pendingForHost(), 0u);
  EXPECT_EQ(device->working().anzahlzaehne, 90);
  EXPECT_EQ(second.working().anzahlzaehne, 90);
  EXPECT_TRUE(second.started());
}

TEST_F(DriverAgainstSim, ForeignDeviceAndEmptyAddress) {
  bus().addForeign('3');
  ASSERT_EQ(QORVELT1_IDLesen(kPort, '3', gText), 0);
  EXPECT_STREQ(gText, "FOREIGN-DEVICE-1");
  EXPECT_EQ(QORVELT1_ParameterLesen(kPort, '3', "anzahlzaehne", &gWert, nullptr, nullptr), -402206);
  EXPECT_EQ(QORVELT1_IDLesen(kPort, '4', gText), -403012);
}

// A value the device refuses by its own limits: the driver lets a dead time
// after an edge of 19.99995 through its tolerance, rounds it to 20.
TEST_F(DriverAgainstSim, DeviceLimitsMatchTheDriverLimits) {
  EXPECT_EQ(QORVELT1_ParameterSchreiben(kPort, kAddress, "totzeitnachsteigend", 19.99995, 0, nullptr), 0);
  EXPECT_EQ(device->working().totzeitnachsteigend, 20);
  EXPECT_EQ(QORVELT1_ParameterSchreiben(kPort, kAddress, "sensorkanaele", 0.99995, 0, nullptr), 0);
  EXPECT_EQ(device->working().sensorkanaele, 1);
}

TEST_F(DriverAgainstSim, DroppedLineFailsEveryLaterOperation) {
  inject(FaultKind::Drop, "Z1R");
  // The line goes while the frame drains: the driver reports the failed write.
  EXPECT_EQ(QORVELT1_ParameterLesen(kPort, kAddress, "anzahlzaehne", &gWert, nullptr, nullptr) / 1000, -101);
  bus().resetFrameCounts();
  EXPECT_NE(QORVELT1_IDLesen(kPort, kAddress, gText), 0);
  EXPECT_EQ(bus().framesReceived(), 0);
}

TEST_F(DriverAgainstSim, RandomFaultsNeverLeakIntoTheNextOperation) {
  // Soak: a fault may hit any read, but a read that succeeds has the true value.
  bus().faults().setRandom(1234, 0.3);
  int failures = 0;
  for (int i = 0; i < 300; ++i) {
    double value = -1;
    const int code = QORVELT1_ParameterLesen(kPort, kAddress, "anzahlzaehne", &value, nullptr, nullptr);
    if (code == 0) {
      EXPECT_EQ(value, 60) << "read " << i;
    } else {
      ++failures;
    }
  }
  EXPECT_GT(failures, 30);
  EXPECT_EQ(bus().framesReceived(), 300);
}

}  // namespace
