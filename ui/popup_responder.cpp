#include "ui/popup_responder.h"

#include <utility>

namespace ui {
namespace {
std::shared_ptr<PopupResponder>& current() {
  static std::shared_ptr<PopupResponder> responder;
  return responder;
}
}  // namespace

std::shared_ptr<PopupResponder> SetPopupResponder(std::shared_ptr<PopupResponder> responder) {
  return std::exchange(current(), std::move(responder));
}

std::shared_ptr<PopupResponder> CurrentPopupResponder() { return current(); }

}  // namespace ui
