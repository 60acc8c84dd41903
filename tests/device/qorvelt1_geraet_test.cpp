// Identification, start/stop and program slot commands against a scripted device.

#include <gtest/gtest.h>

#include <cstring>

#include "device/qorvelt1.h"
#include "tests/kit/scripted_peer.h"

using namespace kit;

namespace {

constexpr int kPort = PeerRig::kPort;

TEST(Qorvelt1IdLesen, FramesRepliesAndCodes) {
  const std::string id26(26, 'I');
  struct Case {
    char adresse;
    std::string reply;
    int expected;
    std::string id;
  } cases[] = {
      {'1', kAck + "#1QOR-VELT1-V2.3\r", 0, "QOR-VELT1-V2.3"},
      {'a', kAck + "#aQOR-VELT1\r", 0, "QOR-VELT1"},
      {'1', kAck + "#1" + id26 + "\r", 0, id26},
      {'&', "", -400006, ""},
      {'A', "", -400006, ""},
      {'0', "", -400006, ""},
      {'1', kAck + "#2QOR-VELT1\r", -404015, ""},
      {'1', kAck + "X1QOR-VELT1\r", -404015, ""},
      {'1', kAck + "#1QOR-VELT1 \r", -404015, ""},
      {'1', kAck + "#1\r", -404015, ""},
      {'1', kAck + std::string("#1QOR\0XY\r", 9), -404015, ""},  // the text ends at the NUL
      {'1', kAck + "#1" + id26 + "JJJ", -404015, ""},  // cut after 29 bytes, no CR
      {'1', kAck, -404014, ""},
      {'1', kAck + "#1QOR", -404014, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reply);
    PeerRig rig;
    rig.peer().then(c.reply);
    char id[27];
    std::memset(id, '?', sizeof id);
    EXPECT_EQ(QORVELT1_IDLesen(kPort, c.adresse, id), c.expected);
    const bool sent = c.expected / 1000 != -400;
    EXPECT_EQ(rig.written(), sent ? std::string("#") + c.adresse + "IDR\r" : "");
    if (c.expected == 0) {
      EXPECT_EQ(std::string(id, strnlen(id, sizeof id)), c.id);
    }
  }
  PeerRig rig;
  ExpectTransactionCodes(rig,
                         [] {
                           char id[27];
                           return QORVELT1_IDLesen(kPort, '1', id);
                         },
                         "#1IDR\r",
                         {-124255, -123256, -101008, -114009, -402010, -405011, -403012, -404013});
}

TEST(Qorvelt1DeviceFunction, FramesAndCodes) {
  struct Case {
    char adresse;
    const char* funktion;
    int expected;
    std::string frame;
  } cases[] = {
      {'a', "start", 0, "#aDF1\r"}, {'1', "stopp", 0, "#1DF2\r"},
      {'&', "start", 0, "#&DF1\r"},  // nobody answers the common address
      {'A', "start", -400034, ""},  {'1', "Start", -401035, ""},
      {'1', "stop", -401035, ""},   {'1', nullptr, -401035, ""},
  };
  for (const Case& c : cases) {
    PeerRig rig;
    if (c.adresse != '&') rig.peer().then(kAck);
    EXPECT_EQ(QORVELT1_DeviceFunction(kPort, c.adresse, c.funktion), c.expected) << c.frame;
    EXPECT_EQ(rig.written(), c.frame);
  }
  PeerRig rig;
  ExpectTransactionCodes(rig, [] { return QORVELT1_DeviceFunction(kPort, '1', "start"); },
                         "#1DF1\r",
                         {-124255, -123256, -101037, -101038, -402039, -405040, -403041, -404042});
}

TEST(Qorvelt1Programm, StoreAndLoadFramesAndCodes) {
  using Fn = int (*)(int, char, int);
  struct Case {
    Fn fn;
    char adresse;
    int programm;
    int expected;
    std::string frame;
  } cases[] = {
      {QORVELT1_ProgrammSpeichern, '3', 12, 0, "#3PNP12\r"},
      {QORVELT1_ProgrammSpeichern, '1', 16, 0, "#1PNP16\r"},
      {QORVELT1_ProgrammSpeichern, '&', 1, 0, "#&PNP1\r"},
      {QORVELT1_ProgrammSpeichern, '1', 0, -401044, ""},
      {QORVELT1_ProgrammSpeichern, '1', 17, -401044, ""},
      {QORVELT1_ProgrammSpeichern, '0', 1, -400043, ""},
      {QORVELT1_ProgrammLaden, 'f', 1, 0, "#fPNS1\r"},
      {QORVELT1_ProgrammLaden, '&', 16, 0, "#&PNS16\r"},
      {QORVELT1_ProgrammLaden, '1', 0, -401053, ""},
      {QORVELT1_ProgrammLaden, '1', 17, -401053, ""},
      {QORVELT1_ProgrammLaden, 'g', 1, -400052, ""},
  };
  for (const Case& c : cases) {
    PeerRig rig;
    if (c.adresse != '&') rig.peer().then(kAck);
    EXPECT_EQ(c.fn(kPort, c.adresse, c.programm), c.expected) << c.frame;
    EXPECT_EQ(rig.written(), c.frame);
  }
  PeerRig rig;
  ExpectTransactionCodes(rig, [] { return QORVELT1_ProgrammSpeichern(kPort, '1', 5); }, "#1PNP5\r",
                         {-124255, -123256, -101046, -101047, -402048, -405049, -403050, -404051});
  ExpectTransactionCodes(rig, [] { return QORVELT1_ProgrammLaden(kPort, '1', 5); }, "#1PNS5\r",
                         {-124255, -123256, -101055, -101056, -402057, -405058, -403059, -404060});
}

}  // namespace
