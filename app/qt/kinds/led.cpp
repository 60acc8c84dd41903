// LEDs: a lamp that shows on or off in its on-colour; it takes no input.

#include "app/qt/control_accessibility.h"
#include "app/qt/control_kind.h"
#include "app/qt/control_widgets.h"
#include "app/qt/panel_window.h"

namespace qtui {
namespace {

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

class Led final : public ControlKind {
 public:
  QWidget* build(int, ControlRecord&, PanelWindow* window) const override {
    return new LedWidget(window->clientArea());
  }

  int setNumber(ControlRecord& led, double value) const override {
    led.value = value != 0 ? 1 : 0;
    static_cast<LedWidget*>(led.widget)->setOn(value != 0);
    NotifyAccessibleChecked(led.widget);
    ShowChanged(led);
    return 0;
  }
  int number(const ControlRecord& led, double* value) const override { return KeptNumber(led, value); }
  int setAttribute(ControlRecord& led, int attribute, double value) const override {
    if (attribute != ATTR_ON_COLOR) return UIE_BAD_ATTRIBUTE;
    led.onColor = ToInt(value) & 0xFFFFFF;
    static_cast<LedWidget*>(led.widget)->setOnColor(led.onColor);
    led.widget->repaint();
    return 0;
  }
  int attribute(const ControlRecord& led, int attribute, double* value) const override {
    if (attribute != ATTR_ON_COLOR) return UIE_BAD_ATTRIBUTE;
    *value = led.onColor;
    return 0;
  }

  // It shows, and takes nothing: a read-only check box that tells its state
  // and colour in words.
  bool hasOwnInterface() const override { return true; }
  QAccessible::Role role() const override { return QAccessible::CheckBox; }
  void addState(const ControlRecord& led, QAccessible::State& state) const override {
    state.checkable = true;
    state.checked = led.value != 0;
    state.readOnly = true;
  }
  bool showsValue() const override { return true; }
  QString shownText(const ControlRecord& led) const override {
    return led.value != 0 ? QStringLiteral("an, ") + ColourName(led.onColor) : QStringLiteral("aus");
  }
};

}  // namespace

const ControlKind& LedKind() { static const Led kind; return kind; }

}  // namespace qtui
