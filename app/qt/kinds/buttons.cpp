// Command buttons, picture buttons and toggle buttons: push buttons whose
// click commits. A toggle keeps its state and shows the text of it.

#include <QPushButton>
#include <algorithm>

#include "app/qt/control_accessibility.h"
#include "app/qt/control_kind.h"
#include "app/qt/control_widgets.h"
#include "app/qt/image_painter.h"
#include "app/qt/panel_window.h"

namespace qtui {
namespace {

using Actions = QAccessibleActionInterface;

QPushButton* Button(const ControlRecord& control) { return static_cast<QPushButton*>(control.widget); }

QPushButton* NewButton(int panel, const ui::CtrlDef& def, PanelWindow* window) {
  auto* button = new QPushButton(window->clientArea());
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, [panel, id = def.id] { Commit(panel, id); });
  return button;
}

// What all buttons share: a click commits.
class PushButton : public ControlKind {
 public:
  bool hasLabelBeside() const override { return false; }
  bool hasOwnInterface() const override { return true; }
  // The toolkit's press would skip the click event.
  QStringList actionNames() const override { return {Actions::pressAction()}; }
  void addState(const ControlRecord& button, QAccessible::State& state) const override {
    state.pressed = Button(button)->isDown();
  }
  int commit(int, ControlRecord& button) const override {
    Button(button)->click();
    return 0;
  }
};

class CommandButton final : public PushButton {
 public:
  QWidget* build(int panel, ControlRecord& control, PanelWindow* window) const override {
    QPushButton* button = NewButton(panel, control.def, window);
    button->setText(MnemonicText(control.def.label));
    return button;
  }
  int setLabel(ControlRecord& control, const std::string& label) const override {
    control.def.label = label;
    Button(control)->setText(MnemonicText(label));
    RefreshAccessibleName(control);
    return 0;
  }
  QString visibleText(const ControlRecord& control) const override { return PlainText(control.def.label); }
};

// Named by its tooltip: the label, or what the picture shows.
class PictureButton final : public PushButton {
 public:
  QWidget* build(int panel, ControlRecord& control, PanelWindow* window) const override {
    const ui::CtrlDef& def = control.def;
    QPushButton* button = NewButton(panel, def, window);
    const QSize iconSize(std::max(8, def.rect.width - 8), std::max(8, def.rect.height - 8));
    button->setIcon(QIcon(DrawImage(def.image, 0, iconSize)));
    button->setIconSize(iconSize);
    button->setToolTip(def.label.empty() ? ImageText(def.image) : QString::fromStdString(def.label));
    return button;
  }
  QString visibleText(const ControlRecord& control) const override { return control.widget->toolTip(); }
};

class ToggleButton final : public PushButton {
 public:
  QWidget* build(int panel, ControlRecord& control, PanelWindow* window) const override {
    // Without texts of its own a toggle shows its label in both states.
    ui::CtrlDef& def = control.def;
    if (def.text.empty()) def.text = def.label;
    if (def.onText.empty()) def.onText = def.text;
    auto* button = new QPushButton(window->clientArea());
    button->setAutoDefault(false);
    button->setCheckable(true);
    QObject::connect(button, &QPushButton::clicked, [panel, id = control.def.id](bool checked) {
      if (ControlRecord* record = FindControlRecord(panel, id)) {
        record->value = checked ? 1 : 0;
        ShowStateText(*record);
      }
      Commit(panel, id);
    });
    return button;
  }

  int setNumber(ControlRecord& toggle, double value) const override {
    {
      const QSignalBlocker quiet(toggle.widget);
      toggle.value = value != 0 ? 1 : 0;
      Button(toggle)->setChecked(value != 0);
      ShowStateText(toggle);
    }
    ShowChanged(toggle);
    return 0;
  }
  int number(const ControlRecord& toggle, double* value) const override { return KeptNumber(toggle, value); }
  int setLabel(ControlRecord& toggle, const std::string& label) const override {
    toggle.def.label = label;
    ShowStateText(toggle);
    return 0;
  }
  int setAttribute(ControlRecord& toggle, int attribute, const std::string& text) const override {
    if (attribute != ATTR_ON_TEXT && attribute != ATTR_OFF_TEXT) return UIE_BAD_ATTRIBUTE;
    (attribute == ATTR_ON_TEXT ? toggle.def.onText : toggle.def.text) = text;
    ShowStateText(toggle);
    return 0;
  }
  int attribute(const ControlRecord& toggle, int attribute, std::string* text) const override {
    if (attribute != ATTR_ON_TEXT && attribute != ATTR_OFF_TEXT) return UIE_BAD_ATTRIBUTE;
    *text = attribute == ATTR_ON_TEXT ? toggle.def.onText : toggle.def.text;
    return 0;
  }

  QString visibleText(const ControlRecord& toggle) const override { return PlainText(StateText(toggle)); }
  // The toolkit's toggle action would flip it past its callback.
  QStringList actionNames() const override { return {Actions::pressAction(), Actions::toggleAction()}; }
  void addState(const ControlRecord& toggle, QAccessible::State& state) const override {
    state.checkable = true;
    state.checked = toggle.value != 0;
    state.readOnly = false;
  }

  // A toggle only flips; asking for the state it has changes nothing.
  int commitValue(int, ControlRecord& toggle, double value) const override {
    if ((value != 0) != (toggle.value != 0)) Button(toggle)->click();
    return 0;
  }

 private:
  static const std::string& StateText(const ControlRecord& toggle) {
    return toggle.value != 0 ? toggle.def.onText : toggle.def.text;
  }
  static void ShowStateText(ControlRecord& toggle) {
    Button(toggle)->setText(MnemonicText(StateText(toggle)));
    RefreshAccessibleName(toggle);
  }
};

}  // namespace

const ControlKind& CommandButtonKind() { static const CommandButton kind; return kind; }
const ControlKind& PictureButtonKind() { static const PictureButton kind; return kind; }
const ControlKind& ToggleButtonKind() { static const ToggleButton kind; return kind; }

}  // namespace qtui
