// The progress display: a raised box in the middle of the panel whose
// operation holds the event loop, with a title, a text and a bar. It lies
// inside the panel's window rather than in a window of its own: a new window
// is drawn only once the event loop has handled its mapping, and no event is
// processed until the operation ends, whereas a box in a window already on
// screen paints at once.

#include <QFont>
#include <algorithm>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QVBoxLayout>
#include <map>

#include "app/qt/panel_window.h"
#include "app/qt/runtime_state.h"

namespace {

struct Fortschritt {
  QPointer<QFrame> box;
  QLabel* text = nullptr;
  QProgressBar* bar = nullptr;
};

std::map<int, Fortschritt>& Dialoge() {
  static std::map<int, Fortschritt> dialoge;
  return dialoge;
}

// What the operator reads is the name, the constant names the control.
void Benennen(QWidget* widget, const QString& name, const char* constant) {
  widget->setObjectName(QString::fromLatin1(constant));
  widget->setAccessibleName(name);
  widget->setAccessibleDescription(QString::fromLatin1(constant));
}

void Zeigen(const Fortschritt& dialog, const std::string& text, int value) {
  const QString shown = QString::fromStdString(text);
  dialog.text->setText(shown);
  dialog.bar->setValue(value);
  Benennen(dialog.text, shown, "FORTSCHRITTSTEXT");
  Benennen(dialog.bar, shown, "FORTSCHRITTSBALKEN");
  dialog.box->repaint();
}

}  // namespace

int CreateProgressDialog(int parentPanel, const std::string& title, const std::string& text,
                         int maximum) {
  qtui::PanelRecord* parent = qtui::FindPanelRecord(parentPanel);
  if (parent == nullptr) return UIE_BAD_PANEL;
  if (maximum < 1) return UIE_BAD_ATTRIBUTE;

  QWidget* client = parent->window->clientArea();
  auto* box = new QFrame(client);
  box->setFrameStyle(QFrame::Panel | QFrame::Raised);
  box->setLineWidth(2);
  box->setAutoFillBackground(true);
  box->setFocusPolicy(Qt::NoFocus);
  auto* heading = new QLabel(QString::fromStdString(title), box);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  Benennen(heading, heading->text(), "FORTSCHRITTSTITEL");
  Fortschritt dialog{box, new QLabel(box), new QProgressBar(box)};
  dialog.bar->setRange(0, maximum);
  dialog.bar->setTextVisible(false);
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(heading);
  layout->addWidget(dialog.text);
  layout->addWidget(dialog.bar);

  const int width = std::min(360, client->width());
  const int height = box->sizeHint().height();
  box->setGeometry((client->width() - width) / 2, (client->height() - height) / 2, width, height);
  box->raise();
  box->show();

  static int naechster = 1;
  const int handle = naechster++;
  Dialoge()[handle] = dialog;
  Zeigen(dialog, text, 0);
  return handle;
}

int UpdateProgressDialog(int dialog, const std::string& text, int value) {
  const auto it = Dialoge().find(dialog);
  if (it == Dialoge().end() || it->second.box.isNull()) return UIE_BAD_PANEL;
  Zeigen(it->second, text, value);
  return 0;
}

int DiscardProgressDialog(int dialog) {
  const auto it = Dialoge().find(dialog);
  if (it == Dialoge().end()) return UIE_BAD_PANEL;
  delete it->second.box.data();  // gone with its panel, if that went first
  Dialoge().erase(it);
  return 0;
}
