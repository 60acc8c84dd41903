#pragma once
// What the operator does on a control's widgets, as events to its callback:
// mouse clicks and key presses, real or sent as a hand would send them.

#include <QEvent>

#include "app/qt/runtime_state.h"

class QObject;
class QWidget;

namespace qtui {

// The filter that turns mouse clicks and key presses on a panel's controls
// into callback events; one per panel window, owned by it.
QObject* NewControlEventFilter(QObject* owner);
// Marks the widget and its inner widgets (a spin box's line edit) as the
// control's, for the filter.
void WatchControl(QWidget* widget, int panel, int control, QObject* eventFilter);
// The control a widget shows, and its panel; null for any other widget.
ControlRecord* ControlOf(const QWidget* widget, int* panel = nullptr);

// A left click in the middle of the widget, as the mouse delivers it: the
// click event to the callback, then whatever the widget does with a click.
void SendLeftClick(QWidget* widget);
// One mouse event of the left button in the middle of the widget; `buttons`
// are those held after it.
void SendLeftMouse(QWidget* widget, QEvent::Type type, Qt::MouseButtons buttons);

}  // namespace qtui
