// Text messages, pictures and decorations: what stands on a panel to be read
// or seen; the operator puts nothing in.

#include <QLabel>

#include "app/qt/control_accessibility.h"
#include "app/qt/control_kind.h"
#include "app/qt/control_widgets.h"
#include "app/qt/image_painter.h"
#include "app/qt/panel_window.h"

namespace qtui {
namespace {

// Its text is also its label.
class TextMessage final : public ControlKind {
 public:
  QWidget* build(int, ControlRecord& control, PanelWindow* window) const override {
    if (control.def.text.empty()) control.def.text = control.def.label;  // shows its label instead
    auto* label = new QLabel(QString::fromStdString(control.def.text), window->clientArea());
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
  }
  bool hasLabelBeside() const override { return false; }

  int setText(ControlRecord& message, const std::string& text) const override {
    message.def.text = text;
    static_cast<QLabel*>(message.widget)->setText(QString::fromStdString(text));
    RefreshAccessibleName(message);
    message.widget->repaint();
    return 0;
  }
  int text(const ControlRecord& message, std::string* text) const override {
    *text = message.def.text;
    return 0;
  }
  int setLabel(ControlRecord& message, const std::string& label) const override { return setText(message, label); }
  std::string label(const ControlRecord& message) const override { return message.def.text; }

  QString visibleText(const ControlRecord& message) const override {
    return QString::fromStdString(message.def.text);
  }
};

// Named by what it shows; the toolkit would say nothing of it.
class Picture final : public ControlKind {
 public:
  QWidget* build(int, ControlRecord& control, PanelWindow* window) const override {
    return new ImageWidget(control.def.image, window->clientArea());
  }
  QString visibleText(const ControlRecord& picture) const override { return ImageText(picture.def.image); }
  bool hasOwnInterface() const override { return true; }
  QAccessible::Role role() const override { return QAccessible::Graphic; }
};

// An etched frame behind the controls it groups; it has no name.
class Decoration final : public ControlKind {
 public:
  QWidget* build(int, ControlRecord&, PanelWindow* window) const override {
    auto* frame = new FrameWidget(window->clientArea());
    frame->lower();
    return frame;
  }
  QString visibleText(const ControlRecord&) const override { return {}; }
};

}  // namespace

const ControlKind& TextMessageKind() { static const TextMessage kind; return kind; }
const ControlKind& PictureKind() { static const Picture kind; return kind; }
const ControlKind& DecorationKind() { static const Decoration kind; return kind; }

}  // namespace qtui
