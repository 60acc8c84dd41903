#include "ui/velt1_gui_build.h"

#include <limits>
#include <utility>

namespace ui::gui {

PanelDef Panel(int id, const std::string& constant, const std::string& title, int height,
               int width) {
  return {.id = id, .constant = constant, .title = title, .height = height, .width = width};
}

PanelDef TopLevelPanel(int id, const std::string& constant, const std::string& title, int menuBar) {
  return {.id = id, .constant = constant, .title = title, .height = 510, .width = 760,
          .callback = "Callback_Panels", .menuBar = menuBar};
}

CtrlDef CommandButton(int id, const std::string& constant, const std::string& label, Rect rect,
                      const std::string& callback) {
  return {.id = id, .constant = constant, .kind = CtrlKind::CommandButton, .label = label,
          .rect = rect, .labelPos = LabelPos::None, .callback = callback};
}

CtrlDef PictureButton(int id, const std::string& constant, Image image, Rect rect,
                      const std::string& callback) {
  return {.id = id, .constant = constant, .kind = CtrlKind::PictureButton, .rect = rect,
          .labelPos = LabelPos::None, .image = image, .callback = callback};
}

CtrlDef ToggleButton(int id, const std::string& constant, const std::string& offText,
                     const std::string& onText, Rect rect, const std::string& callback) {
  return {.id = id, .constant = constant, .kind = CtrlKind::ToggleButton, .rect = rect,
          .labelPos = LabelPos::None, .valueType = ValueType::Int, .maximum = 1, .text = offText,
          .onText = onText, .callback = callback};
}

CtrlDef Led(int id, const std::string& constant, const std::string& label, Rect rect,
            int initial, LabelPos labelPos) {
  return {.id = id, .constant = constant, .kind = CtrlKind::Led, .label = label, .rect = rect,
          .labelPos = labelPos, .valueType = ValueType::Int, .initial = static_cast<double>(initial),
          .maximum = 1};
}

CtrlDef Numeric(int id, const std::string& constant, const std::string& label, Rect rect,
                LabelPos labelPos, ValueType type, double initial, double minimum,
                double maximum, double increment, int precision, const std::string& callback) {
  return {.id = id, .constant = constant, .kind = CtrlKind::Numeric, .label = label,
          .rect = rect, .labelPos = labelPos, .valueType = type, .initial = initial,
          .minimum = minimum, .maximum = maximum, .increment = increment,
          .precision = precision, .callback = callback};
}

CtrlDef StringCtrl(int id, const std::string& constant, const std::string& label, Rect rect,
                   LabelPos labelPos, bool onlyDisplays) {
  return {.id = id, .constant = constant, .kind = CtrlKind::String, .label = label,
          .rect = rect, .labelPos = labelPos, .valueType = ValueType::Text,
          .indicator = onlyDisplays};
}

CtrlDef TextMessage(int id, const std::string& constant, const std::string& text, Rect rect) {
  return {.id = id, .constant = constant, .kind = CtrlKind::TextMessage, .rect = rect,
          .labelPos = LabelPos::None, .valueType = ValueType::Text, .text = text};
}

CtrlDef Ring(int id, const std::string& constant, const std::string& label, Rect rect,
             LabelPos labelPos, ValueType type, std::vector<RingItem> items,
             const std::string& callback) {
  // A ring shows its first item until the program sets another.
  const double initial = items.empty() ? 0.0 : items.front().value;
  return {.id = id, .constant = constant, .kind = CtrlKind::Ring, .label = label, .rect = rect,
          .labelPos = labelPos, .valueType = type, .initial = initial, .items = std::move(items),
          .callback = callback};
}

CtrlDef ComPictureRing(int id, const std::string& constant, Rect rect) {
  // Images, no labels: the runtime draws each value's picture.
  std::vector<RingItem> items{{"", 0.0}};
  for (int port = 1; port <= 16; ++port) items.push_back({"", static_cast<double>(port)});
  items.push_back({"", 99.0});
  return {.id = id, .constant = constant, .kind = CtrlKind::PictureRing, .rect = rect,
          .labelPos = LabelPos::None, .valueType = ValueType::Int, .items = std::move(items),
          .image = Image::ComState};
}

CtrlDef Picture(int id, const std::string& constant, Image image, Rect rect) {
  return {.id = id, .constant = constant, .kind = CtrlKind::Picture, .rect = rect,
          .labelPos = LabelPos::None, .image = image};
}

CtrlDef Decoration(int id, const std::string& constant, Rect rect) {
  return {.id = id, .constant = constant, .kind = CtrlKind::Decoration, .rect = rect,
          .labelPos = LabelPos::None};
}

CtrlDef Timer(int id, const std::string& constant, const std::string& label, Rect rect,
              double interval, bool enabled, const std::string& callback) {
  return {.id = id, .constant = constant, .kind = CtrlKind::Timer, .label = label, .rect = rect,
          .labelPos = LabelPos::None, .interval = interval, .enabled = enabled,
          .callback = callback};
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
  return StringCtrl(id, constant, "", kStripFehlerString, LabelPos::None, true);
}

}  // namespace ui::gui
