#pragma once
// Every modal popup of the runtime goes through one responder: the program's
// shows real dialogs, a test's answers from a script and records what was
// shown, so no test ever blocks on a dialog.

#include <memory>
#include <string>

namespace ui {

struct GenericPopupRequest {
  std::string title;
  std::string message;
  std::string buttons[3];  // empty = no such button
  int focusButton = 0;
  int enterButton = 0;
  int escapeButton = 0;
};

struct FileSelectRequest {
  std::string defaultDirectory;
  std::string defaultFileSpec;
  std::string fileTypeList;
  std::string title;
  int buttonLabel = 0;
  bool restrictDirectory = false;
  bool restrictExtension = false;
  bool allowCancel = true;
  bool allowMakeDirectory = false;
};

class PopupResponder {
 public:
  virtual ~PopupResponder() = default;
  virtual void messagePopup(const std::string& title, const std::string& message) = 0;
  // The chosen button, 1 to 3.
  virtual int genericMessagePopup(const GenericPopupRequest& request) = 0;
  // VAL_NO_FILE_SELECTED, VAL_EXISTING_FILE_SELECTED or VAL_NEW_FILE_SELECTED.
  virtual int fileSelectPopup(const FileSelectRequest& request, std::string* path) = 0;
  // A panel is up as a modal popup and the code waits for its next commit:
  // the responder may set values on it and names the committed control.
  // Returns EVENT_COMMIT, or EVENT_NONE when there is nothing to answer.
  virtual int userEvent(int popupPanel, int* panel, int* control) = 0;
};

// Replaces the responder; returns the previous one.
std::shared_ptr<PopupResponder> SetPopupResponder(std::shared_ptr<PopupResponder> responder);
std::shared_ptr<PopupResponder> CurrentPopupResponder();

}  // namespace ui
