#include "app/qt/control_builder.h"

#include <QLabel>

#include "app/qt/control_accessibility.h"
#include "app/qt/control_events.h"
#include "app/qt/control_kind.h"
#include "app/qt/panel_window.h"

namespace qtui {

ControlRecord BuildControl(int panel, PanelWindow* window, QObject* eventFilter,
                           const ui::CtrlDef& def) {
  const ControlKind& kind = KindOf(def.kind);
  ControlRecord record;
  record.def = def;
  record.widget = kind.build(panel, record, window);
  if (!record.widget) return record;

  const ui::Rect& r = def.rect;
  QSize size(r.width, r.height);
  if (size.width() <= 0) size.setWidth(record.widget->sizeHint().width());
  if (size.height() <= 0) size.setHeight(record.widget->sizeHint().height());
  record.widget->setGeometry(r.left, r.top, size.width(), size.height());
  record.widget->setAccessibleName(QString::fromStdString(def.constant));

  if (kind.hasLabelBeside() && def.labelPos != ui::LabelPos::None && !def.label.empty()) {
    record.label = new QLabel(window->clientArea());
    record.label->setBuddy(record.widget);
    ShowLabelBeside(record);
  }
  kind.showInitial(record);
  WatchControl(record.widget, panel, def.id, eventFilter);
  SetUpAccessibility(record);
  return record;
}

}  // namespace qtui
