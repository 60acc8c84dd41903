// Timers: no widget, a tick to the callback at each interval while enabled.

#include <QTimer>
#include <algorithm>
#include <cmath>

#include "app/qt/control_kind.h"
#include "app/qt/panel_window.h"

namespace qtui {
namespace {

class Timer final : public ControlKind {
 public:
  QWidget* build(int panel, ControlRecord& control, PanelWindow* window) const override {
    const ui::CtrlDef& def = control.def;
    control.timer = new QTimer(window);
    control.timer->setInterval(static_cast<int>(std::llround(std::max(0.001, def.interval) * 1000)));
    QObject::connect(control.timer, &QTimer::timeout,
                     [panel, id = def.id] { DispatchCtrlEvent(panel, id, EVENT_TIMER_TICK, 0, 0); });
    if (def.enabled && def.interval > 0) control.timer->start();
    return nullptr;
  }

  int setAttribute(ControlRecord& timer, int attribute, double value) const override {
    ui::CtrlDef& def = timer.def;
    switch (attribute) {
      case ATTR_ENABLED:
        def.enabled = value != 0;
        if (def.enabled)
          timer.timer->start();
        else
          timer.timer->stop();
        return 0;
      case ATTR_INTERVAL:
        if (!(value > 0)) return UIE_BAD_ATTRIBUTE;
        def.interval = value;
        timer.timer->setInterval(std::max(1, ToInt(value * 1000)));
        return 0;
      default:
        return UIE_BAD_ATTRIBUTE;
    }
  }
  int attribute(const ControlRecord& timer, int attribute, double* value) const override {
    switch (attribute) {
      case ATTR_ENABLED: *value = timer.def.enabled ? 1 : 0; return 0;
      case ATTR_INTERVAL: *value = timer.def.interval; return 0;
      default: return UIE_BAD_ATTRIBUTE;
    }
  }
};

}  // namespace

const ControlKind& TimerKind() { static const Timer kind; return kind; }

}  // namespace qtui
