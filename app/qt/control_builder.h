#pragma once
// Builds a control from its definition on a panel's window: its kind's
// widget in the control's box, the label beside it, its initial value, and
// what the operator does with it wired to its callback.

#include "app/qt/runtime_state.h"

class QObject;

namespace qtui {

ControlRecord BuildControl(int panel, PanelWindow* window, QObject* eventFilter,
                           const ui::CtrlDef& def);

}  // namespace qtui
