// The event loop, the quit request, modal popups through the responder, and
// user events.

#include <QApplication>
#include <QEventLoop>
#include <memory>
#include <utility>

#include "app/qt/qt_popup_responder.h"
#include "app/qt/qt_runtime.h"
#include "app/qt/runtime_state.h"
#include "ui/popup_responder.h"

namespace qtui {
namespace {

std::shared_ptr<ui::PopupResponder> Responder() {
  if (auto responder = ui::CurrentPopupResponder()) return responder;
  static const auto fallback = std::make_shared<QtPopupResponder>();
  return fallback;
}

bool ValidButton(int number) { return number >= 0 && number <= 3; }

}  // namespace

void InstallQtRuntime() {
  QApplication::setQuitOnLastWindowClosed(false);
  ui::SetPopupResponder(std::make_shared<QtPopupResponder>());
}

int WaitForUserCommit(int* panel, int* control) {
  RuntimeState& state = State();
  const bool wasWaiting = std::exchange(state.userEventWaiting, true);
  state.userEventPanel = 0;
  state.userEventControl = 0;
  if (state.userEventWait) {
    QEventLoop loop;
    QEventLoop* outerLoop = std::exchange(state.userEventLoop, &loop);
    if (!state.quitRequested && !state.quitCodePending) loop.exec();
    state.userEventLoop = outerLoop;
  } else {
    QCoreApplication::processEvents();
  }
  state.userEventWaiting = wasWaiting;
  const int committedPanel = std::exchange(state.userEventPanel, 0);
  const int committedControl = std::exchange(state.userEventControl, 0);
  if (panel) *panel = committedPanel;
  if (control) *control = committedControl;
  return committedPanel != 0 ? EVENT_COMMIT : EVENT_NONE;
}

}  // namespace qtui

using qtui::State;

int RunUserInterface() {
  if (!QCoreApplication::instance()) return UIE_NO_RUNTIME;
  qtui::RuntimeState& state = State();
  // A quit requested before the loop ran ends it at once.
  if (!state.quitRequested) {
    QEventLoop loop;
    QEventLoop* outer = std::exchange(state.mainLoop, &loop);
    loop.exec();
    state.mainLoop = outer;
  }
  state.quitRequested = false;
  state.quitCodePending = false;
  return state.quitCode;
}

int QuitUserInterface(int code) {
  qtui::RuntimeState& state = State();
  state.quitCode = code;
  if (state.mainLoop) {
    state.quitCodePending = true;
    state.mainLoop->exit(code);
  } else {
    state.quitRequested = true;
  }
  // A wait for a user event ends too; the loop around it is ending.
  if (state.userEventLoop) state.userEventLoop->exit(0);
  return 0;
}

int SetSystemAttribute(int attribute, int) {
  // Qt has no application button of its own besides the windows' buttons:
  // whatever the program asks for, there is nothing to show or hide.
  return attribute == ATTR_TASKBAR_BUTTON_VISIBLE ? 0 : UIE_BAD_ATTRIBUTE;
}

int MessagePopup(const std::string& title, const std::string& message) {
  qtui::Responder()->messagePopup(title, message);
  return 0;
}

int GenericMessagePopup(const std::string& title, const std::string& message,
                        const std::string& button1, const std::string& button2,
                        const std::string& button3, int focusButton, int enterButton,
                        int escapeButton) {
  if (button1.empty() && button2.empty() && button3.empty()) return UIE_BAD_ATTRIBUTE;
  if (!qtui::ValidButton(focusButton) || !qtui::ValidButton(enterButton) || !qtui::ValidButton(escapeButton))
    return UIE_BAD_ATTRIBUTE;
  ui::GenericPopupRequest request{title, message, {button1, button2, button3},
                                  focusButton, enterButton, escapeButton};
  return qtui::Responder()->genericMessagePopup(request);
}

int FileSelectPopup(const std::string& defaultDirectory, const std::string& defaultFileSpec,
                    const std::string& fileTypeList, const std::string& title, int buttonLabel,
                    int restrictDirectory, int restrictExtension, int allowCancel,
                    int allowMakeDirectory, std::string* path) {
  if (!path || buttonLabel < VAL_OK_BUTTON || buttonLabel > VAL_LOAD_BUTTON) return UIE_BAD_ATTRIBUTE;
  ui::FileSelectRequest request{defaultDirectory,       defaultFileSpec,  fileTypeList,
                                title,                  buttonLabel,      restrictDirectory != 0,
                                restrictExtension != 0, allowCancel != 0, allowMakeDirectory != 0};
  path->clear();
  return qtui::Responder()->fileSelectPopup(request, path);
}

int GetUserEvent(int wait, int* panel, int* control) {
  qtui::RuntimeState& state = State();
  const int popup = state.popups.empty() ? 0 : state.popups.back();
  const int outerWait = std::exchange(state.userEventWait, wait);
  int eventPanel = 0;
  int eventControl = 0;
  const int event = qtui::Responder()->userEvent(popup, &eventPanel, &eventControl);
  state.userEventWait = outerWait;
  if (panel) *panel = eventPanel;
  if (control) *control = eventControl;
  return event;
}
