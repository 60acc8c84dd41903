// Parameter write and read by keyword against a scripted device.

#include <gtest/gtest.h>

#include <cmath>

#include "device/qorvelt1.h"
#include "tests/kit/scripted_peer.h"

using namespace kit;

namespace {

constexpr int kPort = PeerRig::kPort;

TEST(Qorvelt1ParameterSchreiben, FramesAndCodes) {
  const std::string name25(25, 'n'), name507(507, 'n');
  struct Case {
    char adresse;
    const char* keyword;
    double wert;
    const char* name;
    int expected;
    std::string frame;
  } cases[] = {
      {'1', "anzahlzaehne", 60.0, nullptr, 0, "#1Z1W60\r"},
      {'2', "pruefspannung", 12.5, nullptr, 0, "#2V1W12.5\r"},
      {'1', "pruefspannung", 5.0, nullptr, 0, "#1V1W5.0\r"},
      {'1', "toleranzlow", 0.0, nullptr, 0, "#1L2W0.0\r"},
      {'1', "toleranzlow", -0.00004, nullptr, 0, "#1L2W0.0\r"},
      {'1', "toleranzhigh", 3.26, nullptr, 0, "#1L1W3.3\r"},
      {'1', "anzahlzaehne", 125.00005, nullptr, 0, "#1Z1W125\r"},
      {'1', "anzahlzaehne", 59.5, nullptr, 0, "#1Z1W60\r"},
      {'1', "totzeitnachsteigend", 20.0, nullptr, 0, "#1T2W20\r"},
      {'1', "programmname", 0.0, "Prog 1", 0, "#1N1WProg 1\r"},
      {'1', "programmname", 0.0, "", 0, "#1N1W\r"},
      {'1', "programmname", 0.0, name25.c_str(), 0, "#1N1W" + name25 + "\r"},
      {'&', "anzahlzaehne", 60.0, nullptr, 0, "#&Z1W60\r"},
      {'A', "anzahlzaehne", 60.0, nullptr, -400061, ""},
      {'1', "anzahlzaehne", 125.001, nullptr, -500066, ""},
      {'1', "totzeitnachsteigend", 19.0, nullptr, -500073, ""},
      {'1', "pruefspannungsquelle", NAN, nullptr, -500063, ""},
      {'1', "status", 1.0, nullptr, -401115, ""},
      {'1', "Programmname", 0.0, "x", -401115, ""},
      {'1', nullptr, 0.0, nullptr, -401115, ""},
      {'1', "programmname", 0.0, nullptr, -401115, ""},
      {'1', "programmname", 0.0, name507.c_str(), -202116, ""},  // longer than the output queue
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.frame);
    PeerRig rig;
    if (c.adresse != '&') rig.peer().then(kAck);
    EXPECT_EQ(QORVELT1_ParameterSchreiben(kPort, c.adresse, c.keyword, c.wert, 0, c.name),
              c.expected);
    EXPECT_EQ(rig.written(), c.frame);
  }
  PeerRig rig;
  ExpectTransactionCodes(
      rig, [] { return QORVELT1_ParameterSchreiben(kPort, '1', "anzahlzaehne", 60, 0, nullptr); },
      "#1Z1W60\r", {-112117, -112117, -101118, -101119, -402120, -405121, -403122, -404123});
}

// Whatever a name holds, it goes out as one frame of printable characters.
TEST(Qorvelt1ParameterSchreiben, NameNeverBecomesASecondCommand) {
  const struct {
    std::string name;
    std::string frame;
  } cases[] = {
      {"a\r#1DF1", "#1N1Wa #1DF1\r"},
      {"a\n\t\x7f\x1b" "b", "#1N1Wa    b\r"},
      {"M\xe4" "rz", "#1N1WM rz\r"},          // Latin-1 umlaut
      {"M\xc3\xa4" "rz", "#1N1WM rz\r"},     // UTF-8 umlaut: one character, one space
      {"\xe2\x82\xac" "5\x80", "#1N1W 5 \r"},  // three UTF-8 bytes; a stray continuation byte
      {" ~", "#1N1W ~\r"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.frame);
    PeerRig rig;
    rig.peer().then(kAck);
    EXPECT_EQ(QORVELT1_ParameterSchreiben(kPort, '1', "programmname", 0, 0, c.name.c_str()), 0);
    EXPECT_EQ(rig.written(), c.frame);
  }
}

TEST(Qorvelt1ParameterSchreiben, LimitsOfEveryKeyword) {
  struct Limit {
    const char* keyword;
    const char* befehl;
    double unten, oben;
    int code;
    const char* dezimalen;  // what the whole limits carry behind the point on the wire
  } limits[] = {
      {"pruefspannungsquelle", "M1W", 1, 33, -500063, ""},
      {"sensorkanaele", "M2W", 1, 33, -500064, ""},
      {"pruefspannung", "V1W", 1, 33, -500065, ".0"},
      {"anzahlzaehne", "Z1W", 1, 125, -500066, ""},
      {"toleranzhigh", "L1W", 0, 33, -500067, ".0"},
      {"toleranzlow", "L2W", 0, 33, -500068, ".0"},
      {"toleranzphase", "L3W", 0, 180, -500069, ""},
      {"schwellwertsteigendeflanke", "V2W", 1, 99, -500070, ""},
      {"schwellwertfallendeflanke", "V3W", 1, 99, -500071, ""},
      {"totzeitvorsteigend", "T1W", 1, 999, -500072, ""},
      {"totzeitnachsteigend", "T2W", 20, 999, -500073, ""},
      {"totzeitvorfallend", "T3W", 1, 999, -500074, ""},
      {"totzeitnachfallend", "T4W", 20, 999, -500075, ""},
  };
  for (const Limit& l : limits) {
    SCOPED_TRACE(l.keyword);
    for (double wert : {l.unten - 0.00009, l.oben + 0.00009}) {
      PeerRig rig;
      rig.peer().then(kAck);
      EXPECT_EQ(QORVELT1_ParameterSchreiben(kPort, '1', l.keyword, wert, 0, nullptr), 0);
      const std::string zahl = std::to_string(static_cast<int>(std::lround(wert))) + l.dezimalen;
      EXPECT_EQ(rig.written(), std::string("#1") + l.befehl + zahl + "\r");
    }
    for (double wert : {l.unten - 0.0002, l.oben + 0.0002}) {
      PeerRig rig;
      EXPECT_EQ(QORVELT1_ParameterSchreiben(kPort, '1', l.keyword, wert, 0, nullptr), l.code);
      EXPECT_EQ(rig.written(), "");
    }
  }
}

TEST(Qorvelt1ParameterLesen, RepliesAndCodes) {
  const std::string name25(25, 'n');
  struct Case {
    char adresse;
    const char* keyword;
    std::string reply;
    int expected;
    double wert;
    int status;
    std::string name;
  } cases[] = {
      {'1', "anzahlzaehne", "#1Z1R60\r", 0, 60, -1, ""},
      {'1', "pruefspannung", "#1V1R12.5\r", 0, 12.5, -1, ""},
      {'1', "pruefspannung", "#1V1R-3.25\r", 0, -3.25, -1, ""},
      {'b', "toleranzphase", "#bL3R7.\r", 0, 7, -1, ""},
      {'1', "status", "#1S1R1A\r", 0, -1, 0x1A, ""},
      {'1', "status", "#1S1R1a\r", 0, -1, 0x1A, ""},
      {'1', "programmname", "#1N1RProg 1\r", 0, -1, -1, "Prog 1"},
      {'1', "programmname", "#1N1Rerr\r", 0, -1, -1, "err"},
      {'1', "programmname", "#1N1R\r", 0, -1, -1, ""},
      {'1', "programmname", "#1N1R" + name25 + "\r", 0, -1, -1, name25},
      {'1', "programmname", "#1N1R" + name25 + "cut off\r", 0, -1, -1, name25},
      {'1', "programmname", std::string("#1N1R\0ab\r", 9), -404216, -1, -1, ""},
      {'1', "anzahlzaehne", "#1Z1Rerr\r", -409212, -1, -1, ""},
      {'1', "status", "#1S1Rerr\r", -409212, -1, -1, ""},
      {'1', "anzahlzaehne", "#1Z2R60\r", -404211, -1, -1, ""},
      {'1', "anzahlzaehne", "#2Z1R60\r", -404211, -1, -1, ""},
      {'1', "anzahlzaehne", "#1Z1R\r", -404213, -1, -1, ""},
      {'1', "anzahlzaehne", "#1Z1R-.\r", -404213, -1, -1, ""},
      {'1', "anzahlzaehne", "#1Z1R" + std::string(30, 'x'), -404213, -1, -1, ""},
      {'1', "status", "#1S1Rxyz\r", -404217, -1, -1, ""},
      {'1', "status", "#1S1R123456789\r", -404217, -1, -1, ""},
      {'1', "anzahlzaehne", "#1Z1", -404210, -1, -1, ""},
      {'&', "anzahlzaehne", "", -400124, -1, -1, ""},
      {'&', "unbekannt", "", -400124, -1, -1, ""},  // the address is checked first
      {'1', "Status", "", -401202, -1, -1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reply);
    PeerRig rig;
    const bool refused = c.expected / 1000 == -400 || c.expected / 1000 == -401;
    if (!refused) rig.peer().then(kAck + c.reply);
    double wert = -1;
    int status = -1;
    char name[26] = "?";
    EXPECT_EQ(QORVELT1_ParameterLesen(kPort, c.adresse, c.keyword, &wert, &status, name),
              c.expected);
    // Only the output of the keyword is written.
    EXPECT_EQ(wert, c.wert);
    EXPECT_EQ(status, c.status);
    if (c.expected == 0 && std::string(c.keyword) == "programmname") {
      EXPECT_EQ(std::string(name), c.name);
    }
    if (refused) {
      EXPECT_EQ(rig.written(), "");
    }
    // Whatever is left of the reply does not disturb the next command.
    rig.peer().then(kAck + "#1Z1R61\r");
    ASSERT_EQ(QORVELT1_ParameterLesen(kPort, '1', "anzahlzaehne", &wert, nullptr, nullptr), 0);
    EXPECT_EQ(wert, 61);
  }
  PeerRig rig;
  double wert = 0;
  ExpectTransactionCodes(
      rig,
      [&] { return QORVELT1_ParameterLesen(kPort, '1', "anzahlzaehne", &wert, nullptr, nullptr); },
      "#1Z1R\r", {-112203, -112203, -101204, -114205, -402206, -405207, -403208, -404209});
}

TEST(Qorvelt1ParameterLesen, LateReplyToTimedOutCommandIsDiscarded) {
  PeerRig rig;
  double wert = 0;
  rig.peer().then({"", kAck + "#1Z1R60\r", false});
  EXPECT_EQ(QORVELT1_ParameterLesen(kPort, '1', "anzahlzaehne", &wert, nullptr, nullptr), -403208);
  EXPECT_GT(rig.channel().pendingForHost(), 0u);
  rig.peer().then(kAck + "#1V1R12.5\r");
  EXPECT_EQ(QORVELT1_ParameterLesen(kPort, '1', "pruefspannung", &wert, nullptr, nullptr), 0);
  EXPECT_EQ(wert, 12.5);
  EXPECT_EQ(rig.written(), "#1Z1R\r#1V1R\r");
}

}  // namespace
