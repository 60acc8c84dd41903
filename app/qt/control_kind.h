#pragma once
// What a kind of control is on the screen: how it is built, how it shows and
// gives its value, what assistive technology finds on it, and how the
// operator's hand operates it. Each kind is one class in app/qt/kinds/; the
// rest of the runtime asks a control's kind instead of switching over kinds.
// Results as the runtime's: 0 or a negative UIE_ code; an operation a kind
// does not have answers UIE_BAD_ATTRIBUTE.

#include <QAccessible>
#include <QString>
#include <QStringList>
#include <string>

#include "app/qt/runtime_state.h"

namespace qtui {

class ControlKind {
 public:
  virtual ~ControlKind() = default;

  // Building: the widget on the window's client area, wired to the control's
  // callback; a timer has none and gets its QTimer instead. A kind that takes
  // texts from the label puts them into the control's definition first.
  virtual QWidget* build(int panel, ControlRecord& control, PanelWindow* window) const = 0;
  // Whether the definition's label stands beside the widget (the others show
  // it on themselves, or nowhere).
  virtual bool hasLabelBeside() const { return true; }
  // The definition's initial value, once the widget stands.
  virtual void showInitial(ControlRecord& control) const { setNumber(control, control.def.initial); }

  // The value as the program sets and reads it. Showing a value never commits.
  virtual int setNumber(ControlRecord&, double) const { return UIE_BAD_ATTRIBUTE; }
  virtual int number(const ControlRecord&, double*) const { return UIE_BAD_ATTRIBUTE; }
  virtual int setText(ControlRecord&, const std::string&) const { return UIE_BAD_ATTRIBUTE; }
  virtual int text(const ControlRecord&, std::string*) const { return UIE_BAD_ATTRIBUTE; }
  // The label text (ATTR_LABEL_TEXT): by default the label beside the control.
  virtual int setLabel(ControlRecord& control, const std::string& label) const;
  virtual std::string label(const ControlRecord& control) const { return control.def.label; }
  // The attributes only some kinds have: limits, length, colour, timing, texts.
  virtual int setAttribute(ControlRecord&, int, double) const { return UIE_BAD_ATTRIBUTE; }
  virtual int attribute(const ControlRecord&, int, double*) const { return UIE_BAD_ATTRIBUTE; }
  virtual int setAttribute(ControlRecord&, int, const std::string&) const { return UIE_BAD_ATTRIBUTE; }
  virtual int attribute(const ControlRecord&, int, std::string*) const { return UIE_BAD_ATTRIBUTE; }

  // What assistive technology finds. The accessible name is the text the
  // operator reads on or beside the control; by default its label, and
  // without one the title of its window, which says what it is for
  // ("Umbenennen").
  virtual QString visibleText(const ControlRecord& control) const;
  // Whether the runtime's own interface stands for the control instead of
  // the toolkit's (a display always has it), and what that interface tells.
  virtual bool hasOwnInterface() const { return false; }
  virtual QAccessible::Role role() const { return QAccessible::Button; }
  virtual void addState(const ControlRecord&, QAccessible::State&) const {}
  virtual QStringList actionNames() const { return {}; }
  // Kinds that show a value tell it as a text; the picture ring also as its
  // number.
  virtual bool showsValue() const { return false; }
  virtual QString shownText(const ControlRecord&) const { return {}; }
  virtual bool hasAccessibleNumber() const { return false; }

  // The operator's hand: commit what the control shows, or a value or a
  // text put in first, each ending with EVENT_COMMIT to the callback.
  virtual int commit(int, ControlRecord&) const { return UIE_BAD_ATTRIBUTE; }
  virtual int commitValue(int, ControlRecord&, double) const { return UIE_BAD_ATTRIBUTE; }
  virtual int commitText(int, ControlRecord&, const std::string&) const { return UIE_BAD_ATTRIBUTE; }
};

const ControlKind& KindOf(ui::CtrlKind kind);
inline const ControlKind& KindOf(const ControlRecord& control) { return KindOf(control.def.kind); }

// What the kinds share.
// A number as the int API gives it: rounded, within int.
int ToInt(double value);
// The number of a kind that keeps it in the record (numerics, LEDs, toggles).
inline int KeptNumber(const ControlRecord& control, double* value) {
  *value = control.value;
  return 0;
}
void Commit(int panel, int control);
// The label beside a control after its text changed: text, place, the
// control's accessible name.
void ShowLabelBeside(ControlRecord& control);
// After the program changed what a control shows: a display is named by what
// it shows, and the widget repaints at once (the event loop may be held by a
// long operation).
void ShowChanged(ControlRecord& control);

}  // namespace qtui
