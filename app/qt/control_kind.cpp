#include "app/qt/control_kind.h"

#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <climits>
#include <cmath>

#include "app/qt/control_accessibility.h"
#include "app/qt/control_widgets.h"

namespace qtui {

// Each defined with its kind in app/qt/kinds/.
const ControlKind& CommandButtonKind();
const ControlKind& PictureButtonKind();
const ControlKind& ToggleButtonKind();
const ControlKind& LedKind();
const ControlKind& NumericKind();
const ControlKind& StringKind();
const ControlKind& TextMessageKind();
const ControlKind& RingKind();
const ControlKind& PictureRingKind();
const ControlKind& PictureKind();
const ControlKind& DecorationKind();
const ControlKind& TimerKind();

const ControlKind& KindOf(ui::CtrlKind kind) {
  switch (kind) {
    case ui::CtrlKind::CommandButton: return CommandButtonKind();
    case ui::CtrlKind::PictureButton: return PictureButtonKind();
    case ui::CtrlKind::ToggleButton: return ToggleButtonKind();
    case ui::CtrlKind::Led: return LedKind();
    case ui::CtrlKind::Numeric: return NumericKind();
    case ui::CtrlKind::String: return StringKind();
    case ui::CtrlKind::TextMessage: return TextMessageKind();
    case ui::CtrlKind::Ring: return RingKind();
    case ui::CtrlKind::PictureRing: return PictureRingKind();
    case ui::CtrlKind::Picture: return PictureKind();
    case ui::CtrlKind::Decoration: return DecorationKind();
    case ui::CtrlKind::Timer: return TimerKind();
  }
  return DecorationKind();  // no definition names another kind
}

int ControlKind::setLabel(ControlRecord& control, const std::string& label) const {
  control.def.label = label;
  if (control.label) ShowLabelBeside(control);
  return 0;
}

QString ControlKind::visibleText(const ControlRecord& control) const {
  if (control.label) return PlainText(control.def.label);
  return control.widget->window()->windowTitle();
}

int ToInt(double value) {
  return static_cast<int>(std::llround(std::clamp(value, double{INT_MIN}, double{INT_MAX})));
}

void Commit(int panel, int control) { DispatchCtrlEvent(panel, control, EVENT_COMMIT, 0, 0); }

void ShowLabelBeside(ControlRecord& control) {
  QLabel* label = control.label;
  label->setText(MnemonicText(control.def.label));
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
  RefreshAccessibleName(control);
}

void ShowChanged(ControlRecord& control) {
  if (control.def.indicator) RefreshAccessibleName(control);
  control.widget->repaint();
}

}  // namespace qtui
