// Numerics (a spin box for whole or decimal numbers that keeps to its
// limits) and strings (a line of text): fields the operator types into, or
// displays that only show.

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>
#include <algorithm>
#include <cmath>

#include "app/qt/control_accessibility.h"
#include "app/qt/control_kind.h"
#include "app/qt/panel_window.h"

namespace qtui {
namespace {

QLineEdit* Edit(const ControlRecord& control) { return static_cast<QLineEdit*>(control.widget); }

// Only a display has the runtime's own interface: it takes no value or text
// from assistive technology, and without a label it is read by what it shows.
class Field : public ControlKind {
 public:
  QString visibleText(const ControlRecord& field) const override {
    if (!field.label && field.def.indicator) return shownText(field);
    return ControlKind::visibleText(field);
  }
  QAccessible::Role role() const override { return QAccessible::StaticText; }
  void addState(const ControlRecord&, QAccessible::State& state) const override { state.readOnly = true; }
  bool showsValue() const override { return true; }
};

class Numeric final : public Field {
 public:
  QWidget* build(int panel, ControlRecord& control, PanelWindow* window) const override {
    const ui::CtrlDef& def = control.def;
    QAbstractSpinBox* box = nullptr;
    if (def.valueType == ui::ValueType::Int) {
      auto* spin = new QSpinBox(window->clientArea());
      QObject::connect(spin, &QSpinBox::valueChanged,
                       [panel, id = def.id](int value) { TakeEnteredNumber(panel, id, value); });
      box = spin;
    } else {
      auto* spin = new QDoubleSpinBox(window->clientArea());
      QObject::connect(spin, &QDoubleSpinBox::valueChanged,
                       [panel, id = def.id](double value) { TakeEnteredNumber(panel, id, value); });
      box = spin;
    }
    box->setKeyboardTracking(false);
    if (def.indicator) {
      box->setReadOnly(true);
      box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    }
    return box;
  }
  // A value the operator entered; a display takes none and shows its own again.
  static void TakeEnteredNumber(int panel, int id, double value) {
    ControlRecord* numeric = FindControlRecord(panel, id);
    if (numeric && numeric->def.indicator) {
      KindOf(*numeric).setNumber(*numeric, numeric->value);
      return;
    }
    if (numeric) numeric->value = value;
    Commit(panel, id);
  }
  void showInitial(ControlRecord& numeric) const override {
    ShowLimits(numeric);
    setNumber(numeric, numeric.def.initial);
  }

  int setNumber(ControlRecord& numeric, double value) const override {
    if (auto* spin = qobject_cast<QSpinBox*>(numeric.widget)) {
      const QSignalBlocker quiet(spin);
      spin->setValue(ToInt(value));  // the box clamps to its limits
      numeric.value = spin->value();
    } else if (auto* spin2 = qobject_cast<QDoubleSpinBox*>(numeric.widget)) {
      const QSignalBlocker quiet(spin2);
      // The box shows the value rounded to its precision; the control keeps it whole.
      numeric.value = std::clamp(value, spin2->minimum(), spin2->maximum());
      spin2->setValue(numeric.value);
    }
    ShowChanged(numeric);
    return 0;
  }
  int number(const ControlRecord& numeric, double* value) const override {
    return KeptNumber(numeric, value);
  }
  int setAttribute(ControlRecord& numeric, int attribute, double value) const override {
    ui::CtrlDef& def = numeric.def;
    switch (attribute) {
      case ATTR_MAX_VALUE:
      case ATTR_MIN_VALUE:
      case ATTR_INCR_VALUE:
        if (attribute == ATTR_INCR_VALUE && value <= 0) return UIE_BAD_ATTRIBUTE;
        (attribute == ATTR_MAX_VALUE   ? def.maximum
         : attribute == ATTR_MIN_VALUE ? def.minimum
                                       : def.increment) = value;
        ShowLimits(numeric);
        numeric.widget->repaint();
        return 0;
      case ATTR_PRECISION:
        if (def.valueType == ui::ValueType::Int || value < 0 || value > 15) return UIE_BAD_ATTRIBUTE;
        def.precision = ToInt(value);
        ShowLimits(numeric);
        return 0;
      default:
        return UIE_BAD_ATTRIBUTE;
    }
  }
  int attribute(const ControlRecord& numeric, int attribute, double* value) const override {
    const ui::CtrlDef& def = numeric.def;
    switch (attribute) {
      case ATTR_MAX_VALUE: *value = def.maximum; return 0;
      case ATTR_MIN_VALUE: *value = def.minimum; return 0;
      case ATTR_INCR_VALUE: *value = def.increment; return 0;
      case ATTR_PRECISION: *value = def.valueType == ui::ValueType::Int ? 0 : def.precision; return 0;
      default: return UIE_BAD_ATTRIBUTE;
    }
  }

  QString shownText(const ControlRecord& numeric) const override {
    return static_cast<QAbstractSpinBox*>(numeric.widget)->text();
  }

  int commit(int panel, ControlRecord& numeric) const override {
    Commit(panel, numeric.def.id);
    return 0;
  }
  // Set as typed: the box clamps it, and a change commits through valueChanged.
  int commitValue(int panel, ControlRecord& numeric, double value) const override {
    if (auto* spin = qobject_cast<QSpinBox*>(numeric.widget)) {
      const int before = spin->value();
      spin->setValue(static_cast<int>(std::lround(value)));
      if (spin->value() == before) Commit(panel, numeric.def.id);
    } else if (auto* spin2 = qobject_cast<QDoubleSpinBox*>(numeric.widget)) {
      const double before = spin2->value();
      spin2->setValue(value);
      if (spin2->value() == before) Commit(panel, numeric.def.id);
    }
    return 0;
  }

 private:
  // Limits, increment and precision after the definition changed.
  static void ShowLimits(ControlRecord& numeric) {
    const ui::CtrlDef& def = numeric.def;
    if (auto* spin = qobject_cast<QSpinBox*>(numeric.widget)) {
      const QSignalBlocker quiet(spin);
      spin->setRange(ToInt(def.minimum), ToInt(def.maximum));
      spin->setSingleStep(std::max(1, ToInt(def.increment)));
      numeric.value = spin->value();
    } else if (auto* spin2 = qobject_cast<QDoubleSpinBox*>(numeric.widget)) {
      const QSignalBlocker quiet(spin2);
      spin2->setDecimals(std::clamp(def.precision, 0, 15));
      spin2->setRange(def.minimum, def.maximum);
      spin2->setSingleStep(def.increment);
      numeric.value = std::clamp(numeric.value, def.minimum, std::max(def.minimum, def.maximum));
      spin2->setValue(numeric.value);
    }
  }
};

class String final : public Field {
 public:
  QWidget* build(int panel, ControlRecord& control, PanelWindow* window) const override {
    const ui::CtrlDef& def = control.def;
    auto* edit = new QLineEdit(QString::fromStdString(def.text), window->clientArea());
    edit->setReadOnly(def.indicator);
    // Enter commits; leaving the field commits only what was typed. A display
    // commits nothing.
    const auto commit = [panel, id = def.id, edit](bool onlyTyped) {
      if (edit->isReadOnly() || (onlyTyped && !edit->isModified())) return;
      edit->setModified(false);
      Commit(panel, id);
    };
    QObject::connect(edit, &QLineEdit::returnPressed, [commit] { commit(false); });
    QObject::connect(edit, &QLineEdit::editingFinished, [commit] { commit(true); });
    // A text that assistive technology puts in counts as typed; the program's
    // own SetCtrlVal clears the mark again once the text is in.
    QObject::connect(edit, &QLineEdit::textChanged, [edit] { edit->setModified(true); });
    return edit;
  }

  int setText(ControlRecord& string, const std::string& text) const override {
    QLineEdit* edit = Edit(string);
    edit->setText(QString::fromStdString(text));  // cut to the maximum length
    edit->setModified(false);
    edit->setCursorPosition(0);  // a text longer than the field shows its beginning
    RefreshAccessibleName(string);
    edit->repaint();
    return 0;
  }
  int text(const ControlRecord& string, std::string* text) const override {
    *text = Edit(string)->text().toStdString();
    return 0;
  }
  int setAttribute(ControlRecord& string, int attribute, double value) const override {
    if (attribute != ATTR_MAX_ENTRY_LENGTH) return UIE_BAD_ATTRIBUTE;
    string.maxEntryLength = value < 0 ? -1 : ToInt(value);
    // A text the limit cuts was not typed by the operator.
    QLineEdit* edit = Edit(string);
    const bool typed = edit->isModified();
    edit->setMaxLength(string.maxEntryLength < 0 ? 32767 : string.maxEntryLength);
    edit->setModified(typed);
    return 0;
  }
  int attribute(const ControlRecord& string, int attribute, double* value) const override {
    if (attribute != ATTR_MAX_ENTRY_LENGTH) return UIE_BAD_ATTRIBUTE;
    *value = string.maxEntryLength;
    return 0;
  }

  QString shownText(const ControlRecord& string) const override { return Edit(string)->text(); }

  int commit(int, ControlRecord& string) const override {
    emit Edit(string)->returnPressed();
    return 0;
  }
  // Typed (cut to the maximum length), then committed.
  int commitText(int, ControlRecord& string, const std::string& text) const override {
    Edit(string)->setText(QString::fromStdString(text));
    emit Edit(string)->returnPressed();
    return 0;
  }
};

}  // namespace

const ControlKind& NumericKind() { static const Numeric kind; return kind; }
const ControlKind& StringKind() { static const String kind; return kind; }

}  // namespace qtui
