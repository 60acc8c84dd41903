// Memory block read and write against a scripted device.

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "device/qorvelt1.h"
#include "tests/kit/scripted_peer.h"

using namespace kit;

namespace {

constexpr int kPort = PeerRig::kPort;

std::string Hex(const std::vector<unsigned char>& daten) {
  std::string text;
  char ziffern[3];
  for (unsigned char byte : daten) {
    std::snprintf(ziffern, sizeof ziffern, "%02X", byte);
    text += ziffern;
  }
  return text;
}

TEST(Qororm1SpeicherLesen, FramesRepliesAndCodes) {
  const std::string kopf = "#1BDR412340003";
  struct Case {
    char adresse;
    int typ, start, groesse;
    std::string reply;
    int expected;
  } cases[] = {
      {'1', 4, 0x1234, 3, kopf + "616263" + "0127\r", 0},
      {'1', 4, 0x1234, 3, "#1bdr412340003fafBfc02f2\r", -404234},
      {'1', 4, 0x1234, 3, kopf + "fafBfc" + "02f2\r", 0},
      {'&', 4, 0x1234, 3, "", -400219},
      {'1', 4, -1, 0, "", -894220},
      {'1', 4, 0x10000, 3, "", -894220},
      {'1', 4, 0x1234, 0, "", -895221},
      {'1', 4, 0x1234, 0x10000, "", -895221},  // does not fit the four digits of the size field
      {'1', 3, 0x1234, 3, "", -896222},
      {'1', 4, 0x1234, 3, kopf + "61626" + "0127\r", -404233},
      {'1', 4, 0x1234, 3, kopf + "616263" + "0127\n", -404232},
      {'1', 4, 0x1234, 3, "#1BDR412350003616263" + std::string("0127\r"), -404234},
      {'1', 4, 0x1234, 3, "#2BDR412340003616263" + std::string("0127\r"), -404234},
      {'1', 4, 0x1234, 3, "#1BDR312340003616263" + std::string("0127\r"), -404234},
      {'1', 4, 0x1234, 3, "#1BDR412340004616263" + std::string("0127\r"), -404234},
      {'1', 4, 0x1234, 3, kopf + "6162G3" + "0127\r", -404235},
      {'1', 4, 0x1234, 3, kopf + "6162 3" + "0127\r", -404235},
      {'1', 4, 0x1234, 3, kopf + "61626x" + "0127\r", -404236},
      {'1', 4, 0x1234, 3, kopf + "616263" + "x127\r", -404237},
      {'1', 4, 0x1234, 3, kopf + "616263" + "0x27\r", -404238},
      {'1', 4, 0x1234, 3, kopf + "616263" + "01x7\r", -404239},
      {'1', 4, 0x1234, 3, kopf + "616263" + "012x\r", -404240},
      {'1', 4, 0x1234, 3, kopf + "616263" + "0128\r", -406241},
      {'1', 4, 0x1234, 3, kopf + "6162", -404231},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reply);
    PeerRig rig;
    const bool refused = c.expected / 1000 <= -894 || c.expected / 1000 == -400;
    rig.peer().then(kAck + c.reply);
    std::vector<char> daten(4, '~');
    EXPECT_EQ(QORORM1_SpeicherLesen(kPort, c.adresse, c.typ, c.start, c.groesse,
                                    reinterpret_cast<unsigned char*>(daten.data())),
              c.expected);
    EXPECT_EQ(rig.written(), refused ? "" : "#1BDR412340003\r");
    EXPECT_EQ(daten[3], '~');  // never more than the size
    if (c.expected == 0) {
      EXPECT_EQ(std::string(daten.begin(), daten.begin() + 3),
                c.reply.find("fa") == 14 ? "\xFA\xFB\xFC" : "abc");
    }
  }
  PeerRig rig;
  unsigned char daten[3];
  ExpectTransactionCodes(
      rig, [&] { return QORORM1_SpeicherLesen(kPort, '1', 4, 0x1234, 3, daten); },
      "#1BDR412340003\r", {-124255, -123256, -101224, -114225, -402226, -405227, -403228, -404229});
}

TEST(Qororm1SpeicherLesen, LargestBlockAndChecksumWrap) {
  PeerRig rig;
  const std::vector<unsigned char> ff(0xFFFF, 0xFF);  // sum 1 + 0xFFFF * 0xFF wraps to 0xFF02
  rig.peer().then(kAck + "#aBDR40000FFFF" + Hex(ff) + "FF02\r");
  std::vector<unsigned char> daten(0xFFFF);
  EXPECT_EQ(QORORM1_SpeicherLesen(kPort, 'a', 4, 0, 0xFFFF, daten.data()), 0);
  EXPECT_EQ(rig.written(), "#aBDR40000FFFF\r");
  EXPECT_EQ(daten, ff);

  PeerRig small;
  small.peer().then(kAck + "#1BDR401A00020" + Hex(std::vector<unsigned char>(32, 0)) + "0001\r");
  EXPECT_EQ(QORORM1_SpeicherLesen(kPort, '1', 4, 0x01A0, 32, daten.data()), 0);
  EXPECT_EQ(small.written(), "#1BDR401A00020\r");

  PeerRig last;  // the last byte of the memory: 1 + 0x7A = 0x007B
  last.peer().then(kAck + "#1BDR4FFFF00017A007B\r");
  EXPECT_EQ(QORORM1_SpeicherLesen(kPort, '1', 4, 0xFFFF, 1, daten.data()), 0);
  EXPECT_EQ(last.written(), "#1BDR4FFFF0001\r");
  EXPECT_EQ(daten[0], 0x7A);
}

TEST(Qororm1SpeicherSchreiben, FramesAndCodes) {
  const std::vector<unsigned char> abc = {0x61, 0x62, 0x63}, voll(64, 0xFF), zuviel(65, 0);
  struct Case {
    char adresse;
    int typ, start;
    const std::vector<unsigned char>* daten;
    int groesse;
    int expected;
    std::string frame;
  } cases[] = {
      {'1', 4, 0, nullptr, 0, 0,
       "#1BDW400000000"
       "0001"
       "\r"},
      {'1', 4, 0xABCD, &abc, 3, 0,
       "#1BDW4ABCD0003"
       "616263"
       "0127"
       "\r"},
      {'e', 4, 0xFFFF, &voll, 64, 0, "#eBDW4FFFF0040" + Hex(voll) + "3FC1\r"},  // 147 bytes
      {'&', 4, 0x0010, &abc, 3, 0,
       "#&BDW400100003"
       "616263"
       "0127"
       "\r"},
      {'A', 4, 0, &abc, 3, -400242, ""},
      {'1', 4, -1, &abc, 3, -894243, ""},
      {'1', 4, 0x10000, &abc, 3, -894243, ""},
      {'1', 4, 0, &zuviel, 65, -895244, ""},
      {'1', 4, 0, &abc, -1, -895244, ""},
      {'1', 3, 0, &abc, 3, -896245, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.frame);
    PeerRig rig;
    if (c.adresse != '&') rig.peer().then(kAck);
    EXPECT_EQ(QORORM1_SpeicherSchreiben(kPort, c.adresse, c.typ, c.start, c.groesse,
                                        c.daten ? c.daten->data() : nullptr),
              c.expected);
    EXPECT_EQ(rig.written(), c.frame);
  }
  PeerRig rig;
  ExpectTransactionCodes(
      rig, [&] { return QORORM1_SpeicherSchreiben(kPort, '1', 4, 0xABCD, 3, abc.data()); },
      "#1BDW4ABCD00036162630127\r",
      {-124255, -123256, -101249, -101250, -402251, -405252, -403253, -404254});
}

}  // namespace
