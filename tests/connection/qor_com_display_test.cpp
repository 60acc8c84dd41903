// The shared controls: capacities, the error display on every panel, the COM
// state pictures, and the device search on the COM panel.

#include <string>
#include <vector>

#include "connection/com_main.h"
#include "connection/qor_com.h"
#include "tests/kit/panels_fixture.h"
#include "programs/par_main.h"
#include "sim/velt1_model.h"
#include "support/qor_error.h"
#include "ui/runtime.h"
#include "ui/velt1_gui.h"

namespace {

using kit::ErrorDisplay;
using kit::kSimPort;

class QorComDisplay : public kit::PanelsTest {
 protected:
  std::vector<int> AddressLeds() {
    std::vector<int> leds;
    for (int led = COMPANEL_LED1; led <= COMPANEL_LED9; ++led) {
      int color = 0;
      GetCtrlAttribute(gComPanel, led, ATTR_ON_COLOR, &color);
      leds.push_back(IntValue(gComPanel, led) == 0 ? 0 : color);
    }
    return leds;
  }
};

TEST_F(QorComDisplay, TablesRefuseRegistrationsBeyondTheirCapacity) {
  // The panels have registered 3 pictures, 3 error triples and 9 LEDs.
  struct Case {
    void (*registrieren)();
    int room;
    const char* text;
  } cases[] = {
      {[] { QorCom_RegisterPictureringControl(gMainPanel, MAINPANEL_COMPICTURERING); }, 7,
       "MAX_PICTURERINGCONTROLS ist zu klein"},
      {[] {
         QorCom_RegisterFehlerControls(gMainPanel, MAINPANEL_FEHLERLED, MAINPANEL_FEHLERSTRING,
                                       MAINPANEL_FEHLERNUMMER);
       },
       7, "MAX_FEHLERCONTROLS ist zu klein"},
      {[] { QorCom_RegisterAdressLeds(gComPanel, COMPANEL_LED1); }, 6,
       "MAX_ADRESSLEDS ist zu klein"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    runtime.popups().clear();
    for (int i = 0; i < c.room; ++i) c.registrieren();
    EXPECT_TRUE(runtime.popups().shown().empty());
    c.registrieren();
    ASSERT_EQ(runtime.popups().shown().size(), 1u);
    EXPECT_EQ(runtime.popups().shown()[0].title, "Interner Fehler");
    EXPECT_EQ(runtime.popups().shown()[0].text, c.text);
  }
}

TEST_F(QorComDisplay, ErrorDisplayAndPicturesOnEveryPanel) {
  QorCom_FehlermeldungSet(-110303);
  const ErrorDisplay shown{1, QOR_Fehlermeldung(-110303), 110303};
  EXPECT_EQ(ErrorDisplays(), std::vector<ErrorDisplay>(3, shown));
  EXPECT_NE(shown.text.find("Ungültige COM-Port Nummer"), std::string::npos);
  QorCom_FehlermeldungSet(0);
  EXPECT_EQ(ErrorDisplays(), std::vector<ErrorDisplay>(3, ErrorDisplay{0, "", 0}));

  for (auto [port, picture] : {std::pair{0, 0}, {16, 16}, {17, 99}, {3, 3}}) {
    QorCom_ComPortAnzeigen(port);
    EXPECT_EQ(Pictures(), std::vector<int>(3, picture)) << port;
  }
}

TEST_F(QorComDisplay, NoPortOpen) {
  qtui::UserCommit(gComPanel, COMPANEL_IDLESEN);
  EXPECT_EQ(ErrorDisplays()[0].number, 122304);
  qtui::UserCommit(gComPanel, COMPANEL_SCANN);
  EXPECT_EQ(ErrorDisplays(), std::vector<ErrorDisplay>(3, ErrorDisplay{1, QOR_Fehlermeldung(-122305), 122305}));
  EXPECT_EQ(Text(gComPanel, COMPANEL_SCANNTEXT), "");
  EXPECT_EQ(Written(), "");
}

TEST_F(QorComDisplay, ScanShowsEachAddressAsItIsTried) {
  sim->bus().addVelt1('2');
  sim->bus().addForeign('3');
  sim->bus().addVelt1('5');
  ASSERT_EQ(QorCom_Open(kSimPort), 0);
  QorCom_FehlermeldungSet(-110303);
  // An LED of an address that no longer answers (lit red here) goes off.
  SetCtrlAttribute(gComPanel, COMPANEL_LED9, ATTR_ON_COLOR, 0xFF0000);
  SetCtrlVal(gComPanel, COMPANEL_LED9, 1);

  // When each frame goes out: the scan text, and the LEDs of the addresses
  // tried so far already show their result.
  std::vector<std::string> seen;
  sim->onFrame = [&] {
    std::string leds;
    for (int led : AddressLeds()) leds += led == 0 ? '-' : led == 0x00FF00 ? 'G' : 'R';
    seen.push_back(Text(gComPanel, COMPANEL_SCANNTEXT) + " " + leds);
  };
  EXPECT_EQ(qtui::UserCommit(gComPanel, COMPANEL_SCANN), 0);

  EXPECT_EQ(seen, (std::vector<std::string>{
                      "Suche nach Gerät 1 --------R", "Suche nach Gerät 2 --------R",
                      "Suche nach Gerät 3 -G------R", "Suche nach Gerät 4 -GR-----R",
                      "Suche nach Gerät 5 -GR-----R", "Suche nach Gerät 6 -GR-G---R",
                      "Suche nach Gerät 7 -GR-G---R", "Suche nach Gerät 8 -GR-G---R",
                      "Suche nach Gerät 9 -GR-G---R"}));
  EXPECT_EQ(AddressLeds(), (std::vector<int>{0, 0x00FF00, 0xFF0000, 0, 0x00FF00, 0, 0, 0, 0}));
  EXPECT_EQ(IntValue(gComPanel, COMPANEL_ADRESSE), '5');
  EXPECT_EQ(Text(gComPanel, COMPANEL_ID), sim::Velt1Model::kDefaultIdentification);
  EXPECT_EQ(Text(gComPanel, COMPANEL_SCANNTEXT), "");
  EXPECT_EQ(QorCom_AdresseGet(), '1');
  EXPECT_EQ(ErrorDisplays(), std::vector<ErrorDisplay>(3, ErrorDisplay{0, "", 0}));
}

TEST_F(QorComDisplay, IdReadAtTheSessionAddress) {
  sim->bus().addVelt1('4');
  ASSERT_EQ(QorCom_Open(kSimPort), 0);
  ASSERT_EQ(qtui::UserCommitValue(gComPanel, COMPANEL_ADRESSE, '4'), 0);
  EXPECT_EQ(QorCom_AdresseGet(), '4');
  channel->clearWritten();
  ASSERT_EQ(qtui::UserCommit(gComPanel, COMPANEL_IDLESEN), 0);
  EXPECT_EQ(Written(), "#4IDR\r");
  EXPECT_EQ(Text(gComPanel, COMPANEL_ID), sim::Velt1Model::kDefaultIdentification);

  // "alle" is no address to read from: the driver's code, and the text stays empty.
  ASSERT_EQ(qtui::UserCommitValue(gComPanel, COMPANEL_ADRESSE, '&'), 0);
  EXPECT_EQ(QorCom_AdresseGet(), '&');
  ASSERT_EQ(qtui::UserCommit(gComPanel, COMPANEL_IDLESEN), 0);
  EXPECT_EQ(ErrorDisplays()[1].number, 400006);
  EXPECT_EQ(Text(gComPanel, COMPANEL_ID), "");
}

}  // namespace
