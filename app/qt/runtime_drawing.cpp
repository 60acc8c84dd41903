// Keeping the windows painted while a long operation holds the event loop:
// a pass over the pending events without user input, in which nothing that
// would call the program is delivered; it is held back until the operation
// has returned.

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <utility>

#include "app/qt/runtime_state.h"

namespace qtui {

bool HoldBackWhileDrawing(std::function<void()> deliver) {
  RuntimeState& state = State();
  if (state.drawingDepth == 0) return false;
  state.heldBack.push_back(std::move(deliver));
  return true;
}

void DeliverHeldBackLater() {
  RuntimeState& state = State();
  if (state.heldBack.empty() || state.heldBackScheduled || !QCoreApplication::instance()) return;
  state.heldBackScheduled = true;
  QTimer::singleShot(0, QCoreApplication::instance(), [] {
    RuntimeState& now = State();
    now.heldBackScheduled = false;
    // Still inside an operation (this ran in one of its drawing passes or in a
    // popup it opened): the operation's end schedules the delivery again.
    if (now.drawingDepth > 0 || now.callbackDepth > 0) return;
    const auto events = std::exchange(now.heldBack, {});
    for (const auto& deliver : events) deliver();
  });
}

}  // namespace qtui

int ProcessDrawEvents() {
  if (!QCoreApplication::instance()) return UIE_NO_RUNTIME;
  qtui::RuntimeState& state = qtui::State();
  ++state.drawingDepth;
  // Input stays queued by the window system until the loop runs again.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  --state.drawingDepth;
  if (state.callbackDepth == 0) qtui::DeliverHeldBackLater();
  return 0;
}
