// The device services against the in-process simulator, with hooks that
// record what the services switch and show.

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "device/velt1com.h"
#include "sim/sim_channel_peer.h"
#include "sim/velt1_model.h"
#include "tests/kit/channel_port.h"

namespace {

constexpr int kPort = 7;

// A bus with a VELT-1 at '1' on kPort, and hooks that log every LED switch
// and every display: "main:1", "status:1", "main:0", "status:0", "fehler:<code>".
class DaxComTest : public ::testing::Test {
 protected:
  void SetUp() override {
    peer->bus().addVelt1('1');
    DaxCom_SitzungSetzen({[this] { return port; }, [this] { return adresse; }});
    DaxCom_ComLedSetzen(DAXCOM_LED_HAUPTPANEL, [this](int on) { Log("main", on); });
    DaxCom_ComLedSetzen(DAXCOM_LED_STATUSPANEL, [this](int on) { Log("status", on); });
    DaxCom_FehleranzeigeSetzen([this](int code) { Log("fehler", code); });
  }
  void TearDown() override { DaxCom_HooksEntfernen(); }
  void Log(const char* what, int value) { log.push_back(std::string(what) + ":" + std::to_string(value)); }
  std::vector<std::string> Access(int code) {
    return {"main:1", "status:1", "main:0", "status:0", "fehler:" + std::to_string(code)};
  }
  sim::Velt1Model& device() { return *peer->bus().velt1('1'); }

  std::shared_ptr<sim::SimChannelPeer> peer = std::make_shared<sim::SimChannelPeer>();
  kit::ChannelPort channel{kPort, peer};
  int port = kPort;
  char adresse = '1';
  std::vector<std::string> log;
};

TEST_F(DaxComTest, ServicesSendTheirFramesAndFrameTheAccess) {
  int status = -1;
  struct Case {
    const char* name;
    int port;
    char adresse;
    std::function<int()> service;
    int expected;
    std::string wire;
  } cases[] = {
      {"start", kPort, '1', DaxCom_GeraetStarten, 0, "#1DF1\r"},
      {"stopp", kPort, '1', DaxCom_GeraetStoppen, 0, "#1DF2\r"},
      {"einstellen", kPort, '1', [] { return DaxCom_ProgrammEinstellen(3); }, 0, "#1PNS3\r"},
      {"laden", kPort, '1', [] { return DaxCom_ProgrammLaden(16); }, 0, "#1PNS16\r"},
      {"abspeichern", kPort, '1', [] { return DaxCom_ProgrammAbspeichern(2); }, 0, "#1PNP2\r"},
      {"als programm", kPort, '1', [] { return DaxCom_ParameterAlsProgrammSpeichern(9); }, 0,
       "#1PNP9\r"},
      {"status", kPort, '1', [&] { return DaxCom_StatusLesen(&status); }, 0, "#1S1R\r"},
      {"start an alle", kPort, '&', DaxCom_GeraetStarten, 0, "#&DF1\r"},
      {"status an alle", kPort, '&', [&] { return DaxCom_StatusLesen(&status); }, -400124, ""},
      {"programm 0", kPort, '1', [] { return DaxCom_ProgrammEinstellen(0); }, -401053, ""},
      {"niemand an 4", kPort, '4', DaxCom_GeraetStarten, -403041, "#4DF1\r"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    port = c.port;
    adresse = c.adresse;
    log.clear();
    channel->clearWritten();
    EXPECT_EQ(c.service(), c.expected);
    EXPECT_EQ(channel.written(), c.wire);
    EXPECT_EQ(log, Access(c.expected));
  }
}

TEST_F(DaxComTest, NoPortOpenSendsNothingAndLightsNothing) {
  port = 0;
  Programm programm{};
  int status = 0;
  const std::function<int()> services[] = {
      [&] { return DaxCom_ParameterLesen(&programm); },
      [&] { return DaxCom_ParameterSchreiben(programm); },
      [] { return DaxCom_ParameterAlsProgrammSpeichern(1); },
      [] { return DaxCom_ProgrammLaden(1); },
      DaxCom_GeraetStarten,
      DaxCom_GeraetStoppen,
      [&] { return DaxCom_StatusLesen(&status); },
      [] { return DaxCom_ProgrammEinstellen(1); },
      [] { return DaxCom_ProgrammAbspeichern(1); },
  };
  for (const auto& service : services) {
    log.clear();
    EXPECT_EQ(service(), -122350);
    // Switched off again, never on.
    EXPECT_EQ(log, (std::vector<std::string>{"main:0", "status:0", "fehler:-122350"}));
  }
  EXPECT_EQ(channel.written(), "");
}

TEST_F(DaxComTest, StatusWordAndStartFollowTheDevice) {
  device().setStatusBits(0x0300);
  int status = 0;
  ASSERT_EQ(DaxCom_GeraetStarten(), 0);
  ASSERT_EQ(DaxCom_StatusLesen(&status), 0);
  EXPECT_EQ(status, 0x0301);
}

TEST_F(DaxComTest, WholeParameterSetsAndFailuresHalfway) {
  Programm gesetzt{};
  std::strcpy(gesetzt.programmname, "Kurbelwelle");
  gesetzt.pruefspannungsquelle = 2;
  gesetzt.pruefspannung = 12.5;
  gesetzt.anzahlzaehne = 58;
  gesetzt.sensorkanaele = 1;
  gesetzt.toleranzhigh = 1.5;
  gesetzt.toleranzlow = 0.5;
  gesetzt.toleranzphase = 12;
  gesetzt.schwellwertsteigendeflanke = 40;
  gesetzt.schwellwertfallendeflanke = 60;
  gesetzt.totzeitvorsteigend = 5;
  gesetzt.totzeitnachsteigend = 30;
  gesetzt.totzeitvorfallend = 7;
  gesetzt.totzeitnachfallend = 40;
  ASSERT_EQ(DaxCom_ParameterSchreiben(gesetzt), 0);
  EXPECT_EQ(std::memcmp(&device().working(), &gesetzt, sizeof gesetzt), 0);

  Programm gelesen{};
  ASSERT_EQ(DaxCom_ParameterLesen(&gelesen), 0);
  EXPECT_EQ(std::memcmp(&gelesen, &gesetzt, sizeof gesetzt), 0);

  // The eighth keyword (toleranzphase, "L3") is refused: the caller's record
  // stays as it was, while a write has already changed the first seven.
  peer->bus().faults().add({"L3R", 0, sim::FaultKind::Nak, 1});
  Programm unberuehrt{};
  std::memset(&unberuehrt, 0x5A, sizeof unberuehrt);
  Programm kopie = unberuehrt;
  log.clear();
  const int code = DaxCom_ParameterLesen(&unberuehrt);
  EXPECT_NE(code, 0);
  EXPECT_EQ(log, Access(code));
  EXPECT_EQ(std::memcmp(&unberuehrt, &kopie, sizeof kopie), 0);

  peer->bus().faults().add({"L3W", 0, sim::FaultKind::Nak, 1});
  Programm neu = gesetzt;
  neu.pruefspannung = 20.0;
  neu.toleranzlow = 2.0;
  neu.toleranzphase = 90;
  neu.totzeitnachfallend = 500;
  EXPECT_NE(DaxCom_ParameterSchreiben(neu), 0);
  EXPECT_EQ(device().working().pruefspannung, 20.0);
  EXPECT_EQ(device().working().toleranzlow, 2.0);
  EXPECT_EQ(device().working().toleranzphase, 12);
  EXPECT_EQ(device().working().totzeitnachfallend, 40);

  // A later success clears the display.
  log.clear();
  EXPECT_EQ(DaxCom_GeraetStarten(), 0);
  EXPECT_EQ(log.back(), "fehler:0");
}

}  // namespace
