// A USB adapter pulled out in the middle of reading all programs, over a real
// pseudo-terminal whose far end closes: the transfer ends with the driver's
// code at once, not after a time-out, and the services stay usable.

#include <gtest/gtest.h>

#include <array>
#include <chrono>

#include "device/qorvelt1.h"
#include "device/velt1com.h"
#include "programs/geraetedienste.h"
#include "programs/programmtransfer.h"
#include "tests/programs/pty_geraet_support.h"

namespace {

using programs_test::PtyGeraet;
using Uhr = PtyGeraet::Uhr;
using namespace std::chrono_literals;

constexpr int kPort = 41;
// Frame 141 of reading all is the phase tolerance ("L3R") of program 8.
constexpr int kAuflegenBeiRahmen = 141;

class AbgezogenerAdapter : public ::testing::Test {
 protected:
  void SetUp() override { DaxCom_SitzungSetzen({[this] { return port_; }, [] { return '1'; }}); }
  void TearDown() override {
    DaxCom_HooksEntfernen();
    QORVELT1_Close(kPort);
  }
  void Oeffnen() {
    ASSERT_EQ(QORVELT1_Open(kPort, 9600), 0);
    ASSERT_EQ(QORVELT1_Timeout(kPort, 1.5), 0);
    port_ = kPort;
  }

  int port_ = 0;
  std::array<Programm, PROGRAMM_ANZAHL> tabelle_{};
  Geraetedienste dienste_;
};

TEST_F(AbgezogenerAdapter, TheTransferEndsAtOnceWithTheDriversCodeAndTheServicesStayUsable) {
  {
    PtyGeraet geraet(kPort, kAuflegenBeiRahmen);
    Oeffnen();
    const LeseErgebnis ergebnis = Programmtransfer_Lesen(tabelle_, 0, TransferUmfang::Alle, dienste_);
    const Uhr::time_point ende = Uhr::now();
    EXPECT_EQ(ergebnis.code, -403208);  // no answer to the parameter read
    ASSERT_NE(geraet.Aufgelegt(), Uhr::time_point{});
    EXPECT_LT(ende - geraet.Aufgelegt(), 1s);
    for (int i = 0; i < PROGRAMM_ANZAHL; ++i) EXPECT_EQ(ergebnis.gelesen[static_cast<std::size_t>(i)], i < 8) << i;

    // The next access fails at once; once the session has let the port go,
    // the services say so.
    int status = 0;
    const Uhr::time_point vorher = Uhr::now();
    EXPECT_EQ(DaxCom_StatusLesen(&status), -112203);  // the gone port cannot be flushed
    EXPECT_LT(Uhr::now() - vorher, 1s);
    QORVELT1_Close(kPort);
    port_ = 0;
    EXPECT_EQ(DaxCom_StatusLesen(&status), DAXCOM_FEHLER_NICHT_GEOEFFNET);
  }
  // An adapter plugged in under the same COM number works as before.
  PtyGeraet neu(kPort);
  Oeffnen();
  EXPECT_EQ(Programmtransfer_Lesen(tabelle_, 0, TransferUmfang::Alle, dienste_).code, 0);
}

}  // namespace
