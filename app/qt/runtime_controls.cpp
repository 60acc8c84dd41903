// Control values and attributes, and control callbacks.

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <climits>
#include <cmath>

#include "app/qt/control_accessibility.h"
#include "app/qt/control_builder.h"
#include "app/qt/control_widgets.h"
#include "app/qt/runtime_state.h"

namespace qtui {
namespace {

int ToInt(double value) {
  return static_cast<int>(std::llround(std::clamp(value, double{INT_MIN}, double{INT_MAX})));
}

int SetNumber(int panel, int control, double value) {
  int error = 0;
  ControlRecord* record = FindControlRecord(panel, control, &error);
  if (!record) return error;
  if (IsRing(*record)) {
    const int index = ItemIndexOf(*record, value);
    if (index < 0) return UIE_BAD_INDEX;
    ShowIndex(*record, index);
    return 0;
  }
  if (!HasNumber(*record)) return UIE_BAD_ATTRIBUTE;
  ShowNumber(*record, value);
  return 0;
}

int GetNumber(int panel, int control, double* value) {
  int error = 0;
  ControlRecord* record = FindControlRecord(panel, control, &error);
  if (!record) return error;
  if (!value || !HasNumber(*record)) return UIE_BAD_ATTRIBUTE;
  if (IsRing(*record)) {
    const int index = CurrentIndex(*record);
    if (index < 0 || index >= static_cast<int>(record->def.items.size())) return UIE_BAD_INDEX;
    *value = record->def.items[static_cast<std::size_t>(index)].value;
    return 0;
  }
  *value = record->value;
  return 0;
}

bool IsNumeric(const ControlRecord& record) { return record.def.kind == ui::CtrlKind::Numeric; }

// Every attribute with a number for its value, whether the caller passed an
// int or a double.
int SetNumberAttribute(ControlRecord& record, int attribute, double value) {
  ui::CtrlDef& def = record.def;
  QWidget* widget = record.widget;
  switch (attribute) {
    case ATTR_DIMMED:
      if (!widget) return UIE_BAD_ATTRIBUTE;
      widget->setEnabled(value == 0);
      if (record.label) record.label->setEnabled(value == 0);
      return 0;
    case ATTR_VISIBLE:
      if (!widget) return UIE_BAD_ATTRIBUTE;
      widget->setVisible(value != 0);
      if (record.label) record.label->setVisible(value != 0);
      return 0;
    case ATTR_MAX_VALUE:
    case ATTR_MIN_VALUE:
    case ATTR_INCR_VALUE:
      if (!IsNumeric(record)) return UIE_BAD_ATTRIBUTE;
      if (attribute == ATTR_INCR_VALUE && value <= 0) return UIE_BAD_ATTRIBUTE;
      (attribute == ATTR_MAX_VALUE   ? def.maximum
       : attribute == ATTR_MIN_VALUE ? def.minimum
                                     : def.increment) = value;
      ShowLimits(record);
      widget->repaint();
      return 0;
    case ATTR_PRECISION:
      if (!IsNumeric(record) || def.valueType == ui::ValueType::Int || value < 0 || value > 15)
        return UIE_BAD_ATTRIBUTE;
      def.precision = ToInt(value);
      ShowLimits(record);
      return 0;
    case ATTR_MAX_ENTRY_LENGTH:
      if (def.kind != ui::CtrlKind::String) return UIE_BAD_ATTRIBUTE;
    {
      record.maxEntryLength = value < 0 ? -1 : ToInt(value);
      // A text the limit cuts was not typed by the operator.
      auto* edit = static_cast<QLineEdit*>(widget);
      const bool typed = edit->isModified();
      edit->setMaxLength(record.maxEntryLength < 0 ? 32767 : record.maxEntryLength);
      edit->setModified(typed);
      return 0;
    }
    case ATTR_ON_COLOR:
      if (def.kind != ui::CtrlKind::Led) return UIE_BAD_ATTRIBUTE;
      record.onColor = ToInt(value) & 0xFFFFFF;
      static_cast<LedWidget*>(widget)->setOnColor(record.onColor);
      widget->repaint();
      return 0;
    case ATTR_ENABLED:
      if (!record.timer) return UIE_BAD_ATTRIBUTE;
      def.enabled = value != 0;
      if (def.enabled)
        record.timer->start();
      else
        record.timer->stop();
      return 0;
    case ATTR_INTERVAL:
      if (!record.timer || !(value > 0)) return UIE_BAD_ATTRIBUTE;
      def.interval = value;
      record.timer->setInterval(std::max(1, ToInt(value * 1000)));
      return 0;
    default:
      return UIE_BAD_ATTRIBUTE;
  }
}

int GetNumberAttribute(const ControlRecord& record, int attribute, double* value) {
  const ui::CtrlDef& def = record.def;
  const QWidget* widget = record.widget;
  switch (attribute) {
    case ATTR_DIMMED:
      if (!widget) return UIE_BAD_ATTRIBUTE;
      *value = widget->testAttribute(Qt::WA_ForceDisabled) ? 1 : 0;
      return 0;
    case ATTR_VISIBLE:
      if (!widget) return UIE_BAD_ATTRIBUTE;
      *value = widget->isVisibleTo(widget->parentWidget()) ? 1 : 0;
      return 0;
    case ATTR_MAX_VALUE:
    case ATTR_MIN_VALUE:
    case ATTR_INCR_VALUE:
    case ATTR_PRECISION:
      if (!IsNumeric(record)) return UIE_BAD_ATTRIBUTE;
      *value = attribute == ATTR_MAX_VALUE   ? def.maximum
               : attribute == ATTR_MIN_VALUE ? def.minimum
               : attribute == ATTR_INCR_VALUE
                   ? def.increment
                   : (def.valueType == ui::ValueType::Int ? 0 : def.precision);
      return 0;
    case ATTR_MAX_ENTRY_LENGTH:
      if (def.kind != ui::CtrlKind::String) return UIE_BAD_ATTRIBUTE;
      *value = record.maxEntryLength;
      return 0;
    case ATTR_ON_COLOR:
      if (def.kind != ui::CtrlKind::Led) return UIE_BAD_ATTRIBUTE;
      *value = record.onColor;
      return 0;
    case ATTR_ENABLED:
      if (!record.timer) return UIE_BAD_ATTRIBUTE;
      *value = def.enabled ? 1 : 0;
      return 0;
    case ATTR_INTERVAL:
      if (!record.timer) return UIE_BAD_ATTRIBUTE;
      *value = def.interval;
      return 0;
    case ATTR_CTRL_KIND:
      *value = static_cast<int>(def.kind);
      return 0;
    case ATTR_DATA_TYPE:
      *value = static_cast<int>(def.valueType);
      return 0;
    default:
      return UIE_BAD_ATTRIBUTE;
  }
}

}  // namespace
}  // namespace qtui

using qtui::ControlRecord;
using qtui::FindControlRecord;

int SetCtrlVal(int panel, int control, int value) { return qtui::SetNumber(panel, control, value); }
int SetCtrlVal(int panel, int control, double value) { return qtui::SetNumber(panel, control, value); }

int SetCtrlVal(int panel, int control, const std::string& value) {
  int error = 0;
  ControlRecord* record = FindControlRecord(panel, control, &error);
  if (!record) return error;
  const QString text = QString::fromStdString(value);
  switch (record->def.kind) {
    case ui::CtrlKind::String: {
      auto* edit = static_cast<QLineEdit*>(record->widget);
      edit->setText(text);  // cut to the maximum length
      edit->setModified(false);
      edit->setCursorPosition(0);  // a text longer than the field shows its beginning
      break;
    }
    case ui::CtrlKind::TextMessage:
      record->def.text = value;
      static_cast<QLabel*>(record->widget)->setText(text);
      break;
    default:
      return UIE_BAD_ATTRIBUTE;
  }
  qtui::RefreshAccessibleName(*record);
  record->widget->repaint();
  return 0;
}

int SetCtrlVal(int panel, int control, const char* value) {
  if (!value) return UIE_BAD_ATTRIBUTE;
  return SetCtrlVal(panel, control, std::string(value));
}

int GetCtrlVal(int panel, int control, int* value) {
  double number = 0;
  const int result = qtui::GetNumber(panel, control, value ? &number : nullptr);
  if (result == 0) *value = qtui::ToInt(number);
  return result;
}

int GetCtrlVal(int panel, int control, double* value) { return qtui::GetNumber(panel, control, value); }

int GetCtrlVal(int panel, int control, std::string* value) {
  int error = 0;
  ControlRecord* record = FindControlRecord(panel, control, &error);
  if (!record) return error;
  if (!value) return UIE_BAD_ATTRIBUTE;
  switch (record->def.kind) {
    case ui::CtrlKind::String:
      *value = static_cast<QLineEdit*>(record->widget)->text().toStdString();
      return 0;
    case ui::CtrlKind::TextMessage:
      *value = record->def.text;
      return 0;
    case ui::CtrlKind::Ring: {
      const int index = qtui::CurrentIndex(*record);
      if (index < 0) return UIE_BAD_INDEX;
      *value = record->def.items[static_cast<std::size_t>(index)].label;
      return 0;
    }
    default:
      return UIE_BAD_ATTRIBUTE;
  }
}

int SetCtrlAttribute(int panel, int control, int attribute, int value) {
  return SetCtrlAttribute(panel, control, attribute, static_cast<double>(value));
}

int SetCtrlAttribute(int panel, int control, int attribute, double value) {
  int error = 0;
  ControlRecord* record = FindControlRecord(panel, control, &error);
  if (!record) return error;
  return qtui::SetNumberAttribute(*record, attribute, value);
}

int SetCtrlAttribute(int panel, int control, int attribute, const std::string& value) {
  int error = 0;
  ControlRecord* record = FindControlRecord(panel, control, &error);
  if (!record) return error;
  ui::CtrlDef& def = record->def;
  switch (attribute) {
    case ATTR_LABEL_TEXT:
      if (def.kind == ui::CtrlKind::TextMessage) return SetCtrlVal(panel, control, value);
      def.label = value;
      qtui::ShowLabel(*record);
      return 0;
    case ATTR_ON_TEXT:
    case ATTR_OFF_TEXT:
      if (def.kind != ui::CtrlKind::ToggleButton) return UIE_BAD_ATTRIBUTE;
      (attribute == ATTR_ON_TEXT ? def.onText : def.text) = value;
      qtui::ShowToggleText(*record);
      return 0;
    case ATTR_TOOLTIP_TEXT:
      if (!record->widget) return UIE_BAD_ATTRIBUTE;
      record->widget->setToolTip(QString::fromStdString(value));
      qtui::RefreshAccessibleName(*record);  // a picture button is called by its tooltip
      return 0;
    default:
      return UIE_BAD_ATTRIBUTE;
  }
}

int GetCtrlAttribute(int panel, int control, int attribute, int* value) {
  double number = 0;
  const int result = GetCtrlAttribute(panel, control, attribute, value ? &number : nullptr);
  if (result == 0) *value = qtui::ToInt(number);
  return result;
}

int GetCtrlAttribute(int panel, int control, int attribute, double* value) {
  int error = 0;
  ControlRecord* record = FindControlRecord(panel, control, &error);
  if (!record) return error;
  if (!value) return UIE_BAD_ATTRIBUTE;
  return qtui::GetNumberAttribute(*record, attribute, value);
}

int GetCtrlAttribute(int panel, int control, int attribute, std::string* value) {
  int error = 0;
  ControlRecord* record = FindControlRecord(panel, control, &error);
  if (!record) return error;
  if (!value) return UIE_BAD_ATTRIBUTE;
  const ui::CtrlDef& def = record->def;
  switch (attribute) {
    case ATTR_LABEL_TEXT:
      *value = def.kind == ui::CtrlKind::TextMessage ? def.text : def.label;
      return 0;
    case ATTR_ON_TEXT:
    case ATTR_OFF_TEXT:
      if (def.kind != ui::CtrlKind::ToggleButton) return UIE_BAD_ATTRIBUTE;
      *value = attribute == ATTR_ON_TEXT ? def.onText : def.text;
      return 0;
    case ATTR_CALLBACK_NAME:
      *value = def.callback;
      return 0;
    case ATTR_CONSTANT_NAME:
      *value = def.constant;
      return 0;
    case ATTR_TOOLTIP_TEXT:
      if (!record->widget) return UIE_BAD_ATTRIBUTE;
      *value = record->widget->toolTip().toStdString();
      return 0;
    default:
      return UIE_BAD_ATTRIBUTE;
  }
}

int InstallCtrlCallback(int panel, int control, CtrlCallbackPtr callback, void* callbackData) {
  int error = 0;
  ControlRecord* record = FindControlRecord(panel, control, &error);
  if (!record) return error;
  record->callback = callback;
  record->callbackData = callbackData;
  return 0;
}
