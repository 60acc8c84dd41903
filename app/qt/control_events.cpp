#include "app/qt/control_events.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

#include "app/qt/panel_window.h"

namespace qtui {
namespace {

constexpr char kPanelProperty[] = "velt1Panel";
constexpr char kControlProperty[] = "velt1Control";

class ControlEventFilter : public QObject {
 public:
  explicit ControlEventFilter(QObject* owner) : QObject(owner) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::KeyPress)
      return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !widget->isEnabled()) return false;
    const int panel = widget->property(kPanelProperty).toInt();
    const int control = widget->property(kControlProperty).toInt();
    if (type == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      const int character = key->text().isEmpty() ? 0 : static_cast<int>(key->text().at(0).unicode());
      // A callback that answers non-zero swallows the key.
      return DispatchCtrlEvent(panel, control, EVENT_KEYPRESS, key->key(), character) > 0;
    }
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;
    PanelRecord* record = FindPanelRecord(panel);
    if (!record) return false;
    const QPoint at = widget->mapTo(record->window->clientArea(), mouse->position().toPoint());
    DispatchCtrlEvent(panel, control,
                      type == QEvent::MouseButtonPress ? EVENT_LEFT_CLICK : EVENT_LEFT_DOUBLE_CLICK,
                      at.y(), at.x());
    return false;
  }
};

}  // namespace

QObject* NewControlEventFilter(QObject* owner) { return new ControlEventFilter(owner); }

void WatchControl(QWidget* widget, int panel, int control, QObject* eventFilter) {
  QList<QWidget*> widgets = widget->findChildren<QWidget*>();
  widgets.prepend(widget);
  for (QWidget* w : widgets) {
    w->setProperty(kPanelProperty, panel);
    w->setProperty(kControlProperty, control);
    w->installEventFilter(eventFilter);
  }
}

ControlRecord* ControlOf(const QWidget* widget, int* panel) {
  if (!widget) return nullptr;
  const int panelHandle = widget->property(kPanelProperty).toInt();
  ControlRecord* record = FindControlRecord(panelHandle, widget->property(kControlProperty).toInt());
  if (!record || record->widget != widget) return nullptr;
  if (panel) *panel = panelHandle;
  return record;
}

void SendLeftClick(QWidget* widget) {
  const QPointer<QWidget> target(widget);
  SendLeftMouse(widget, QEvent::MouseButtonPress, Qt::LeftButton);
  // The press may have ended the panel.
  if (target) SendLeftMouse(widget, QEvent::MouseButtonRelease, Qt::NoButton);
}

void SendLeftMouse(QWidget* widget, QEvent::Type type, Qt::MouseButtons buttons) {
  const QPointF local(widget->width() / 2.0, widget->height() / 2.0);
  QMouseEvent event(type, local, widget->mapToGlobal(local), Qt::LeftButton, buttons, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

}  // namespace qtui
