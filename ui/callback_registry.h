#pragma once
// Callbacks by the names that panel definitions give; runtimes look them up
// when they load a panel or menu bar.

#include <string>

#include "ui/runtime.h"

namespace ui {

CtrlCallbackPtr FindCtrlCallback(const std::string& name);    // null when unknown
PanelCallbackPtr FindPanelCallback(const std::string& name);
MenuCallbackPtr FindMenuCallback(const std::string& name);

}  // namespace ui
