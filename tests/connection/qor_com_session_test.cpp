// The COM session and the port list, as the panels show them.

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "connection/com_main.h"
#include "connection/qor_com.h"
#include "connection/qor_com_portliste.h"
#include "tests/kit/panels_fixture.h"
#include "device/port_map.h"
#include "device/qorvelt1.h"
#include "programs/par_main.h"
#include "tests/kit/pty.h"
#include "support/qor_error.h"
#include "ui/runtime.h"
#include "ui/velt1_gui.h"

namespace {

using kit::kSimPort;
namespace fs = std::filesystem;

class QorComSession : public kit::PanelsTest {};

TEST_F(QorComSession, OpenSwitchToggleAndClose) {
  // Each step: the call, its result, then port, last port, ring and pictures.
  struct Step {
    const char* name;
    std::function<int()> call;
    int result;
    int port;
    int last;
    int picture;
  } steps[] = {
      {"257 is no port", [] { return QorCom_Open(257); }, -110303, 0, 0, 0},
      {"-1 is no port", [] { return QorCom_Open(-1); }, -110303, 0, 0, 0},
      {"closing while closed", [] { return QorCom_Open(0); }, 0, 0, 0, 0},
      {"toggle with no last port", QorCom_ComPortUmschalten, 0, 0, 0, 0},
      {"open COM 20", [] { return QorCom_Open(kSimPort); }, 0, kSimPort, 0, 99},
      {"open it again", [] { return QorCom_Open(kSimPort); }, 0, kSimPort, 0, 99},
      {"switch to a missing port", [] { return QorCom_Open(5); }, -100003, 0, kSimPort, 0},
      {"toggle reopens", QorCom_ComPortUmschalten, 0, kSimPort, kSimPort, 99},
      {"toggle closes", QorCom_ComPortUmschalten, 0, 0, kSimPort, 0},
      {"last port 257", [] { return QorCom_LastComPortSet(257); }, -110302, 0, kSimPort, 0},
      {"last port 0", [] { return QorCom_LastComPortSet(0); }, 0, 0, 0, 0},
      {"close", QorCom_Close, 0, 0, 0, 0},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    EXPECT_EQ(s.call(), s.result);
    EXPECT_EQ(QorCom_ComPortGet(), s.port);
    EXPECT_EQ(QorCom_LastComPortGet(), s.last);
    EXPECT_EQ(IntValue(gComPanel, COMPANEL_COMPORT), s.port);
    EXPECT_EQ(Pictures(), std::vector<int>(3, s.picture));
  }
  QOR_Fehleruserstring(nullptr);
}

TEST_F(QorComSession, AddressCharacters) {
  struct Case {
    char adresse;
    int result;
    char session;
  } cases[] = {{'0', -400301, '1'}, {'a', -400301, '1'}, {' ', -400301, '1'},
               {'&', 0, '&'},       {'9', 0, '9'},       {':', -400301, '9'}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.adresse);
    EXPECT_EQ(QorCom_AdresseSet(c.adresse), c.result);
    EXPECT_EQ(QorCom_AdresseGet(), c.session);
    EXPECT_EQ(IntValue(gComPanel, COMPANEL_ADRESSE), c.session);
  }
  std::string label;
  int index = 0;
  GetCtrlIndex(gComPanel, COMPANEL_ADRESSE, &index);
  GetLabelFromIndex(gComPanel, COMPANEL_ADRESSE, index, &label);
  EXPECT_EQ(label, "9");
}

TEST_F(QorComSession, PortListFromTheSystemsListing) {
  // Links in the ports folder are the port layer's listing on this system;
  // names it cannot map are not listed at all.
  const fs::path folder = std::getenv("VELT1_PORTS");
  std::ofstream(folder / "geraet").put('x');
  for (const char* name : {"COM10", "COM3", "COM1", "com4", "COMX", "COM300", "COM3A"})
    fs::create_symlink(folder / "geraet", folder / name);
  fs::create_symlink(folder / "fehlt", folder / "COM7");  // a broken link is no port

  QorCom_ComPortListeFuellen(gComPanel, COMPANEL_COMPORT);
  // This machine's own serial ports are left out of the comparison.
  std::vector<std::string> items;
  for (const std::string& item : PortRingItems()) {
    const int port = std::stoi(item.substr(item.find('=') + 1));
    const std::string device = rs232::DevicePathForPort(port);
    if (port == 0 || port == kSimPort || device.rfind(folder.string(), 0) == 0) items.push_back(item);
  }
  EXPECT_EQ(items, (std::vector<std::string>{"nicht geöffnet=0", "COM 1=1", "COM 3=3", "COM 10=10",
                                             "COM 20=20"}));

  // English only changes the first item.
  QorCom_SpracheSetzen(2);
  QorCom_SpracheSetzen(3);
  QorCom_ComPortListeFuellen(gComPanel, COMPANEL_COMPORT);
  EXPECT_EQ(PortRingItems().front(), "not opened=0");
  QorCom_SpracheSetzen(1);
}

TEST(QorComPortList, EntriesOfTheRegistrysForm) {
  struct Case {
    unsigned long type;
    const char* data;
    std::optional<int> port;
  } cases[] = {
      {rs232::kRegSz, "COM3", 3},     {rs232::kRegSz, "COM 7", 7},   {rs232::kRegSz, "COM\t+5 ", 5},
      {rs232::kRegSz, "COM0", 0},     {rs232::kRegSz, "COM256", 256}, {rs232::kRegSz, "COM-0", 0},
      {rs232::kRegSz, "COM257", {}},  {rs232::kRegSz, "COM300", {}}, {rs232::kRegSz, "COM-3", {}},
      {rs232::kRegSz, "com4", {}},    {rs232::kRegSz, "COMX", {}},   {rs232::kRegSz, "COM3A", {}},
      {rs232::kRegSz, "COM", {}},     {rs232::kRegSz, " COM3", {}},  {rs232::kRegSz, "CO", {}},
      {rs232::kRegSz, "COM99999999999999999999", {}},                {4 /* a number */, "COM3", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.data);
    EXPECT_EQ(QorCom_PortAusEintrag({c.type, c.data}), c.port);
  }
}

TEST_F(QorComSession, RefillClosesAPortThatHasGone) {
  // (This machine's own serial ports may be listed too.)
  auto listed = [this] {
    const auto items = PortRingItems();
    return std::find(items.begin(), items.end(), "COM 20=20") != items.end();
  };
  ASSERT_EQ(QorCom_Open(kSimPort), 0);
  EXPECT_TRUE(listed());

  // The open port stays listed while its device is there, whether the system lists it or not.
  rs232::DetachChannel(kSimPort);
  EXPECT_EQ(qtui::UserClick(gComPanel, COMPANEL_COMPORT), 0);
  EXPECT_EQ(QorCom_ComPortGet(), kSimPort);
  EXPECT_TRUE(listed());

  // The adapter is pulled: the next access fails at once, and a click on the
  // ring (which refills the list before it opens) ends the session.
  channel->drop();
  rs232::DetachChannel(kSimPort);
  char id[32];
  EXPECT_NE(QORVELT1_IDLesen(kSimPort, '1', id), 0);
  EXPECT_EQ(qtui::UserClick(gComPanel, COMPANEL_COMPORT), 0);
  EXPECT_EQ(QorCom_ComPortGet(), 0);
  EXPECT_EQ(QorCom_LastComPortGet(), kSimPort);
  EXPECT_FALSE(listed());
  EXPECT_EQ(PortRingItems().front(), "nicht geöffnet=0");
  EXPECT_EQ(IntValue(gComPanel, COMPANEL_COMPORT), 0);
  EXPECT_EQ(Pictures(), std::vector<int>(3, 0));
}

TEST_F(QorComSession, PortThatWillNotOpenSaysWhyAndWhich) {
  kit::PtyPort pty(30);
  // Another program holds the device.
  const int holder = ::open(pty.slavePath().c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(holder, 0);
  ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);
  qtui::UserKeyPress(gComPanel, COMPANEL_COMPORT, 0x01000015 /* Qt::Key_Down */);
  ASSERT_EQ(qtui::UserCommitValue(gComPanel, COMPANEL_COMPORT, 30), 0);
  EXPECT_EQ(QorCom_ComPortGet(), 0);
  EXPECT_EQ(ErrorDisplays()[2],
            (kit::ErrorDisplay{1,
                               std::string(QOR_Fehlermeldung(-100003)) + "\nCOM 30 (" +
                                   pty.slavePath() + ") ist von einem anderen Programm belegt.",
                               100003}));
  std::string whole;
  GetCtrlAttribute(gMainPanel, MAINPANEL_FEHLERSTRING, ATTR_TOOLTIP_TEXT, &whole);
  EXPECT_EQ(whole, ErrorDisplays()[0].text);
  ::close(holder);

  // Freed again: the same choice opens it, and the tooltip names the device.
  ASSERT_EQ(qtui::UserCommitValue(gComPanel, COMPANEL_COMPORT, 30), 0);
  EXPECT_EQ(QorCom_ComPortGet(), 30);
  EXPECT_EQ(ErrorDisplays()[0], (kit::ErrorDisplay{0, "", 0}));
  std::string tooltip;
  GetCtrlAttribute(gComPanel, COMPANEL_COMPORT, ATTR_TOOLTIP_TEXT, &tooltip);
  EXPECT_EQ(tooltip, pty.slavePath());
  QorCom_Close();
}

}  // namespace
