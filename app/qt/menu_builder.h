#pragma once
// Menu bars built from their definitions, one per panel that names one.

#include "app/qt/runtime_state.h"

namespace qtui {

// Builds the bar into the panel's window; returns its handle.
int CreateMenuBar(int panel, PanelWindow* window, const ui::MenuBarDef& def);
// Forgets the bars of a discarded panel (its window deletes the widgets).
void ForgetMenuBarsOf(int panel);

}  // namespace qtui
