#pragma once
// The responder of the program: real Qt message boxes and file dialogs, and
// user events read from the popup panels on the screen.

#include "ui/popup_responder.h"

namespace qtui {

class QtPopupResponder : public ui::PopupResponder {
 public:
  void messagePopup(const std::string& title, const std::string& message) override;
  int genericMessagePopup(const ui::GenericPopupRequest& request) override;
  int fileSelectPopup(const ui::FileSelectRequest& request, std::string* path) override;
  int userEvent(int popupPanel, int* panel, int* control) override;
};

}  // namespace qtui
