// The progress display: a small tool window with a text and a bar, above the
// panel whose operation holds the event loop. It is painted directly on
// every update, since no event is processed until the operation ends.

#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QVBoxLayout>
#include <QWidget>
#include <map>

#include "app/qt/panel_window.h"
#include "app/qt/runtime_state.h"

namespace {

struct Fortschritt {
  QPointer<QWidget> window;
  QLabel* text = nullptr;
  QProgressBar* bar = nullptr;
};

std::map<int, Fortschritt>& Dialoge() {
  static std::map<int, Fortschritt> dialoge;
  return dialoge;
}

// What the operator reads is the name, the constant names the control.
void Benennen(QWidget* widget, const QString& name, const char* constant) {
  widget->setAccessibleName(name);
  widget->setAccessibleDescription(QString::fromLatin1(constant));
}

void Zeigen(const Fortschritt& dialog, const std::string& text, int value) {
  const QString shown = QString::fromStdString(text);
  dialog.text->setText(shown);
  dialog.bar->setValue(value);
  Benennen(dialog.text, shown, "FORTSCHRITTSTEXT");
  Benennen(dialog.bar, shown, "FORTSCHRITTSBALKEN");
  dialog.window->repaint();
}

}  // namespace

int CreateProgressDialog(int parentPanel, const std::string& title, const std::string& text,
                         int maximum) {
  qtui::PanelRecord* parent = qtui::FindPanelRecord(parentPanel);
  if (parent == nullptr) return UIE_BAD_PANEL;
  if (maximum < 1) return UIE_BAD_ATTRIBUTE;

  // A tool window of the panel: no close box, never takes the focus.
  auto* window = new QWidget(parent->window, Qt::Tool | Qt::CustomizeWindowHint |
                                                 Qt::WindowTitleHint |
                                                 Qt::WindowDoesNotAcceptFocus);
  window->setAttribute(Qt::WA_ShowWithoutActivating);
  window->setWindowTitle(QString::fromStdString(title));
  window->setMinimumWidth(320);
  Fortschritt dialog{window, new QLabel(window), new QProgressBar(window)};
  dialog.bar->setRange(0, maximum);
  dialog.bar->setTextVisible(false);
  auto* layout = new QVBoxLayout(window);
  layout->addWidget(dialog.text);
  layout->addWidget(dialog.bar);

  static int naechster = 1;
  const int handle = naechster++;
  Dialoge()[handle] = dialog;
  window->show();
  Zeigen(dialog, text, 0);
  return handle;
}

int UpdateProgressDialog(int dialog, const std::string& text, int value) {
  const auto it = Dialoge().find(dialog);
  if (it == Dialoge().end() || it->second.window.isNull()) return UIE_BAD_PANEL;
  Zeigen(it->second, text, value);
  return 0;
}

int DiscardProgressDialog(int dialog) {
  const auto it = Dialoge().find(dialog);
  if (it == Dialoge().end()) return UIE_BAD_PANEL;
  delete it->second.window.data();  // gone with its panel, if that went first
  Dialoge().erase(it);
  return 0;
}
