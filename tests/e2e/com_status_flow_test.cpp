// The program, start to end, with a simulated bus on COM 20: the session
// from the configuration file, the COM panel, status polling, the main
// panel's device buttons, and the session written back.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/funktionen.h"
#include "tests/kit/app.h"
#include "tests/kit/panels_fixture.h"
#include "connection/com_main.h"
#include "connection/qor_com.h"
#include "connection/status_main.h"
#include "device/serial_channel.h"
#include "programs/par_main.h"
#include "sim/sim_channel_peer.h"
#include "sim/velt1_model.h"
#include "support/qor_error.h"
#include "ui/fensterverwaltung.h"
#include "ui/runtime.h"
#include "ui/velt1_gui.h"

namespace {

constexpr int kPort = kit::kSimPort;

int Value(int panel, int control) {
  int value = -1;
  GetCtrlVal(panel, control, &value);
  return value;
}

int Attribute(int panel, int control, int attribute) {
  int value = -1;
  GetCtrlAttribute(panel, control, attribute, &value);
  return value;
}

int ErrorNumber(int panel) {
  const int control = panel == gMainPanel  ? MAINPANEL_FEHLERNUMMER
                      : panel == gComPanel ? COMPANEL_FEHLERNUMMER
                                           : STATUSPNL_FEHLERNUMMER;
  return Value(panel, control);
}

class ComStatusFlow : public kit::SimBusTest {
 protected:
  void SetUp() override {
    bus().addVelt1('1');
    bus().addVelt1('2');
    bus().addForeign('3');
    bus().addVelt1('5');
  }

  // Runs the program; `step` acts once the main panel is up, then "Beenden".
  int Run(std::function<void()> step) {
    return kit::RunProgram([step] {
      step();
      qtui::UserChooseMenuItem(ParMain_GetMainpanel(), {"Datei", "Beenden"});
    });
  }
  std::string Ini() { return kit::ReadBytes(directory / INI_DATEINAME); }

  kit::WorkingDirectory directory;
};

TEST_F(ComStatusFlow, FirstStartThenTheStoredPortReopens) {
  ASSERT_EQ(Run([] {
              EXPECT_EQ(QorCom_ComPortGet(), 0);
              Fenster_SwitchPanels(gMainPanel, gComPanel);
              EXPECT_EQ(qtui::UserCommitValue(gComPanel, COMPANEL_COMPORT, kPort), 0);
              EXPECT_EQ(QorCom_ComPortGet(), kPort);
            }),
            0);
  ASSERT_EQ(runtime.popups().shown().size(), 1u);
  EXPECT_EQ(runtime.popups().shown()[0].title, "Fehler #802285");
  EXPECT_EQ(Ini(), "[com]\r\nadresse = 49\r\ncom = 20\r\nlcom = 0\r\n\r\n");

  runtime.popups().clear();
  int shownPort = -1;
  ASSERT_EQ(Run([&] { shownPort = Value(gComPanel, COMPANEL_COMPORT); }), 0);
  EXPECT_TRUE(runtime.popups().shown().empty());
  EXPECT_EQ(shownPort, kPort);
  EXPECT_EQ(Ini(), "[com]\r\nadresse = 49\r\ncom = 20\r\nlcom = 0\r\n\r\n");
}

TEST_F(ComStatusFlow, ComPanelOpensTogglesAndKeepsTheSession) {
  kit::WriteBytes(directory / INI_DATEINAME,
                  "[com]\r\ncom = 20\r\nlcom = 0\r\nadresse = 49\r\n");
  ASSERT_EQ(Run([&] {
              Fenster_SwitchPanels(gMainPanel, gComPanel);
              EXPECT_EQ(Value(gComPanel, COMPANEL_COMPICTURERING), 99);
              // A click on any COM picture closes, the next one reopens.
              qtui::UserClick(gStatusPanel, STATUSPNL_COMPICTURERING);
              EXPECT_EQ(QorCom_ComPortGet(), 0);
              EXPECT_EQ(Value(gMainPanel, MAINPANEL_COMPICTURERING), 0);
              qtui::UserClick(gComPanel, COMPANEL_COMPICTURERING);
              EXPECT_EQ(QorCom_ComPortGet(), kPort);
              // A double click is a click and a double click: two toggles.
              qtui::UserDoubleClick(gMainPanel, MAINPANEL_COMPICTURERING);
              EXPECT_EQ(QorCom_ComPortGet(), kPort);
              EXPECT_EQ(Value(gComPanel, COMPANEL_COMPORT), kPort);

              // Choosing "alle" changes the session address.
              qtui::UserCommitValue(gComPanel, COMPANEL_ADRESSE, '&');
              EXPECT_EQ(QorCom_AdresseGet(), '&');
            }),
            0);
  EXPECT_TRUE(runtime.popups().shown().empty());
  EXPECT_EQ(Ini(), "[com]\r\nadresse = 38\r\ncom = 20\r\nlcom = 20\r\n\r\n");
}

TEST_F(ComStatusFlow, ForeignSectionAndBadValuesApplyOnlyTheValidKeys) {
  kit::WriteBytes(directory / INI_DATEINAME,
                  "[fremd]\r\ncom = 20\r\n[com]\r\ncom = 300\r\nlcom = 12\r\nadresse = 48\r\n");
  ASSERT_EQ(Run([] {}), 0);
  EXPECT_TRUE(runtime.popups().shown().empty());
  EXPECT_EQ(Ini(), "[com]\r\nadresse = 49\r\ncom = 0\r\nlcom = 12\r\n\r\n");

  // "adresse" missing: its code in a box, the other keys still applied.
  kit::WriteBytes(directory / INI_DATEINAME, "[com]\r\ncom = 20\r\nlcom = 0\r\n");
  runtime.popups().clear();
  ASSERT_EQ(Run([] { EXPECT_EQ(QorCom_ComPortGet(), kPort); }), 0);
  ASSERT_EQ(runtime.popups().shown().size(), 1u);
  EXPECT_EQ(runtime.popups().shown()[0].title, "Fehler #801503");

  // Only the address's low byte counts: 0x126 is '&'.
  kit::WriteBytes(directory / INI_DATEINAME,
                  "[com]\r\ncom = 0\r\nlcom = 0\r\nadresse = 294\r\n");
  runtime.popups().clear();
  ASSERT_EQ(Run([] {}), 0);
  EXPECT_TRUE(runtime.popups().shown().empty());
  EXPECT_EQ(Ini(), "[com]\r\nadresse = 38\r\ncom = 0\r\nlcom = 0\r\n\r\n");
}

TEST_F(ComStatusFlow, StatusPollingAndTheComLeds) {
  kit::WriteBytes(directory / INI_DATEINAME,
                  "[com]\r\ncom = 20\r\nlcom = 0\r\nadresse = 49\r\n");
  bus().velt1('1')->setStatusBits(0x0300);
  std::vector<std::vector<int>> ledsDuringAccess;
  ASSERT_EQ(Run([&] {
              const int leds[] = {STATUSPNL_STATUSLED1, STATUSPNL_STATUSLED2, STATUSPNL_STATUSLED9,
                                  STATUSPNL_STATUSLED10};
              auto statusLeds = [&] {
                std::vector<int> values;
                for (int led : leds)
                  values.push_back(Value(gStatusPanel, led) + 10 * Attribute(gStatusPanel, led, ATTR_DIMMED));
                return values;
              };
              EXPECT_EQ(statusLeds(), (std::vector<int>{10, 10, 10, 10}));  // off, dimmed
              sim->onFrame = [&] {
                ledsDuringAccess.push_back({Value(gMainPanel, MAINPANEL_COMAKTIVLED),
                                            Value(gStatusPanel, STATUSPNL_COMAKTIVLED)});
              };
              qtui::UserCommit(gMainPanel, MAINPANEL_START);  // sets bit 0
              Fenster_SwitchPanels(gMainPanel, gStatusPanel);
              qtui::UserCommit(gStatusPanel, STATUSPNL_DAXSTATUSABFRAGE);
              EXPECT_EQ(Attribute(gStatusPanel, STATUSPNL_STATUSTIMER, ATTR_ENABLED), 1);
              qtui::FireTimerTick(gStatusPanel, STATUSPNL_STATUSTIMER);
              EXPECT_EQ(statusLeds(), (std::vector<int>{1, 0, 1, 1}));
              EXPECT_EQ(Value(gMainPanel, MAINPANEL_COMAKTIVLED), 0);
              EXPECT_EQ(Value(gStatusPanel, STATUSPNL_COMAKTIVLED), 0);

              // Off by hand: the pattern stays, dimmed.
              qtui::UserCommit(gStatusPanel, STATUSPNL_DAXSTATUSABFRAGE);
              EXPECT_EQ(Attribute(gStatusPanel, STATUSPNL_STATUSTIMER, ATTR_ENABLED), 0);
              EXPECT_EQ(statusLeds(), (std::vector<int>{11, 10, 11, 11}));

              // With no port open the next tick fails and switches polling off.
              qtui::UserCommit(gStatusPanel, STATUSPNL_DAXSTATUSABFRAGE);
              QorCom_Close();
              qtui::FireTimerTick(gStatusPanel, STATUSPNL_STATUSTIMER);
              for (int panel : {gMainPanel, gComPanel, gStatusPanel}) EXPECT_EQ(ErrorNumber(panel), 122350);
              EXPECT_EQ(Value(gStatusPanel, STATUSPNL_DAXSTATUSABFRAGE), 0);
              EXPECT_EQ(Attribute(gStatusPanel, STATUSPNL_STATUSTIMER, ATTR_ENABLED), 0);
              EXPECT_EQ(statusLeds(), (std::vector<int>{11, 10, 11, 11}));
            }),
            0);
  EXPECT_EQ(ledsDuringAccess, (std::vector<std::vector<int>>(2, {1, 1})));
}

TEST_F(ComStatusFlow, MainPanelDeviceButtons) {
  kit::WriteBytes(directory / INI_DATEINAME,
                  "[com]\r\ncom = 20\r\nlcom = 0\r\nadresse = 50\r\n");
  ASSERT_EQ(Run([&] {
              struct Press {
                int control;
                std::string wire;
              } presses[] = {{MAINPANEL_START, "#2DF1\r"},
                             {MAINPANEL_STOPP, "#2DF2\r"},
                             {MAINPANEL_PROGRAMMEINSTELLEN, "#2PNS3\r"},
                             {MAINPANEL_PROGRAMMSPEICHERN, "#2PNP3\r"}};
              qtui::UserCommitValue(gMainPanel, MAINPANEL_PROGRAMMNUMMER, 3);
              for (const Press& p : presses) {
                channel->clearWritten();
                qtui::UserCommit(gMainPanel, p.control);
                EXPECT_EQ(Written(), p.wire);
                EXPECT_EQ(ErrorNumber(gMainPanel), 0);
              }
              bus().faults().add({"DF1", 0, sim::FaultKind::Nak, 1});
              qtui::UserCommit(gMainPanel, MAINPANEL_START);
              EXPECT_NE(ErrorNumber(gMainPanel), 0);
              EXPECT_FALSE(bus().velt1('2')->started());
              qtui::UserCommit(gMainPanel, MAINPANEL_START);
              EXPECT_EQ(ErrorNumber(gStatusPanel), 0);
              EXPECT_TRUE(bus().velt1('2')->started());

              QorCom_Close();
              channel->clearWritten();
              qtui::UserCommit(gMainPanel, MAINPANEL_STOPP);
              EXPECT_EQ(Written(), "");
              EXPECT_EQ(ErrorNumber(gComPanel), 122350);
            }),
            0);
}

}  // namespace
