#include "app/qt/runtime_state.h"

#include <QEventLoop>
#include <vector>

#include "app/qt/panel_window.h"

namespace qtui {
namespace {
// Counts the callbacks running, so that a panel discarded by one of them is
// deleted only after the Qt signal that called it has returned.
class CallbackScope {
 public:
  CallbackScope() { ++State().callbackDepth; }
  ~CallbackScope() {
    if (--State().callbackDepth == 0) DeliverHeldBackLater();
  }
  CallbackScope(const CallbackScope&) = delete;
  CallbackScope& operator=(const CallbackScope&) = delete;
};

// GetUserEvent waits for the next commit of any control.
void NoteUserEvent(int panel, int control) {
  RuntimeState& state = State();
  if (!state.userEventWaiting || state.userEventPanel != 0) return;
  state.userEventPanel = panel;
  state.userEventControl = control;
  if (state.userEventLoop) state.userEventLoop->exit(0);
}
}  // namespace

RuntimeState& State() {
  static RuntimeState state;
  return state;
}

PanelRecord* FindPanelRecord(int panel) { return FindIn(State().panels, panel); }

ControlLookup LookUpControl(int panel, int control, bool (*fits)(const ControlRecord&)) {
  PanelRecord* record = FindPanelRecord(panel);
  if (!record) return {nullptr, UIE_BAD_PANEL};
  ControlRecord* found = FindIn(record->controls, control);
  if (!found) return {nullptr, UIE_BAD_CONTROL};
  if (fits && !fits(*found)) return {nullptr, UIE_BAD_ATTRIBUTE};
  return {found, 0};
}

ControlRecord* FindControlRecord(int panel, int control) { return LookUpControl(panel, control).record; }

MenuBarRecord* FindMenuBarRecord(int menuBar) { return FindIn(State().menuBars, menuBar); }

int DispatchCtrlEvent(int panel, int control, int event, int eventData1, int eventData2) {
  const auto [record, error] = LookUpControl(panel, control);
  if (!record) return error;
  // A tick inside a long operation is dropped: the timer ticks again at its
  // interval, and status polling never puts a frame into a transfer.
  if (event == EVENT_TIMER_TICK && State().drawingDepth > 0) return 0;
  if (HoldBackWhileDrawing([=] { DispatchCtrlEvent(panel, control, event, eventData1, eventData2); }))
    return 0;
  CtrlCallbackPtr callback = record->callback;
  void* data = record->callbackData;
  int result = 0;
  if (callback) {
    CallbackScope scope;
    result = callback(panel, control, event, data, eventData1, eventData2);
  }
  if (event == EVENT_COMMIT) NoteUserEvent(panel, control);
  return result;
}

int DispatchPanelEvent(int panel, int event, int eventData1, int eventData2) {
  PanelRecord* record = FindPanelRecord(panel);
  if (!record) return UIE_BAD_PANEL;
  if (!record->callback) return 0;
  // A close request during a long operation is answered after it, so that the
  // quit question never runs inside it.
  if (HoldBackWhileDrawing([=] { DispatchPanelEvent(panel, event, eventData1, eventData2); })) return 0;
  PanelCallbackPtr callback = record->callback;
  CallbackScope scope;
  return callback(panel, event, nullptr, eventData1, eventData2);
}

void DispatchMenuEvent(int menuBar, int item) {
  MenuBarRecord* bar = FindMenuBarRecord(menuBar);
  if (!bar) return;
  MenuEntryRecord* entry = FindIn(bar->entries, item);
  if (!entry || !entry->callback) return;
  if (HoldBackWhileDrawing([=] { DispatchMenuEvent(menuBar, item); })) return;
  MenuCallbackPtr callback = entry->callback;
  void* data = entry->callbackData;
  const int panel = bar->panel;
  CallbackScope scope;
  callback(menuBar, item, data, panel);
}

void NoteActivated(int panel) {
  auto& order = State().activation;
  std::erase(order, panel);
  order.push_back(panel);
}

void ApplyGeometry(PanelRecord& record) {
  const QRect& g = record.geometry;
  record.window->setGeometry(g.left(), g.top(), g.width(), g.height() + record.window->menuBarHeight());
  record.window->arrange();
}

}  // namespace qtui
