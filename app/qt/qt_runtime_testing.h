#pragma once
// Hooks for tests and tools: they operate a panel as a user would (through
// the same widget signals and events), so the callbacks see exactly what a
// real press, click or close produces. Results as the runtime's: 0 or a
// negative UIE_ code (UIE_BAD_ATTRIBUTE when the control cannot take that
// action, for instance because it is dimmed, or its value because it only
// displays).

#include <functional>
#include <string>
#include <vector>

class QRect;
class QWidget;

namespace qtui {

// Buttons: a press. Toggles: switches the state. Rings, numerics, strings:
// commits the value they show. Each ends with EVENT_COMMIT to the callback.
int UserCommit(int panel, int control);
// Rings and picture rings: choose the item, then commit.
int UserCommitIndex(int panel, int control, int index);
// Rings (by item value), numerics (clamped as typed), toggles (0/1):
// set the value as the user would, then commit.
int UserCommitValue(int panel, int control, double value);
// Strings: type the text (cut to the maximum length), then commit.
int UserCommitText(int panel, int control, const std::string& text);

// Left click / left double click in the middle of the control. A button also
// commits, as a real click does. eventData1/2 are the y/x panel coordinates.
int UserClick(int panel, int control);
int UserDoubleClick(int panel, int control);
// A key press on the control (key: a Qt::Key code). The callback gets
// EVENT_KEYPRESS with eventData1 = key, eventData2 = the character, if any.
int UserKeyPress(int panel, int control, int key);

// One tick of a timer control, as its interval ending would deliver it
// (also while it is disabled, so tests need not wait).
int FireTimerTick(int panel, int control);

// A menu item chosen with the mouse; dimmed items cannot be chosen.
int UserChooseMenuItem(int menuBar, int item);
// The same by the labels shown: {"Datei", "Beenden"}, or three labels for an
// item of a submenu.
int UserChooseMenuItem(int panel, const std::vector<std::string>& labels);

// The window's close box: the panel callback gets EVENT_CLOSE.
int UserClosePanel(int panel);

// Presses the Enter button of the next message box, from the event loop it
// runs, once it has stood on the screen for a moment (as an operator reads
// it first); `shown` gets where it stands, in screen coordinates, before.
void UserAnswerNextMessageBox(std::function<void(const QRect& where)> shown);

bool IsPanelVisible(int panel);
// The panel's window (menu bar and client area), null for a bad handle.
QWidget* PanelWidget(int panel);
// The widget that shows a control, null for timers and bad IDs.
QWidget* ControlWidget(int panel, int control);

// Renders the panel, shown or not, to a PNG file: the client area only, or
// with the menu bar above it.
bool SavePanelImage(int panel, const std::string& pngPath, bool withMenuBar);
// Renders one menu of a menu bar (as it drops down) to a PNG file.
bool SaveMenuImage(int menuBar, int menu, const std::string& pngPath);

// The share of the pixels in `area` (screen coordinates) where the window
// system shows something other than the panel as it draws itself: near 0
// when the screen is up to date, near 1 where another window or a stale image
// covers it (1 also when the area is not inside the panel's window).
double ScreenDiffersFromPanel(int panel, const QRect& area);

}  // namespace qtui
