#include "app/qt/control_builder.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <cmath>

#include "app/qt/control_accessibility.h"
#include "app/qt/control_events.h"
#include "app/qt/control_widgets.h"
#include "app/qt/image_painter.h"
#include "app/qt/panel_window.h"

namespace qtui {
namespace {

int ToInt(double value) {
  return static_cast<int>(std::llround(std::clamp(value, double{INT_MIN}, double{INT_MAX})));
}

void Commit(int panel, int control) { DispatchCtrlEvent(panel, control, EVENT_COMMIT, 0, 0); }

QWidget* NewButton(int panel, const ui::CtrlDef& def, QWidget* parent) {
  auto* button = new QPushButton(MnemonicText(def.label), parent);
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, [panel, id = def.id] { Commit(panel, id); });
  return button;
}

QWidget* NewPictureButton(int panel, const ui::CtrlDef& def, QWidget* parent) {
  auto* button = new QPushButton(parent);
  button->setAutoDefault(false);
  const QSize iconSize(std::max(8, def.rect.width - 8), std::max(8, def.rect.height - 8));
  button->setIcon(QIcon(DrawImage(def.image, 0, iconSize)));
  button->setIconSize(iconSize);
  button->setToolTip(def.label.empty() ? ImageText(def.image) : QString::fromStdString(def.label));
  QObject::connect(button, &QPushButton::clicked, [panel, id = def.id] { Commit(panel, id); });
  return button;
}

QWidget* NewToggle(int panel, const ui::CtrlDef& def, QWidget* parent) {
  auto* button = new QPushButton(parent);
  button->setAutoDefault(false);
  button->setCheckable(true);
  QObject::connect(button, &QPushButton::clicked, [panel, id = def.id](bool checked) {
    if (ControlRecord* record = FindControlRecord(panel, id)) {
      record->value = checked ? 1 : 0;
      ShowToggleText(*record);
    }
    Commit(panel, id);
  });
  return button;
}

// A value the operator entered; a display takes none and shows its own again.
void TakeEnteredNumber(int panel, int id, double value) {
  ControlRecord* record = FindControlRecord(panel, id);
  if (record && record->def.indicator) {
    ShowNumber(*record, record->value);
    return;
  }
  if (record) record->value = value;
  Commit(panel, id);
}

QWidget* NewNumeric(int panel, const ui::CtrlDef& def, QWidget* parent) {
  QAbstractSpinBox* box = nullptr;
  if (def.valueType == ui::ValueType::Int) {
    auto* spin = new QSpinBox(parent);
    QObject::connect(spin, &QSpinBox::valueChanged,
                     [panel, id = def.id](int value) { TakeEnteredNumber(panel, id, value); });
    box = spin;
  } else {
    auto* spin = new QDoubleSpinBox(parent);
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

QWidget* NewString(int panel, const ui::CtrlDef& def, QWidget* parent) {
  auto* edit = new QLineEdit(QString::fromStdString(def.text), parent);
  edit->setReadOnly(def.indicator);
  // Enter commits; leaving the field commits only what was typed. A display
  // commits nothing.
  QObject::connect(edit, &QLineEdit::returnPressed, [panel, id = def.id, edit] {
    if (edit->isReadOnly()) return;
    edit->setModified(false);
    Commit(panel, id);
  });
  QObject::connect(edit, &QLineEdit::editingFinished, [panel, id = def.id, edit] {
    if (!edit->isModified() || edit->isReadOnly()) return;
    edit->setModified(false);
    Commit(panel, id);
  });
  // A text that assistive technology puts in counts as typed; the program's
  // own SetCtrlVal clears the mark again once the text is in.
  QObject::connect(edit, &QLineEdit::textChanged, [edit] { edit->setModified(true); });
  return edit;
}

QWidget* NewTextMessage(const ui::CtrlDef& def, QWidget* parent) {
  auto* label = new QLabel(QString::fromStdString(def.text), parent);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

QWidget* NewRing(int panel, const ui::CtrlDef& def, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  QObject::connect(combo, &QComboBox::activated, [panel, id = def.id](int) { Commit(panel, id); });
  return combo;
}

QTimer* NewTimer(int panel, const ui::CtrlDef& def, QObject* owner) {
  auto* timer = new QTimer(owner);
  timer->setInterval(static_cast<int>(std::llround(std::max(0.001, def.interval) * 1000)));
  QObject::connect(timer, &QTimer::timeout,
                   [panel, id = def.id] { DispatchCtrlEvent(panel, id, EVENT_TIMER_TICK, 0, 0); });
  if (def.enabled && def.interval > 0) timer->start();
  return timer;
}

bool TakesSeparateLabel(ui::CtrlKind kind) {
  switch (kind) {
    case ui::CtrlKind::CommandButton:
    case ui::CtrlKind::PictureButton:
    case ui::CtrlKind::ToggleButton:
    case ui::CtrlKind::TextMessage:
    case ui::CtrlKind::Timer:
      return false;
    default:
      return true;
  }
}

}  // namespace

ControlRecord BuildControl(int panel, PanelWindow* window, QObject* eventFilter,
                           const ui::CtrlDef& def) {
  ControlRecord record;
  record.def = def;
  // A text message shows its label when it has no text; a toggle without
  // texts of its own shows its label in both states.
  if (def.kind == ui::CtrlKind::TextMessage && def.text.empty()) record.def.text = def.label;
  if (def.kind == ui::CtrlKind::ToggleButton) {
    if (record.def.text.empty()) record.def.text = def.label;
    if (record.def.onText.empty()) record.def.onText = record.def.text;
  }
  QWidget* area = window->clientArea();
  switch (def.kind) {
    case ui::CtrlKind::CommandButton: record.widget = NewButton(panel, def, area); break;
    case ui::CtrlKind::PictureButton: record.widget = NewPictureButton(panel, def, area); break;
    case ui::CtrlKind::ToggleButton: record.widget = NewToggle(panel, def, area); break;
    case ui::CtrlKind::Led: record.widget = new LedWidget(area); break;
    case ui::CtrlKind::Numeric: record.widget = NewNumeric(panel, def, area); break;
    case ui::CtrlKind::String: record.widget = NewString(panel, def, area); break;
    case ui::CtrlKind::TextMessage: record.widget = NewTextMessage(record.def, area); break;
    case ui::CtrlKind::Ring: record.widget = NewRing(panel, def, area); break;
    case ui::CtrlKind::PictureRing:
    case ui::CtrlKind::Picture: record.widget = new ImageWidget(def.image, area); break;
    case ui::CtrlKind::Decoration: record.widget = new FrameWidget(area); break;
    case ui::CtrlKind::Timer: record.timer = NewTimer(panel, def, window); break;
  }
  if (!record.widget) return record;

  const ui::Rect& r = def.rect;
  QSize size(r.width, r.height);
  if (size.width() <= 0) size.setWidth(record.widget->sizeHint().width());
  if (size.height() <= 0) size.setHeight(record.widget->sizeHint().height());
  record.widget->setGeometry(r.left, r.top, size.width(), size.height());
  record.widget->setAccessibleName(QString::fromStdString(def.constant));
  if (def.kind == ui::CtrlKind::Decoration) record.widget->lower();

  if (TakesSeparateLabel(def.kind) && def.labelPos != ui::LabelPos::None && !def.label.empty()) {
    record.label = new QLabel(area);
    record.label->setBuddy(record.widget);
    ShowLabel(record);
  }

  if (IsRing(record)) {
    int index = def.items.empty() ? -1 : 0;
    for (std::size_t i = 0; i < def.items.size(); ++i)
      if (def.items[i].value == def.initial) {
        index = static_cast<int>(i);
        break;
      }
    ShowRingItems(record, index);
  } else if (def.kind == ui::CtrlKind::Numeric) {
    ShowLimits(record);
    ShowNumber(record, def.initial);
  } else if (def.kind == ui::CtrlKind::Led || def.kind == ui::CtrlKind::ToggleButton) {
    ShowNumber(record, def.initial);
  }
  WatchControl(record.widget, panel, def.id, eventFilter);
  SetUpAccessibility(record);
  return record;
}

void ChooseRingItem(ControlRecord& ring, int panel, int index) {
  if (auto* combo = qobject_cast<QComboBox*>(ring.widget)) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    return;
  }
  ShowIndex(ring, index);
  Commit(panel, ring.def.id);
}

bool IsRing(const ControlRecord& control) {
  return control.def.kind == ui::CtrlKind::Ring || control.def.kind == ui::CtrlKind::PictureRing;
}

int ItemIndexOf(const ControlRecord& ring, double value) {
  const auto& items = ring.def.items;
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].value == value) return static_cast<int>(i);
  return -1;
}

bool HasNumber(const ControlRecord& control) {
  switch (control.def.kind) {
    case ui::CtrlKind::Numeric:
    case ui::CtrlKind::Led:
    case ui::CtrlKind::ToggleButton:
    case ui::CtrlKind::Ring:
    case ui::CtrlKind::PictureRing:
      return true;
    default:
      return false;
  }
}

bool HasText(const ControlRecord& control) {
  return control.def.kind == ui::CtrlKind::String || control.def.kind == ui::CtrlKind::TextMessage;
}

int CurrentIndex(const ControlRecord& control) {
  if (auto* combo = qobject_cast<QComboBox*>(control.widget)) return combo->currentIndex();
  return control.index;
}

void ShowIndex(ControlRecord& control, int index) {
  if (auto* combo = qobject_cast<QComboBox*>(control.widget)) {
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(index);  // tells assistive technology itself
    combo->repaint();
    return;
  }
  control.index = index;
  auto* image = static_cast<ImageWidget*>(control.widget);
  const bool valid = index >= 0 && index < static_cast<int>(control.def.items.size());
  image->setImageValue(valid ? ToInt(control.def.items[static_cast<std::size_t>(index)].value) : 0);
  image->repaint();
  NotifyAccessibleValue(control);
}

void ShowRingItems(ControlRecord& control, int index) {
  if (auto* combo = qobject_cast<QComboBox*>(control.widget)) {
    const QSignalBlocker quiet(combo);
    combo->clear();
    for (const auto& item : control.def.items) combo->addItem(QString::fromStdString(item.label));
  }
  ShowIndex(control, index);
}

void ShowNumber(ControlRecord& control, double value) {
  QWidget* widget = control.widget;
  if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
    const QSignalBlocker quiet(spin);
    spin->setValue(ToInt(value));  // the box clamps to its limits
    control.value = spin->value();
  } else if (auto* spin2 = qobject_cast<QDoubleSpinBox*>(widget)) {
    const QSignalBlocker quiet(spin2);
    // The box shows the value rounded to its precision; the control keeps it whole.
    control.value = std::clamp(value, spin2->minimum(), spin2->maximum());
    spin2->setValue(control.value);
  } else if (auto* led = dynamic_cast<LedWidget*>(widget)) {
    control.value = value != 0 ? 1 : 0;
    led->setOn(value != 0);
    NotifyAccessibleValue(control);
  } else if (control.def.kind == ui::CtrlKind::ToggleButton) {
    auto* button = static_cast<QPushButton*>(widget);
    const QSignalBlocker quiet(button);
    control.value = value != 0 ? 1 : 0;
    button->setChecked(value != 0);
    ShowToggleText(control);
  }
  if (control.def.indicator) RefreshAccessibleName(control);
  widget->repaint();
}

void ShowLimits(ControlRecord& control) {
  const ui::CtrlDef& def = control.def;
  if (auto* spin = qobject_cast<QSpinBox*>(control.widget)) {
    const QSignalBlocker quiet(spin);
    spin->setRange(ToInt(def.minimum), ToInt(def.maximum));
    spin->setSingleStep(std::max(1, ToInt(def.increment)));
    control.value = spin->value();
  } else if (auto* spin2 = qobject_cast<QDoubleSpinBox*>(control.widget)) {
    const QSignalBlocker quiet(spin2);
    spin2->setDecimals(std::clamp(def.precision, 0, 15));
    spin2->setRange(def.minimum, def.maximum);
    spin2->setSingleStep(def.increment);
    control.value = std::clamp(control.value, def.minimum, std::max(def.minimum, def.maximum));
    spin2->setValue(control.value);
  }
}

void ShowToggleText(ControlRecord& control) {
  const ui::CtrlDef& def = control.def;
  static_cast<QPushButton*>(control.widget)->setText(MnemonicText(control.value != 0 ? def.onText : def.text));
  RefreshAccessibleName(control);
}

void ShowLabel(ControlRecord& control) {
  const ui::CtrlDef& def = control.def;
  switch (def.kind) {
    case ui::CtrlKind::CommandButton:
      static_cast<QPushButton*>(control.widget)->setText(MnemonicText(def.label));
      RefreshAccessibleName(control);
      return;
    case ui::CtrlKind::ToggleButton:
      ShowToggleText(control);
      return;
    default:
      break;
  }
  if (!control.label) return;
  control.label->setText(MnemonicText(def.label));
  PlaceLabel(control);
  RefreshAccessibleName(control);
}

void PlaceLabel(ControlRecord& control) {
  QLabel* label = control.label;
  if (!label) return;
  label->adjustSize();
  const QRect box = control.widget->geometry();
  const QSize size = label->size();
  switch (control.def.labelPos) {
    case ui::LabelPos::Top:
      label->move(box.left(), box.top() - size.height() - 1);
      break;
    case ui::LabelPos::Left:
      label->move(box.left() - size.width() - 6, box.top() + (box.height() - size.height()) / 2);
      break;
    case ui::LabelPos::Right:
      label->move(box.right() + 7, box.top() + (box.height() - size.height()) / 2);
      break;
    case ui::LabelPos::None:
      break;
  }
  label->setVisible(control.widget->isVisibleTo(control.widget->parentWidget()));
}

}  // namespace qtui
