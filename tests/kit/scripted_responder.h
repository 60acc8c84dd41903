#pragma once
// A popup responder for tests: answers from a script and records every popup
// shown. When the script has no answer left it takes the way out the popup
// offers (the escape button, cancel, no event) and records that, so a test
// never waits on a dialog.

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/popup_responder.h"

namespace kit {

enum class PopupKind { Message, Generic, FileSelect, UserEvent };

struct ShownPopup {
  PopupKind kind = PopupKind::Message;
  std::string title;
  std::string text;
  std::vector<std::string> buttons;  // generic popups: the three labels, "" = none
  int focusButton = 0;
  int enterButton = 0;
  int escapeButton = 0;
  ui::FileSelectRequest file;        // file dialogs
  int popupPanel = 0;                // user events: the popup waited on
  int answer = 0;                    // button, file result or event returned
  std::string path;                  // file dialogs: the path returned
  int control = 0;                   // user events: the control committed
  bool scripted = true;              // false: answered because the script was empty
};

class ScriptedResponder : public ui::PopupResponder {
 public:
  // Queued answers, used in order, one queue per kind of popup.
  void answerGeneric(int button);
  void answerFile(int result, const std::string& path);
  // Before the commit is reported, `prepare` may set values on the popup
  // (it gets the popup's panel handle).
  void answerUserEvent(int control, std::function<void(int popupPanel)> prepare = {});
  // Sets texts on string controls of the popup, then commits `control`.
  void answerUserEventWithTexts(int control, std::vector<std::pair<int, std::string>> texts);

  const std::vector<ShownPopup>& shown() const { return shown_; }
  const ShownPopup* last() const { return shown_.empty() ? nullptr : &shown_.back(); }
  // Popups answered without a scripted answer.
  int unscriptedCount() const;
  // Answers queued but not used yet.
  std::size_t pendingAnswers() const;
  void clear();

  void messagePopup(const std::string& title, const std::string& message) override;
  int genericMessagePopup(const ui::GenericPopupRequest& request) override;
  int fileSelectPopup(const ui::FileSelectRequest& request, std::string* path) override;
  int userEvent(int popupPanel, int* panel, int* control) override;

 private:
  struct FileAnswer {
    int result;
    std::string path;
  };
  struct UserEventAnswer {
    int control;
    std::function<void(int)> prepare;
  };
  std::deque<int> genericAnswers_;
  std::deque<FileAnswer> fileAnswers_;
  std::deque<UserEventAnswer> userEventAnswers_;
  std::vector<ShownPopup> shown_;
};

// Installs a fresh scripted responder for the lifetime of the object and puts
// the previous one back afterwards.
class ScopedScriptedResponder {
 public:
  ScopedScriptedResponder();
  ~ScopedScriptedResponder();
  ScopedScriptedResponder(const ScopedScriptedResponder&) = delete;
  ScopedScriptedResponder& operator=(const ScopedScriptedResponder&) = delete;

  ScriptedResponder& operator*() const { return *responder_; }
  ScriptedResponder* operator->() const { return responder_.get(); }
  std::shared_ptr<ScriptedResponder> get() const { return responder_; }

 private:
  std::shared_ptr<ScriptedResponder> responder_;
  std::shared_ptr<ui::PopupResponder> previous_;
};

}  // namespace kit
