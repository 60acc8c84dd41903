// Control values and attributes, and control callbacks. What differs from
// one kind of control to another is its kind's (app/qt/kinds/).

#include <QLabel>
#include <QWidget>

#include "app/qt/control_accessibility.h"
#include "app/qt/control_kind.h"
#include "app/qt/runtime_state.h"

namespace qtui {
namespace {

// Every attribute with a number for its value, whether the caller passed an
// int or a double.
int SetNumberAttribute(ControlRecord& record, int attribute, double value) {
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
    default:
      return KindOf(record).setAttribute(record, attribute, value);
  }
}

int GetNumberAttribute(const ControlRecord& record, int attribute, double* value) {
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
    case ATTR_CTRL_KIND:
      *value = static_cast<int>(record.def.kind);
      return 0;
    case ATTR_DATA_TYPE:
      *value = static_cast<int>(record.def.valueType);
      return 0;
    default:
      return KindOf(record).attribute(record, attribute, value);
  }
}

}  // namespace
}  // namespace qtui

using qtui::KindOf;
using qtui::LookUpControl;

int SetCtrlVal(int panel, int control, int value) {
  return SetCtrlVal(panel, control, static_cast<double>(value));
}

int SetCtrlVal(int panel, int control, double value) {
  const auto [record, error] = LookUpControl(panel, control);
  return record ? KindOf(*record).setNumber(*record, value) : error;
}

int SetCtrlVal(int panel, int control, const std::string& value) {
  const auto [record, error] = LookUpControl(panel, control);
  return record ? KindOf(*record).setText(*record, value) : error;
}

int SetCtrlVal(int panel, int control, const char* value) {
  return value ? SetCtrlVal(panel, control, std::string(value)) : UIE_BAD_ATTRIBUTE;
}

int GetCtrlVal(int panel, int control, int* value) {
  double number = 0;
  const int result = GetCtrlVal(panel, control, value ? &number : nullptr);
  if (result == 0) *value = qtui::ToInt(number);
  return result;
}

int GetCtrlVal(int panel, int control, double* value) {
  const auto [record, error] = LookUpControl(panel, control);
  if (!record) return error;
  return value ? KindOf(*record).number(*record, value) : UIE_BAD_ATTRIBUTE;
}

int GetCtrlVal(int panel, int control, std::string* value) {
  const auto [record, error] = LookUpControl(panel, control);
  if (!record) return error;
  return value ? KindOf(*record).text(*record, value) : UIE_BAD_ATTRIBUTE;
}

int SetCtrlAttribute(int panel, int control, int attribute, int value) {
  return SetCtrlAttribute(panel, control, attribute, static_cast<double>(value));
}

int SetCtrlAttribute(int panel, int control, int attribute, double value) {
  const auto [record, error] = LookUpControl(panel, control);
  return record ? qtui::SetNumberAttribute(*record, attribute, value) : error;
}

int SetCtrlAttribute(int panel, int control, int attribute, const std::string& value) {
  const auto [record, error] = LookUpControl(panel, control);
  if (!record) return error;
  switch (attribute) {
    case ATTR_LABEL_TEXT:
      return KindOf(*record).setLabel(*record, value);
    case ATTR_TOOLTIP_TEXT:
      if (!record->widget) return UIE_BAD_ATTRIBUTE;
      record->widget->setToolTip(QString::fromStdString(value));
      qtui::RefreshAccessibleName(*record);  // a picture button is called by its tooltip
      return 0;
    default:
      return KindOf(*record).setAttribute(*record, attribute, value);
  }
}

int GetCtrlAttribute(int panel, int control, int attribute, int* value) {
  double number = 0;
  const int result = GetCtrlAttribute(panel, control, attribute, value ? &number : nullptr);
  if (result == 0) *value = qtui::ToInt(number);
  return result;
}

int GetCtrlAttribute(int panel, int control, int attribute, double* value) {
  const auto [record, error] = LookUpControl(panel, control);
  if (!record) return error;
  return value ? qtui::GetNumberAttribute(*record, attribute, value) : UIE_BAD_ATTRIBUTE;
}

int GetCtrlAttribute(int panel, int control, int attribute, std::string* value) {
  const auto [record, error] = LookUpControl(panel, control);
  if (!record) return error;
  if (!value) return UIE_BAD_ATTRIBUTE;
  switch (attribute) {
    case ATTR_LABEL_TEXT:
      *value = KindOf(*record).label(*record);
      return 0;
    case ATTR_CALLBACK_NAME:
      *value = record->def.callback;
      return 0;
    case ATTR_CONSTANT_NAME:
      *value = record->def.constant;
      return 0;
    case ATTR_TOOLTIP_TEXT:
      if (!record->widget) return UIE_BAD_ATTRIBUTE;
      *value = record->widget->toolTip().toStdString();
      return 0;
    default:
      return KindOf(*record).attribute(*record, attribute, value);
  }
}

int InstallCtrlCallback(int panel, int control, CtrlCallbackPtr callback, void* callbackData) {
  const auto [record, error] = LookUpControl(panel, control);
  if (!record) return error;
  record->callback = callback;
  record->callbackData = callbackData;
  return 0;
}
