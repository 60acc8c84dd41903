#pragma once
// Builds a control's widgets from its definition on a panel's client area and
// wires what the user does with them to the control's callback; and the few
// ways the runtime changes what a control shows.

#include "app/qt/runtime_state.h"

class QObject;
class QWidget;

namespace qtui {

ControlRecord BuildControl(int panel, PanelWindow* window, QObject* eventFilter,
                           const ui::CtrlDef& def);

// Rings and picture rings: the item shown, -1 when the list is empty.
int CurrentIndex(const ControlRecord& control);
void ShowIndex(ControlRecord& control, int index);
// Rings: the list after def.items changed, keeping the index shown.
void ShowRingItems(ControlRecord& control, int index);

// Numerics, LEDs, toggles: show the value (numerics clamp it); never commits.
void ShowNumber(ControlRecord& control, double value);
// Numerics: limits, increment and precision after def changed.
void ShowLimits(ControlRecord& control);
void ShowToggleText(ControlRecord& control);
void ShowLabel(ControlRecord& control);
void PlaceLabel(ControlRecord& control);

// Rings and picture rings: the item chosen as the operator chooses it, then
// committed.
void ChooseRingItem(ControlRecord& ring, int panel, int index);

bool IsRing(const ControlRecord& control);
// Rings: the index of the first item with this value, or -1.
int ItemIndexOf(const ControlRecord& ring, double value);
bool HasNumber(const ControlRecord& control);  // numerics, LEDs, toggles, rings
bool HasText(const ControlRecord& control);    // strings, text messages

}  // namespace qtui
