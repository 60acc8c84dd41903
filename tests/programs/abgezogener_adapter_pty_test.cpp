// A USB adapter pulled out in the middle of reading or writing all programs,
// over a real pseudo-terminal whose far end closes, or the serial device
// server (ser2net) in front of it stopped: the transfer ends with the
// driver's code at once, not after a time-out, and the services stay usable.

#include <gtest/gtest.h>

#include <array>
#include <chrono>

#include "device/qorvelt1.h"
#include "device/velt1com.h"
#include "programs/core/geraetedienste.h"
#include "programs/core/programmtransfer.h"
#include "tests/kit/pty_device.h"

namespace {

using kit::PtyDevice;
using kit::Ser2net;
using Uhr = PtyDevice::Clock;
using namespace std::chrono_literals;

constexpr int kPort = 41;

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
  LeseErgebnis AlleUebertragen(bool lesen) {
    if (lesen) return Programmtransfer_Lesen(tabelle_, 0, TransferUmfang::Alle, dienste_);
    LeseErgebnis ergebnis;
    ergebnis.code = Programmtransfer_Schreiben(tabelle_, 0, TransferUmfang::Alle, dienste_);
    return ergebnis;
  }

  int port_ = 0;
  std::array<Programm, PROGRAMM_ANZAHL> tabelle_{};
  Geraetedienste dienste_;
};

TEST_F(AbgezogenerAdapter, TheTransferEndsAtOnceWithTheDriversCodeAndTheServicesStayUsable) {
  const struct {
    const char* name;
    bool lesen;
    int auflegenBeiRahmen;
    int code;              // the driver's code for the missing answer
    int eintraegeGelesen;  // entries the table got before
    std::optional<Ser2net::Mode> server;
  } faelle[] = {
      {"reading all, program 8's phase tolerance (L3R)", true, 141, -403208, 8, {}},
      {"writing all, storing program 9 (PNP)", false, 134, -403050, 0, {}},
      {"reading all over RFC 2217, ser2net stopped", true, 29, -403208, 1, Ser2net::Mode::Rfc2217},
      {"writing all over raw TCP, ser2net stopped", false, 14, -403050, 0, Ser2net::Mode::Raw},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    {
      PtyDevice geraet(kPort, fall.auflegenBeiRahmen, fall.server);
      Oeffnen();
      const LeseErgebnis ergebnis = AlleUebertragen(fall.lesen);
      const Uhr::time_point ende = Uhr::now();
      EXPECT_EQ(ergebnis.code, fall.code);
      ASSERT_NE(geraet.hungUp(), Uhr::time_point{});
      EXPECT_LT(ende - geraet.hungUp(), 1s);
      for (int i = 0; i < PROGRAMM_ANZAHL; ++i) {
        EXPECT_EQ(ergebnis.gelesen[static_cast<std::size_t>(i)], i < fall.eintraegeGelesen) << i;
      }

      // The next access fails at once; once the session has let the port
      // go, the services say so.
      int status = 0;
      const Uhr::time_point vorher = Uhr::now();
      EXPECT_EQ(DaxCom_StatusLesen(&status), -112203);  // the gone port cannot be flushed
      EXPECT_LT(Uhr::now() - vorher, 1s);
      QORVELT1_Close(kPort);
      port_ = 0;
      EXPECT_EQ(DaxCom_StatusLesen(&status), DAXCOM_FEHLER_NICHT_GEOEFFNET);
    }
    // An adapter plugged in under the same COM number works as before.
    // (Whole transfers over the network take their line time: velt1ctl's
    // tests make them; one access shows the server is back.)
    PtyDevice neu(kPort, -1, fall.server);
    Oeffnen();
    int status = 0;
    EXPECT_EQ(fall.server ? DaxCom_StatusLesen(&status) : AlleUebertragen(fall.lesen).code, 0);
    QORVELT1_Close(kPort);
    port_ = 0;
  }
}

}  // namespace
