#include "app/qt/control_accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "app/qt/control_builder.h"
#include "app/qt/control_events.h"
#include "app/qt/control_widgets.h"
#include "app/qt/image_painter.h"

namespace qtui {
namespace {

constexpr char kOwnInterfaceProperty[] = "velt1AccessibleKind";

// The controls whose state or actions the toolkit's interfaces would tell
// wrongly: a toggle's action would flip it past its callback, a press would
// skip the click event, an LED or picture would say nothing at all, and a
// display would take a value or a text from assistive technology.
bool HasOwnInterface(const ui::CtrlDef& def) {
  if (def.indicator) return true;
  switch (def.kind) {
    case ui::CtrlKind::CommandButton:
    case ui::CtrlKind::PictureButton:
    case ui::CtrlKind::ToggleButton:
    case ui::CtrlKind::Led:
    case ui::CtrlKind::Ring:
    case ui::CtrlKind::PictureRing:
    case ui::CtrlKind::Picture:
      return true;
    default:
      return false;
  }
}

// The colour an LED lights in, by name, as an operator would say it.
QString ColourName(int rgb) {
  const QColor colour = QColor::fromRgb(static_cast<QRgb>(rgb));
  if (colour.hsvSaturation() < 60) {
    if (colour.value() > 200) return QStringLiteral("weiß");
    return colour.value() < 60 ? QStringLiteral("schwarz") : QStringLiteral("grau");
  }
  const int hue = colour.hsvHue();
  if (hue < 15 || hue >= 330) return QStringLiteral("rot");
  if (hue < 45) return QStringLiteral("orange");
  if (hue < 70) return QStringLiteral("gelb");
  if (hue < 160) return QStringLiteral("grün");
  if (hue < 200) return QStringLiteral("türkis");
  if (hue < 260) return QStringLiteral("blau");
  return QStringLiteral("violett");
}

double ShownItemValue(const ControlRecord& ring) {
  const int index = CurrentIndex(ring);
  if (index < 0 || index >= static_cast<int>(ring.def.items.size())) return 0;
  return ring.def.items[static_cast<std::size_t>(index)].value;
}

// What the control shows as its value, in words.
QString ValueText(const ControlRecord& control) {
  switch (control.def.kind) {
    case ui::CtrlKind::Led:
      return control.value != 0 ? QStringLiteral("an, ") + ColourName(control.onColor)
                                : QStringLiteral("aus");
    case ui::CtrlKind::Ring:
      return static_cast<QComboBox*>(control.widget)->currentText();
    case ui::CtrlKind::PictureRing: {
      const double port = ShownItemValue(control);
      if (port == 0) return QStringLiteral("nicht geöffnet");
      return port == 99 ? QStringLiteral(">16") : QString::number(port);
    }
    case ui::CtrlKind::Numeric:
      return static_cast<QAbstractSpinBox*>(control.widget)->text();
    case ui::CtrlKind::String:
      return static_cast<QLineEdit*>(control.widget)->text();
    default:
      return {};
  }
}

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

class ControlAccessible : public QAccessibleWidget,
                          public QAccessibleValueInterface,
                          public ShownText {
 public:
  ControlAccessible(QWidget* widget, ui::CtrlKind kind) : QAccessibleWidget(widget), kind_(kind) {}
  using ShownText::text;

  QAccessible::Role role() const override {
    switch (kind_) {
      case ui::CtrlKind::Led: return QAccessible::CheckBox;  // read only: it shows, takes nothing
      case ui::CtrlKind::Ring: return QAccessible::ComboBox;
      case ui::CtrlKind::PictureRing:
      case ui::CtrlKind::Picture: return QAccessible::Graphic;
      case ui::CtrlKind::Numeric:
      case ui::CtrlKind::String: return QAccessible::StaticText;  // displays only
      default: return QAccessible::Button;
    }
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    const ControlRecord* control = Record();
    if (!control) return state;
    switch (kind_) {
      case ui::CtrlKind::ToggleButton:
      case ui::CtrlKind::Led:
        state.checkable = true;
        state.checked = control->value != 0;
        state.readOnly = kind_ == ui::CtrlKind::Led;
        break;
      case ui::CtrlKind::CommandButton:
      case ui::CtrlKind::PictureButton:
        state.pressed = static_cast<QPushButton*>(widget())->isDown();
        break;
      case ui::CtrlKind::Ring:
        state.expandable = true;
        state.expanded = static_cast<QComboBox*>(widget())->view()->isVisible();
        break;
      case ui::CtrlKind::Numeric:
      case ui::CtrlKind::String:
        state.readOnly = true;
        break;
      default:
        break;
    }
    return state;
  }

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? shownText() : QAccessibleWidget::text(t);
  }
  QString shownText() const override {
    const ControlRecord* control = Record();
    return control ? ValueText(*control) : QString();
  }

  QStringList actionNames() const override {
    QStringList names;
    switch (kind_) {
      case ui::CtrlKind::ToggleButton:
        names << pressAction() << toggleAction();
        break;
      case ui::CtrlKind::CommandButton:
      case ui::CtrlKind::PictureButton:
      case ui::CtrlKind::PictureRing:
        names << pressAction();
        break;
      case ui::CtrlKind::Ring:
        names << pressAction() << showMenuAction() << scrollUpAction() << scrollDownAction();
        break;
      default:
        break;
    }
    return names + QAccessibleWidget::actionNames();
  }

  // Every action is what the operator's hand would do: a click (the click
  // event, then the press, the toggle or the opened list), or for a ring the
  // neighbouring item chosen as the mouse wheel chooses it.
  void doAction(const QString& action) override {
    if (!widget()->isEnabled() || !actionNames().contains(action)) return;
    if (action == scrollUpAction() || action == scrollDownAction()) {
      int panel = 0;
      ControlRecord* control = ControlOf(widget(), &panel);
      if (!control) return;
      const int index = CurrentIndex(*control) + (action == scrollUpAction() ? -1 : 1);
      if (index >= 0 && index < static_cast<int>(control->def.items.size()))
        ChooseRingItem(*control, panel, index);
    } else if (action == pressAction() || action == toggleAction() || action == showMenuAction()) {
      SendLeftClick(widget());
    } else {
      QAccessibleWidget::doAction(action);
    }
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    const bool shows = kind_ == ui::CtrlKind::Led || kind_ == ui::CtrlKind::Ring ||
                       kind_ == ui::CtrlKind::PictureRing || kind_ == ui::CtrlKind::Numeric ||
                       kind_ == ui::CtrlKind::String;
    // Only the picture ring has a number to give: a value interface would
    // also bring AT-SPI's increase and decrease actions, which an LED or a
    // display cannot honour.
    if (type == QAccessible::ValueInterface && kind_ == ui::CtrlKind::PictureRing)
      return static_cast<QAccessibleValueInterface*>(this);
    if (type == QAccessible::TextInterface && shows)
      return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  // A ring's one child is its list, as it drops down.
  int childCount() const override { return kind_ == ui::CtrlKind::Ring ? 1 : 0; }
  QAccessibleInterface* child(int index) const override {
    if (kind_ != ui::CtrlKind::Ring || index != 0) return nullptr;
    return QAccessible::queryAccessibleInterface(static_cast<QComboBox*>(widget())->view());
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child && child == ControlAccessible::child(0) ? 0 : -1;
  }

  // The port the picture ring shows: 0 none, 99 above 16. It only shows:
  // assistive technology cannot set it.
  QVariant currentValue() const override {
    const ControlRecord* control = Record();
    return control ? ShownItemValue(*control) : 0.0;
  }
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override { return 99; }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }

 private:
  ControlRecord* Record() const { return ControlOf(widget()); }

  ui::CtrlKind kind_;
};

QAccessibleInterface* ControlInterfaceFactory(const QString&, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  const QVariant kind = object->property(kOwnInterfaceProperty);
  if (!kind.isValid()) return nullptr;
  return new ControlAccessible(static_cast<QWidget*>(object),
                               static_cast<ui::CtrlKind>(kind.toInt()));
}

// The text the operator reads on or beside the control.
QString VisibleText(const ControlRecord& control) {
  const ui::CtrlDef& def = control.def;
  QWidget* widget = control.widget;
  switch (def.kind) {
    case ui::CtrlKind::CommandButton: return PlainText(def.label);
    case ui::CtrlKind::ToggleButton: return PlainText(control.value != 0 ? def.onText : def.text);
    case ui::CtrlKind::PictureButton: return widget->toolTip();
    case ui::CtrlKind::TextMessage: return QString::fromStdString(def.text);
    case ui::CtrlKind::Picture:
    case ui::CtrlKind::PictureRing: return ImageText(def.image);
    case ui::CtrlKind::Decoration:
    case ui::CtrlKind::Timer: return {};
    default: break;
  }
  if (control.label) return PlainText(def.label);
  // Without a label a display is read by what it shows; an input field by
  // the title of its window, which says what to type ("Umbenennen").
  if (def.indicator) {
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) return spin->text();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
  }
  return widget->window()->windowTitle();
}

}  // namespace

void SetUpAccessibility(ControlRecord& control) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(ControlInterfaceFactory);
    return true;
  }();
  (void)factoryInstalled;
  QWidget* widget = control.widget;
  if (!widget) return;
  widget->setAccessibleDescription(QString::fromStdString(control.def.constant));
  RefreshAccessibleName(control);
  if (!HasOwnInterface(control.def)) return;
  widget->setProperty(kOwnInterfaceProperty, static_cast<int>(control.def.kind));
  // A screen reader that listened while the widget was made may have had the
  // toolkit's interface made for it already: that one gives way to ours.
  QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
  if (made && !dynamic_cast<ControlAccessible*>(made))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void RefreshAccessibleName(ControlRecord& control) {
  if (!control.widget) return;
  const QString name = VisibleText(control);
  if (control.widget->accessibleName() != name) control.widget->setAccessibleName(name);
}

void NotifyAccessibleValue(const ControlRecord& control) {
  if (!control.widget || !QAccessible::isActive()) return;
  if (control.def.kind == ui::CtrlKind::Led) {
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent stateEvent(control.widget, changed);
    QAccessible::updateAccessibility(&stateEvent);
    return;
  }
  QAccessibleValueChangeEvent valueEvent(control.widget, ShownItemValue(control));
  QAccessible::updateAccessibility(&valueEvent);
}

}  // namespace qtui
