// What reaches the callbacks: commits, clicks, key presses, timer ticks and
// the close box; and what does not: values the code sets.

#include <QApplication>
#include <QTimer>

#include "app/qt/qt_runtime_testing.h"
#include "tests/kit/qt_runtime_fixture.h"

namespace kit {
namespace {

using EventsTest = RuntimeTest;

TEST_F(EventsTest, UserActionsCommitWithTheNewValue) {
  struct Case {
    const char* what;
    int (*act)(int panel);
    int control;
    double value;
  } cases[] = {
      {"button", [](int p) { return qtui::UserCommit(p, BUTTON); }, BUTTON, 0},
      {"ring index", [](int p) { return qtui::UserCommitIndex(p, ADDRESS, 6); }, ADDRESS, '7'},
      {"ring value", [](int p) { return qtui::UserCommitValue(p, SOURCE, 3.0); }, SOURCE, 3.0},
      {"numeric", [](int p) { return qtui::UserCommitValue(p, NUMERIC, 7.5); }, NUMERIC, 7.5},
      {"numeric typed too high", [](int p) { return qtui::UserCommitValue(p, COUNT, 500); }, COUNT, 125},
      {"numeric as it stands", [](int p) { return qtui::UserCommit(p, COUNT); }, COUNT, 125},
      {"toggle", [](int p) { return qtui::UserCommit(p, TOGGLE); }, TOGGLE, 1},
      {"picture ring", [](int p) { return qtui::UserCommitIndex(p, COMRING, 3); }, COMRING, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Events().clear();
    EXPECT_EQ(c.act(panel), 0);
    EXPECT_EQ(Events(), (std::vector<Event>{{panel, c.control, EVENT_COMMIT, nullptr, 0, 0}}));
    double value = 0;
    if (c.control != BUTTON) {
      EXPECT_EQ(GetCtrlVal(panel, c.control, &value), 0);
      EXPECT_EQ(value, c.value);
    }
  }
}

TEST_F(EventsTest, TypedTextCommits) {
  EXPECT_EQ(qtui::UserCommitText(panel, NAME, "Prüfling"), 0);
  EXPECT_EQ(Events(), (std::vector<Event>{{panel, NAME, EVENT_COMMIT, nullptr, 0, 0}}));
  std::string text;
  EXPECT_EQ(GetCtrlVal(panel, NAME, &text), 0);
  EXPECT_EQ(text, "Prüfling");
}

TEST_F(EventsTest, ValuesSetByTheCodeDoNotCommit) {
  EXPECT_EQ(SetCtrlVal(panel, NUMERIC, 9.0), 0);
  EXPECT_EQ(SetCtrlVal(panel, COUNT, 1000), 0);
  EXPECT_EQ(SetCtrlVal(panel, ADDRESS, int{'3'}), 0);
  EXPECT_EQ(SetCtrlIndex(panel, SOURCE, 1), 0);
  EXPECT_EQ(SetCtrlVal(panel, TOGGLE, 1), 0);
  EXPECT_EQ(SetCtrlVal(panel, NAME, "xyz"), 0);
  EXPECT_EQ(SetCtrlVal(panel, COMRING, 5), 0);
  EXPECT_EQ(SetCtrlAttribute(panel, COUNT, ATTR_MAX_VALUE, 2), 0);
  EXPECT_EQ(ClearListCtrl(panel, PORTS), 0);
  EXPECT_EQ(InsertListItem(panel, PORTS, -1, "COM1", 1), 0);
  QApplication::processEvents();
  EXPECT_TRUE(Events().empty());
}

TEST_F(EventsTest, ClicksReachTheCallbackWithTheirPosition) {
  const int y = 240 + 20, x = 230 + 30;  // the middle of the picture ring
  EXPECT_EQ(qtui::UserClick(panel, COMRING), 0);
  EXPECT_EQ(Events(), (std::vector<Event>{{panel, COMRING, EVENT_LEFT_CLICK, nullptr, y, x}}));
  Events().clear();
  EXPECT_EQ(qtui::UserDoubleClick(panel, COMRING), 0);
  ASSERT_EQ(Events().size(), 2u);
  EXPECT_EQ(Events()[1], (Event{panel, COMRING, EVENT_LEFT_DOUBLE_CLICK, nullptr, y, x}));
  Events().clear();
  // A button is clicked, then pressed.
  EXPECT_EQ(qtui::UserClick(panel, BUTTON), 0);
  ASSERT_EQ(Events().size(), 2u);
  EXPECT_EQ(Events()[0].event, EVENT_LEFT_CLICK);
  EXPECT_EQ(Events()[1].event, EVENT_COMMIT);
}

// The port ring refills its list when it is clicked, before the list opens.
int RefillOnClick(int panel, int control, int event, void*, int, int) {
  if (event == EVENT_LEFT_CLICK || event == EVENT_KEYPRESS) {
    ClearListCtrl(panel, control);
    InsertListItem(panel, control, -1, "COM7", 7);
  }
  Events().push_back({panel, control, event, nullptr, 0, 0});
  return 0;
}

TEST_F(EventsTest, RingHearsClicksAndKeysBeforeItsListOpens) {
  EXPECT_EQ(InstallCtrlCallback(panel, PORTS, RefillOnClick, nullptr), 0);
  EXPECT_EQ(qtui::UserKeyPress(panel, PORTS, Qt::Key_F4), 0);
  ASSERT_FALSE(Events().empty());
  EXPECT_EQ(Events()[0].event, EVENT_KEYPRESS);
  int value = 0;
  EXPECT_EQ(GetCtrlVal(panel, PORTS, &value), 0);
  EXPECT_EQ(value, 7);
  Events().clear();
  EXPECT_EQ(qtui::UserClick(panel, PORTS), 0);
  ASSERT_FALSE(Events().empty());
  EXPECT_EQ(Events()[0].event, EVENT_LEFT_CLICK);
}

TEST_F(EventsTest, KeyPressCarriesKeyAndCharacter) {
  EXPECT_EQ(qtui::UserKeyPress(panel, NAME, Qt::Key_A), 0);
  ASSERT_FALSE(Events().empty());
  EXPECT_EQ(Events()[0], (Event{panel, NAME, EVENT_KEYPRESS, nullptr, Qt::Key_A, 'A'}));
}

TEST_F(EventsTest, CallbackGetsItsData) {
  int data = 0;
  EXPECT_EQ(InstallCtrlCallback(panel, LOAD, RecordCtrl, &data), 0);
  EXPECT_EQ(qtui::UserCommit(panel, LOAD), 0);
  EXPECT_EQ(Events(), (std::vector<Event>{{panel, LOAD, EVENT_COMMIT, &data, 0, 0}}));
}

TEST_F(EventsTest, DimmedControlsTakeNoInput) {
  EXPECT_EQ(SetCtrlAttribute(panel, BUTTON, ATTR_DIMMED, 1), 0);
  EXPECT_EQ(qtui::UserCommit(panel, BUTTON), UIE_BAD_ATTRIBUTE);
  EXPECT_EQ(qtui::UserClick(panel, BUTTON), UIE_BAD_ATTRIBUTE);
  EXPECT_TRUE(Events().empty());
}

TEST_F(EventsTest, TimerTicksReachTheCallback) {
  EXPECT_EQ(qtui::FireTimerTick(panel, TIMER), 0);
  EXPECT_EQ(Events(), (std::vector<Event>{{panel, TIMER, EVENT_TIMER_TICK, nullptr, 0, 0}}));
  EXPECT_EQ(qtui::FireTimerTick(panel, LED), UIE_BAD_ATTRIBUTE);
  int enabled = -1;
  double interval = 0;
  EXPECT_EQ(GetCtrlAttribute(panel, TIMER, ATTR_ENABLED, &enabled), 0);
  EXPECT_EQ(GetCtrlAttribute(panel, TIMER, ATTR_INTERVAL, &interval), 0);
  EXPECT_EQ(enabled, 0);
  EXPECT_EQ(interval, 1.0);
}

int QuitOnTick(int, int, int event, void*, int, int) {
  if (event == EVENT_TIMER_TICK) QuitUserInterface(42);
  return 0;
}

TEST_F(EventsTest, EnabledTimerTicksInTheEventLoopUntilTheQuit) {
  EXPECT_EQ(InstallCtrlCallback(panel, TIMER, QuitOnTick, nullptr), 0);
  EXPECT_EQ(SetCtrlAttribute(panel, TIMER, ATTR_INTERVAL, 0.001), 0);
  EXPECT_EQ(SetCtrlAttribute(panel, TIMER, ATTR_ENABLED, 1), 0);
  EXPECT_EQ(RunUserInterface(), 42);
  EXPECT_EQ(SetCtrlAttribute(panel, TIMER, ATTR_ENABLED, 0), 0);
}

TEST_F(EventsTest, QuitBeforeTheLoopEndsItAtOnce) {
  EXPECT_EQ(QuitUserInterface(3), 0);
  EXPECT_EQ(RunUserInterface(), 3);
  QTimer::singleShot(0, [] { QuitUserInterface(-1); });
  EXPECT_EQ(RunUserInterface(), -1);
}

TEST_F(EventsTest, CloseBoxAsksThePanelAndLeavesTheWindowOpen) {
  EXPECT_EQ(DisplayPanel(panel), 0);
  EXPECT_EQ(qtui::UserClosePanel(panel), 0);
  EXPECT_EQ(Events(), (std::vector<Event>{{panel, 0, EVENT_CLOSE, nullptr, 0, 0}}));
  EXPECT_TRUE(qtui::IsPanelVisible(panel));
}

int DiscardOwnPanel(int panel, int, int event, void*, int, int) {
  if (event == EVENT_COMMIT) DiscardPanel(panel);
  return 0;
}

TEST_F(EventsTest, PanelDiscardedByItsOwnCallbackGoesQuietly) {
  EXPECT_EQ(InstallCtrlCallback(panel, BUTTON, DiscardOwnPanel, nullptr), 0);
  EXPECT_EQ(qtui::UserClick(panel, BUTTON), 0);
  EXPECT_EQ(DisplayPanel(panel), UIE_BAD_PANEL);
  EXPECT_EQ(DisplayPanel(child), UIE_BAD_PANEL);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  panel = 0;
}

}  // namespace
}  // namespace kit
