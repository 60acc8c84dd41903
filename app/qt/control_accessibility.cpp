#include "app/qt/control_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAbstractItemView>
#include <QComboBox>

#include "app/qt/control_events.h"
#include "app/qt/control_kind.h"
#include "app/qt/kinds/rings.h"

namespace qtui {
namespace {

constexpr char kOwnInterfaceProperty[] = "velt1AccessibleKind";

// What a lamp, a ring, the COM picture or a display shows, as a text: AT-SPI
// has no other place where a client reads it. Read only: no caret, no
// selection.
class ShownText : public QAccessibleTextInterface {
 public:
  virtual QString shownText() const = 0;

  QString text(int start, int end) const override { return shownText().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(shownText().size()); }
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* start, int* end) const override {
    *start = *end = offset;
    return {};
  }
};

// The runtime's interface for a control: what it tells comes from the
// control's kind.
class ControlAccessible : public QAccessibleWidget, public QAccessibleValueInterface, public ShownText {
 public:
  ControlAccessible(QWidget* widget, const ControlKind& kind) : QAccessibleWidget(widget), kind_(kind) {}
  using ShownText::text;

  QAccessible::Role role() const override { return kind_.role(); }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    if (const ControlRecord* control = Record()) kind_.addState(*control, state);
    return state;
  }

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? shownText() : QAccessibleWidget::text(t);
  }
  QString shownText() const override {
    const ControlRecord* control = Record();
    return control ? kind_.shownText(*control) : QString();
  }

  QStringList actionNames() const override { return kind_.actionNames() + QAccessibleWidget::actionNames(); }

  // Every action is what the operator's hand would do: a click (the click
  // event, then the press, the toggle or the opened list), or for a ring the
  // neighbouring item chosen as the mouse wheel chooses it.
  void doAction(const QString& action) override {
    if (!widget()->isEnabled() || !actionNames().contains(action)) return;
    if (action == scrollUpAction() || action == scrollDownAction()) {
      int panel = 0;
      ControlRecord* control = ControlOf(widget(), &panel);
      if (control && IsRing(*control))
        ChooseRingItem(*control, panel, CurrentIndex(*control) + (action == scrollUpAction() ? -1 : 1));
    } else if (action == pressAction() || action == toggleAction() || action == showMenuAction()) {
      SendLeftClick(widget());
    } else {
      QAccessibleWidget::doAction(action);
    }
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    // Only the picture ring has a number to give: a value interface would
    // also bring AT-SPI's increase and decrease actions, which an LED or a
    // display cannot honour.
    if (type == QAccessible::ValueInterface && kind_.hasAccessibleNumber())
      return static_cast<QAccessibleValueInterface*>(this);
    if (type == QAccessible::TextInterface && kind_.showsValue())
      return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  // A ring's one child is its list, as it drops down.
  int childCount() const override { return List() ? 1 : 0; }
  QAccessibleInterface* child(int index) const override {
    if (!List() || index != 0) return nullptr;
    return QAccessible::queryAccessibleInterface(List()->view());
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child && child == ControlAccessible::child(0) ? 0 : -1;
  }

  // The port the picture ring shows: 0 none, 99 above 16. It only shows:
  // assistive technology cannot set it.
  QVariant currentValue() const override {
    double value = 0;  // none shown
    if (const ControlRecord* control = Record()) kind_.number(*control, &value);
    return value;
  }
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override { return 99; }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }

 private:
  ControlRecord* Record() const { return ControlOf(widget()); }
  QComboBox* List() const { return qobject_cast<QComboBox*>(widget()); }

  const ControlKind& kind_;
};

QAccessibleInterface* ControlInterfaceFactory(const QString&, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  const QVariant kind = object->property(kOwnInterfaceProperty);
  if (!kind.isValid()) return nullptr;
  return new ControlAccessible(static_cast<QWidget*>(object),
                               KindOf(static_cast<ui::CtrlKind>(kind.toInt())));
}

}  // namespace

void SetUpAccessibility(ControlRecord& control) {
  [[maybe_unused]] static const bool factoryInstalled = [] {
    QAccessible::installFactory(ControlInterfaceFactory);
    return true;
  }();
  QWidget* widget = control.widget;
  if (!widget) return;
  widget->setAccessibleDescription(QString::fromStdString(control.def.constant));
  RefreshAccessibleName(control);
  // The runtime's own interface where the toolkit's would tell state or
  // actions wrongly: a toggle's action would flip it past its callback, a
  // press would skip the click event, an LED or picture would say nothing at
  // all, and a display would take a value or a text from assistive technology.
  if (!control.def.indicator && !KindOf(control).hasOwnInterface()) return;
  widget->setProperty(kOwnInterfaceProperty, static_cast<int>(control.def.kind));
  // A screen reader that listened while the widget was made may have had the
  // toolkit's interface made for it already: that one gives way to ours.
  QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
  if (made && !dynamic_cast<ControlAccessible*>(made))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void RefreshAccessibleName(ControlRecord& control) {
  if (!control.widget) return;
  const QString name = KindOf(control).visibleText(control);
  if (control.widget->accessibleName() != name) control.widget->setAccessibleName(name);
}

void NotifyAccessibleChecked(QWidget* led) {
  if (!led || !QAccessible::isActive()) return;
  QAccessible::State changed;
  changed.checked = true;
  QAccessibleStateChangeEvent stateEvent(led, changed);
  QAccessible::updateAccessibility(&stateEvent);
}

void NotifyAccessibleValue(QWidget* picture, double value) {
  if (!picture || !QAccessible::isActive()) return;
  QAccessibleValueChangeEvent valueEvent(picture, value);
  QAccessible::updateAccessibility(&valueEvent);
}

}  // namespace qtui
