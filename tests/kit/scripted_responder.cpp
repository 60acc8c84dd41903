#include "tests/kit/scripted_responder.h"

#include <algorithm>

#include "ui/runtime.h"

namespace kit {

void ScriptedResponder::answerGeneric(int button) { genericAnswers_.push_back(button); }

void ScriptedResponder::answerFile(int result, const std::string& path) {
  fileAnswers_.push_back({result, path});
}

void ScriptedResponder::answerUserEvent(int control, std::function<void(int)> prepare) {
  userEventAnswers_.push_back({control, std::move(prepare)});
}

void ScriptedResponder::answerUserEventWithTexts(int control,
                                                 std::vector<std::pair<int, std::string>> texts) {
  answerUserEvent(control, [texts = std::move(texts)](int popupPanel) {
    for (const auto& [id, text] : texts) SetCtrlVal(popupPanel, id, text);
  });
}

int ScriptedResponder::unscriptedCount() const {
  return static_cast<int>(
      std::count_if(shown_.begin(), shown_.end(), [](const ShownPopup& p) { return !p.scripted; }));
}

std::size_t ScriptedResponder::pendingAnswers() const {
  return genericAnswers_.size() + fileAnswers_.size() + userEventAnswers_.size();
}

void ScriptedResponder::clear() {
  genericAnswers_.clear();
  fileAnswers_.clear();
  userEventAnswers_.clear();
  shown_.clear();
}

void ScriptedResponder::messagePopup(const std::string& title, const std::string& message) {
  ShownPopup popup;
  popup.kind = PopupKind::Message;
  popup.title = title;
  popup.text = message;
  popup.buttons = {"OK", "", ""};
  shown_.push_back(std::move(popup));
}

int ScriptedResponder::genericMessagePopup(const ui::GenericPopupRequest& request) {
  ShownPopup popup;
  popup.kind = PopupKind::Generic;
  popup.title = request.title;
  popup.text = request.message;
  popup.buttons.assign(std::begin(request.buttons), std::end(request.buttons));
  popup.focusButton = request.focusButton;
  popup.enterButton = request.enterButton;
  popup.escapeButton = request.escapeButton;
  if (!genericAnswers_.empty()) {
    popup.answer = genericAnswers_.front();
    genericAnswers_.pop_front();
  } else {
    // Nobody scripted an answer: take the escape button, else the first one.
    popup.scripted = false;
    popup.answer = request.escapeButton > 0 ? request.escapeButton : 1;
  }
  shown_.push_back(popup);
  return popup.answer;
}

int ScriptedResponder::fileSelectPopup(const ui::FileSelectRequest& request, std::string* path) {
  ShownPopup popup;
  popup.kind = PopupKind::FileSelect;
  popup.title = request.title;
  popup.file = request;
  if (!fileAnswers_.empty()) {
    popup.answer = fileAnswers_.front().result;
    popup.path = fileAnswers_.front().path;
    fileAnswers_.pop_front();
  } else {
    popup.scripted = false;
    popup.answer = VAL_NO_FILE_SELECTED;
  }
  if (path) *path = popup.path;
  shown_.push_back(popup);
  return popup.answer;
}

int ScriptedResponder::userEvent(int popupPanel, int* panel, int* control) {
  ShownPopup popup;
  popup.kind = PopupKind::UserEvent;
  popup.popupPanel = popupPanel;
  GetPanelAttribute(popupPanel, ATTR_TITLE, &popup.title);
  if (!userEventAnswers_.empty()) {
    UserEventAnswer next = std::move(userEventAnswers_.front());
    userEventAnswers_.pop_front();
    if (next.prepare) next.prepare(popupPanel);
    popup.answer = EVENT_COMMIT;
    popup.control = next.control;
  } else {
    popup.scripted = false;
    popup.answer = EVENT_NONE;
  }
  if (panel) *panel = popup.answer == EVENT_COMMIT ? popupPanel : 0;
  if (control) *control = popup.control;
  shown_.push_back(popup);
  return popup.answer;
}

ScopedScriptedResponder::ScopedScriptedResponder()
    : responder_(std::make_shared<ScriptedResponder>()),
      previous_(ui::SetPopupResponder(responder_)) {}

ScopedScriptedResponder::~ScopedScriptedResponder() { ui::SetPopupResponder(previous_); }

}  // namespace kit
