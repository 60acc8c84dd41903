#pragma once
// What assistive technology (screen readers, UI automation over AT-SPI) finds
// on a panel. Each control's accessible name is the text the operator sees;
// its description is the control's constant name ("PROGLESEN"), a handle for
// automation that no label change moves. Buttons, toggles, rings, LEDs and
// pictures get interfaces of their own: LEDs tell their state and colour, the
// COM picture its port, and every action offered goes the way of the
// operator's click, through the control's callback.

#include "app/qt/runtime_state.h"

class QWidget;

namespace qtui {

// Once the control's widget is built: its name and description, and the
// runtime's own interface where the control has one.
void SetUpAccessibility(ControlRecord& control);
// After the program changed what the control shows: a label, a caption, a
// toggle's text, a text message or what a display shows.
void RefreshAccessibleName(ControlRecord& control);
// After an LED went on or off.
void NotifyAccessibleChecked(QWidget* led);
// After a picture ring showed another item: the value it shows now.
void NotifyAccessibleValue(QWidget* picture, double value);

}  // namespace qtui
