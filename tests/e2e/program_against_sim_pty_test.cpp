// The program against velt1-sim over a real pseudo-terminal: the simulator
// registers COM 20 in a private ports folder, the configuration file names
// that port, the operator scans the bus and quits, and the file keeps the
// session.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <memory>
#include <string>

#include "app/funktionen.h"
#include "tests/kit/app.h"
#include "connection/com_main.h"
#include "connection/qor_com.h"
#include "programs/par_main.h"
#include "tests/kit/ports_folder.h"
#include "tests/kit/process.h"
#include "ui/fensterverwaltung.h"
#include "ui/runtime.h"
#include "ui/velt1_gui.h"

namespace {

using namespace kit;

// velt1-sim on COM 20 in a private ports folder, and a working directory
// whose configuration file opens that port.
class ProgramAgainstSim : public ::testing::Test {
 protected:
  void Start(const std::vector<std::string>& devices) {
    std::vector<std::string> arguments{"--com", "20"};
    arguments.insert(arguments.end(), devices.begin(), devices.end());
    sim = std::make_unique<SimProcess>(arguments, ports.path());
    ASSERT_EQ(sim->firstLine().substr(0, 9), "/dev/pts/") << sim->firstLine();
    kit::WriteBytes(directory / INI_DATEINAME,
                    "[com]\r\nadresse = 49\r\ncom = 20\r\nlcom = 0\r\n");
  }

  PortsFolder ports;
  std::unique_ptr<SimProcess> sim;
  kit::WorkingDirectory directory;
  kit::Runtime runtime;
};

TEST_F(ProgramAgainstSim, OpensTheConfiguredPortScansAndKeepsTheSession) {
  // Every address answers but 9, which costs one real reply wait.
  Start({"--velt1", "1,2,4,5,6,7,8", "--foreign", "3"});
  std::vector<int> leds;
  std::vector<int> colors;
  std::string tooltip;
  auto script = kit::WhenMainPanelShown([&] {
    EXPECT_EQ(QorCom_ComPortGet(), 20);
    GetCtrlAttribute(gComPanel, COMPANEL_COMPORT, ATTR_TOOLTIP_TEXT, &tooltip);
    Fenster_SwitchPanels(gMainPanel, gComPanel);
    qtui::UserCommit(gComPanel, COMPANEL_SCANN);
    for (int led = COMPANEL_LED1; led <= COMPANEL_LED9; ++led) {
      int on = 0;
      int color = 0;
      GetCtrlVal(gComPanel, led, &on);
      GetCtrlAttribute(gComPanel, led, ATTR_ON_COLOR, &color);
      leds.push_back(on);
      colors.push_back(on ? color : 0);
    }
    // VELT1_COM_PICTURE=file.png keeps a picture of the panel after the scan.
    if (const char* picture = ::getenv("VELT1_COM_PICTURE")) {
      EXPECT_TRUE(qtui::SavePanelImage(gComPanel, picture, true));
    }
    qtui::UserChooseMenuItem(gComPanel, {"Datei", "Beenden"});
  });
  EXPECT_EQ(kit::RunProgram(), 0);

  EXPECT_TRUE(runtime.popups().shown().empty());
  EXPECT_EQ(tooltip, sim->firstLine().substr(0, sim->firstLine().find(' ')));
  EXPECT_EQ(leds, (std::vector<int>{1, 1, 1, 1, 1, 1, 1, 1, 0}));
  EXPECT_EQ(colors, (std::vector<int>{0x00FF00, 0x00FF00, 0xFF0000, 0x00FF00, 0x00FF00, 0x00FF00,
                                      0x00FF00, 0x00FF00, 0}));
  EXPECT_EQ(kit::ReadBytes(directory / INI_DATEINAME),
            "[com]\r\nadresse = 49\r\ncom = 20\r\nlcom = 0\r\n\r\n");
}

// The line goes away under an open port (the simulator ends, as an adapter
// pulled out would): the next command fails instead of hanging, and the next
// look at the port list ends the session.
TEST_F(ProgramAgainstSim, LineThatGoesAwayEndsTheSession) {
  Start({});
  int errorAfterStart = 0;
  int portAfterRefill = -1;
  std::string ringLabel;
  auto script = kit::WhenMainPanelShown([&] {
    EXPECT_EQ(QorCom_ComPortGet(), 20);
    sim->terminate();
    qtui::UserCommit(gMainPanel, MAINPANEL_START);
    GetCtrlVal(gMainPanel, MAINPANEL_FEHLERNUMMER, &errorAfterStart);
    qtui::UserClick(gComPanel, COMPANEL_COMPORT);
    portAfterRefill = QorCom_ComPortGet();
    int index = -1;
    GetCtrlIndex(gComPanel, COMPANEL_COMPORT, &index);
    GetLabelFromIndex(gComPanel, COMPANEL_COMPORT, index, &ringLabel);
    qtui::UserChooseMenuItem(gMainPanel, {"Datei", "Beenden"});
  });
  EXPECT_EQ(kit::RunProgram(), 0);

  EXPECT_GT(errorAfterStart, 0);
  EXPECT_EQ(portAfterRefill, 0);
  EXPECT_EQ(ringLabel, "nicht geöffnet");
  EXPECT_EQ(kit::ReadBytes(directory / INI_DATEINAME),
            "[com]\r\nadresse = 49\r\ncom = 0\r\nlcom = 20\r\n\r\n");
}

}  // namespace
