#pragma once
// The runtime's bookkeeping: loaded panels with their controls, menu bars,
// the popup stack and the event-loop state, addressed by the handles and IDs
// the API hands out. Widgets are owned by Qt (each panel window owns its
// controls); records refer to them.

#include <QRect>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/definition.h"
#include "ui/runtime.h"

class QAction;
class QEventLoop;
class QLabel;
class QMenu;
class QMenuBar;
class QTimer;
class QWidget;

namespace qtui {

class PanelWindow;

struct ControlRecord {
  ui::CtrlDef def;           // as loaded; limits, texts and ring items follow run-time changes
  QWidget* widget = nullptr; // null for timers
  QLabel* label = nullptr;   // the separate label, if the control has one
  QTimer* timer = nullptr;
  CtrlCallbackPtr callback = nullptr;
  void* callbackData = nullptr;
  double value = 0.0;        // numerics (unrounded), LEDs, toggles
  int index = -1;            // picture rings: the item shown
  int onColor = 0x00C000;    // LEDs
  int maxEntryLength = -1;   // strings, -1 = no limit
};

struct PanelRecord {
  int handle = 0;
  int parent = 0;
  ui::PanelDef def;                     // controls live in `controls`
  PanelWindow* window = nullptr;
  std::map<int, ControlRecord> controls;
  PanelCallbackPtr callback = nullptr;  // the definition's; panels get no callback data
  int menuBar = 0;
  int backColor = 0;
  int zoom = VAL_NO_ZOOM;
  QRect geometry;                       // left/top of the window, size of the client area
  bool taskbarButton = false;
};

struct MenuEntryRecord {
  int id = 0;
  ui::MenuKind kind = ui::MenuKind::Item;
  std::string constant;
  std::string name;          // the label as given, "" for separators and submenus
  int parent = 0;
  QMenu* menu = nullptr;     // menus and submenus
  QAction* action = nullptr; // what stands in the parent: item, separator, a menu's title
  MenuCallbackPtr callback = nullptr;
  void* callbackData = nullptr;
  std::string callbackName;
  bool checked = false;
};

struct MenuBarRecord {
  int handle = 0;
  int panel = 0;
  QMenuBar* bar = nullptr;
  std::map<int, MenuEntryRecord> entries;
  int nextId = 2;
};

struct RuntimeState {
  std::map<std::string, ui::Definition> definitions;
  std::map<int, PanelRecord> panels;
  std::map<int, MenuBarRecord> menuBars;
  int nextPanelHandle = 1;
  int nextMenuBarHandle = 1;
  std::vector<int> activation;  // panels, most recently displayed or activated last
  std::vector<int> popups;      // installed popups, topmost last
  int callbackDepth = 0;        // callbacks running now

  // RunUserInterface / QuitUserInterface
  QEventLoop* mainLoop = nullptr;
  bool quitRequested = false;     // asked for while no loop ran: the next run ends at once
  bool quitCodePending = false;   // asked for while the loop runs: it is ending
  int quitCode = 0;

  // GetUserEvent
  QEventLoop* userEventLoop = nullptr;
  bool userEventWaiting = false;
  int userEventWait = 1;
  int userEventPanel = 0;
  int userEventControl = 0;

  // ProcessDrawEvents: while it runs no callback is called; what would have
  // been is kept here and delivered once the operation has returned.
  int drawingDepth = 0;
  std::vector<std::function<void()>> heldBack;
  bool heldBackScheduled = false;
};

RuntimeState& State();

// The record under a handle or ID, or null.
template <typename Record>
Record* FindIn(std::map<int, Record>& records, int key) {
  auto found = records.find(key);
  return found == records.end() ? nullptr : &found->second;
}

PanelRecord* FindPanelRecord(int panel);
// A control's record, or null and the error that an operation on it answers:
// UIE_BAD_PANEL, UIE_BAD_CONTROL, or UIE_BAD_ATTRIBUTE when the control does
// not fit what the operation needs (`fits`, if given).
struct ControlLookup {
  ControlRecord* record;
  int error;
};
ControlLookup LookUpControl(int panel, int control, bool (*fits)(const ControlRecord&) = nullptr);
ControlRecord* FindControlRecord(int panel, int control);
MenuBarRecord* FindMenuBarRecord(int menuBar);

// Calls the callback, if any; the records may be gone when these return.
int DispatchCtrlEvent(int panel, int control, int event, int eventData1, int eventData2);
int DispatchPanelEvent(int panel, int event, int eventData1, int eventData2);
void DispatchMenuEvent(int menuBar, int item);

// True while ProcessDrawEvents runs: `deliver` is then kept for later
// instead of running now.
bool HoldBackWhileDrawing(std::function<void()> deliver);
// Schedules what was held back for the event loop, which delivers it once no
// callback runs any more.
void DeliverHeldBackLater();

// Moves the panel to the end of the activation order.
void NoteActivated(int panel);

// GetUserEvent as the screen answers it: runs the event loop until the next
// commit (or, when GetUserEvent was told not to wait, handles what is
// pending). EVENT_COMMIT with its panel and control, or EVENT_NONE.
int WaitForUserCommit(int* panel, int* control);

// The window's size for a client area of the panel's size, menu bar included.
void ApplyGeometry(PanelRecord& record);

}  // namespace qtui
