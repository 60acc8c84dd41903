#include "ui/velt1_gui_build.h"

#include <limits>
#include <utility>

namespace ui::gui {

namespace {

CtrlDef Base(int id, const std::string& constant, CtrlKind kind, Rect rect, LabelPos labelPos) {
  CtrlDef c;
  c.id = id;
  c.constant = constant;
  c.kind = kind;
  c.rect = rect;
  c.labelPos = labelPos;
  return c;
}

}  // namespace

PanelDef Panel(int id, const std::string& constant, const std::string& title, int height,
               int width) {
  PanelDef p;
  p.id = id;
  p.constant = constant;
  p.title = title;
  p.height = height;
  p.width = width;
  return p;
}

PanelDef TopLevelPanel(int id, const std::string& constant, const std::string& title,
                       int menuBar) {
  PanelDef p = Panel(id, constant, title, 510, 760);
  p.callback = "Callback_Panels";
  p.menuBar = menuBar;
  return p;
}

CtrlDef CommandButton(int id, const std::string& constant, const std::string& label, Rect rect,
                      const std::string& callback) {
  CtrlDef c = Base(id, constant, CtrlKind::CommandButton, rect, LabelPos::None);
  c.label = label;
  c.callback = callback;
  return c;
}

CtrlDef PictureButton(int id, const std::string& constant, Image image, Rect rect,
                      const std::string& callback) {
  CtrlDef c = Base(id, constant, CtrlKind::PictureButton, rect, LabelPos::None);
  c.image = image;
  c.callback = callback;
  return c;
}

CtrlDef ToggleButton(int id, const std::string& constant, const std::string& offText,
                     const std::string& onText, Rect rect, const std::string& callback) {
  CtrlDef c = Base(id, constant, CtrlKind::ToggleButton, rect, LabelPos::None);
  c.valueType = ValueType::Int;
  c.maximum = 1;
  c.text = offText;
  c.onText = onText;
  c.callback = callback;
  return c;
}

CtrlDef Led(int id, const std::string& constant, const std::string& label, Rect rect,
            int initial, LabelPos labelPos) {
  CtrlDef c = Base(id, constant, CtrlKind::Led, rect, labelPos);
  c.label = label;
  c.valueType = ValueType::Int;
  c.initial = initial;
  c.maximum = 1;
  return c;
}

CtrlDef Numeric(int id, const std::string& constant, const std::string& label, Rect rect,
                LabelPos labelPos, ValueType type, double initial, double minimum,
                double maximum, double increment, int precision, const std::string& callback) {
  CtrlDef c = Base(id, constant, CtrlKind::Numeric, rect, labelPos);
  c.label = label;
  c.valueType = type;
  c.initial = initial;
  c.minimum = minimum;
  c.maximum = maximum;
  c.increment = increment;
  c.precision = precision;
  c.callback = callback;
  return c;
}

CtrlDef StringCtrl(int id, const std::string& constant, const std::string& label, Rect rect,
                   LabelPos labelPos) {
  CtrlDef c = Base(id, constant, CtrlKind::String, rect, labelPos);
  c.label = label;
  c.valueType = ValueType::Text;
  return c;
}

CtrlDef TextMessage(int id, const std::string& constant, const std::string& text, Rect rect) {
  CtrlDef c = Base(id, constant, CtrlKind::TextMessage, rect, LabelPos::None);
  c.valueType = ValueType::Text;
  c.text = text;
  return c;
}

CtrlDef Ring(int id, const std::string& constant, const std::string& label, Rect rect,
             LabelPos labelPos, ValueType type, std::vector<RingItem> items,
             const std::string& callback) {
  CtrlDef c = Base(id, constant, CtrlKind::Ring, rect, labelPos);
  c.label = label;
  c.valueType = type;
  c.items = std::move(items);
  if (!c.items.empty()) c.initial = c.items.front().value;
  c.callback = callback;
  return c;
}

CtrlDef ComPictureRing(int id, const std::string& constant, Rect rect) {
  CtrlDef c = Base(id, constant, CtrlKind::PictureRing, rect, LabelPos::None);
  c.valueType = ValueType::Int;
  c.image = Image::ComState;
  // Images, no labels: the runtime draws each value's picture.
  c.items.push_back({"", 0.0});
  for (int port = 1; port <= 16; ++port) c.items.push_back({"", static_cast<double>(port)});
  c.items.push_back({"", 99.0});
  return c;
}

CtrlDef Picture(int id, const std::string& constant, Image image, Rect rect) {
  CtrlDef c = Base(id, constant, CtrlKind::Picture, rect, LabelPos::None);
  c.image = image;
  return c;
}

CtrlDef Decoration(int id, const std::string& constant, Rect rect) {
  return Base(id, constant, CtrlKind::Decoration, rect, LabelPos::None);
}

CtrlDef Timer(int id, const std::string& constant, const std::string& label, Rect rect,
              double interval, bool enabled, const std::string& callback) {
  CtrlDef c = Base(id, constant, CtrlKind::Timer, rect, LabelPos::None);
  c.label = label;
  c.interval = interval;
  c.enabled = enabled;
  c.callback = callback;
  return c;
}

CtrlDef FehlerLed(int id, const std::string& constant) {
  return Led(id, constant, "Fehler", kStripFehlerLed);
}

CtrlDef FehlerNummer(int id, const std::string& constant) {
  CtrlDef c = Numeric(id, constant, "", kStripFehlerNummer, LabelPos::None, ValueType::Int, 0,
                      std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), 1, 0);
  c.indicator = true;
  return c;
}

CtrlDef FehlerString(int id, const std::string& constant) {
  CtrlDef c = StringCtrl(id, constant, "", kStripFehlerString, LabelPos::None);
  c.indicator = true;
  return c;
}

}  // namespace ui::gui
