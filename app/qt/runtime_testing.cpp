// The test hooks of qt_runtime_testing.h: real widget signals and events, so
// that a test reaches the callbacks the way an operator does.

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <memory>

#include "app/qt/control_events.h"
#include "app/qt/control_kind.h"
#include "app/qt/kinds/rings.h"
#include "app/qt/panel_window.h"
#include "app/qt/qt_runtime_testing.h"
#include "app/qt/runtime_state.h"

namespace qtui {
namespace {

// A control the operator can reach: shown by a widget and not dimmed.
bool Operable(const ControlRecord& control) { return control.widget && control.widget->isEnabled(); }

// A control whose value the operator can change: operable, and not a display.
bool Editable(const ControlRecord& control) { return Operable(control) && !control.def.indicator; }

int Click(int panel, int control, bool twice) {
  const auto [record, error] = LookUpControl(panel, control, Operable);
  if (!record) return error;
  QWidget* widget = record->widget;
  SendLeftClick(widget);
  if (twice && FindControlRecord(panel, control)) {
    SendLeftMouse(widget, QEvent::MouseButtonDblClick, Qt::LeftButton);
    SendLeftMouse(widget, QEvent::MouseButtonRelease, Qt::NoButton);
  }
  // A ring opens its list on a click; a test has nobody to close it.
  if (FindControlRecord(panel, control))
    if (auto* combo = qobject_cast<QComboBox*>(widget)) combo->hidePopup();
  return 0;
}

MenuEntryRecord* EntryNamed(MenuBarRecord& bar, int parent, const std::string& name) {
  for (auto& [id, entry] : bar.entries)
    if (entry.parent == parent && entry.name == name &&
        (entry.kind == ui::MenuKind::Menu || entry.kind == ui::MenuKind::Item))
      return &entry;
  return nullptr;
}

MenuEntryRecord* SubmenuOf(MenuBarRecord& bar, int item) {
  for (auto& [id, entry] : bar.entries)
    if (entry.parent == item && entry.kind == ui::MenuKind::Submenu) return &entry;
  return nullptr;
}

}  // namespace

int UserCommit(int panel, int control) {
  const auto [record, error] = LookUpControl(panel, control, Editable);
  return record ? KindOf(*record).commit(panel, *record) : error;
}

int UserCommitIndex(int panel, int control, int index) {
  const auto [record, error] = LookUpControl(panel, control, Editable);
  if (!record) return error;
  return IsRing(*record) ? ChooseRingItem(*record, panel, index) : UIE_BAD_ATTRIBUTE;
}

int UserCommitValue(int panel, int control, double value) {
  const auto [record, error] = LookUpControl(panel, control, Editable);
  return record ? KindOf(*record).commitValue(panel, *record, value) : error;
}

int UserCommitText(int panel, int control, const std::string& text) {
  const auto [record, error] = LookUpControl(panel, control, Editable);
  return record ? KindOf(*record).commitText(panel, *record, text) : error;
}

int UserClick(int panel, int control) { return Click(panel, control, false); }
int UserDoubleClick(int panel, int control) { return Click(panel, control, true); }

int UserKeyPress(int panel, int control, int key) {
  const auto [record, error] = LookUpControl(panel, control, Operable);
  if (!record) return error;
  const QString text = key >= 0x20 && key < 0x7f ? QString(QChar(key)) : QString();
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(record->widget, &press);
  if (FindControlRecord(panel, control)) {
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(record->widget, &release);
  }
  return 0;
}

int FireTimerTick(int panel, int control) {
  const auto [record, error] = LookUpControl(panel, control);
  if (!record) return error;
  if (!record->timer) return UIE_BAD_ATTRIBUTE;
  DispatchCtrlEvent(panel, control, EVENT_TIMER_TICK, 0, 0);
  return 0;
}

int UserChooseMenuItem(int menuBar, int item) {
  MenuBarRecord* bar = FindMenuBarRecord(menuBar);
  if (!bar) return UIE_BAD_MENU;
  MenuEntryRecord* entry = FindIn(bar->entries, item);
  if (!entry || entry->kind != ui::MenuKind::Item || SubmenuOf(*bar, item)) return UIE_BAD_MENU;
  QAction* action = entry->action;
  if (!action->isEnabled()) return UIE_BAD_ATTRIBUTE;
  action->trigger();
  return 0;
}

int UserChooseMenuItem(int panel, const std::vector<std::string>& labels) {
  PanelRecord* record = FindPanelRecord(panel);
  if (!record) return UIE_BAD_PANEL;
  MenuBarRecord* bar = FindMenuBarRecord(record->menuBar);
  if (!bar || labels.empty()) return UIE_BAD_MENU;
  int parent = 0;
  MenuEntryRecord* entry = nullptr;
  for (const std::string& label : labels) {
    entry = EntryNamed(*bar, parent, label);
    if (!entry) return UIE_BAD_MENU;
    MenuEntryRecord* submenu = entry->kind == ui::MenuKind::Item ? SubmenuOf(*bar, entry->id) : nullptr;
    parent = submenu ? submenu->id : entry->id;
  }
  return UserChooseMenuItem(bar->handle, entry->id);
}

int UserClosePanel(int panel) {
  PanelRecord* record = FindPanelRecord(panel);
  if (!record) return UIE_BAD_PANEL;
  QCloseEvent event;
  QApplication::sendEvent(record->window, &event);
  return 0;
}

void UserAnswerNextMessageBox(std::function<void(const QRect& where)> shown) {
  auto* look = new QTimer(QCoreApplication::instance());
  auto looks = std::make_shared<int>(0);
  QObject::connect(look, &QTimer::timeout, [look, looks, shown] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    // Five looks at a box on screen: the window system has settled by then.
    if (!box || !box->windowHandle()->isExposed() || ++*looks < 5) return;
    look->stop();
    look->deleteLater();
    if (shown) shown(box->frameGeometry());
    if (QPushButton* enter = box->defaultButton()) enter->click();
  });
  look->start(10);
}

bool IsPanelVisible(int panel) {
  PanelRecord* record = FindPanelRecord(panel);
  return record && record->window->isVisible();
}

QWidget* PanelWidget(int panel) {
  PanelRecord* record = FindPanelRecord(panel);
  return record ? record->window : nullptr;
}

QWidget* ControlWidget(int panel, int control) {
  ControlRecord* record = FindControlRecord(panel, control);
  return record ? record->widget : nullptr;
}

bool SavePanelImage(int panel, const std::string& pngPath, bool withMenuBar) {
  PanelRecord* record = FindPanelRecord(panel);
  if (!record) return false;
  PanelWindow* window = record->window;
  window->ensurePolished();
  window->arrange();
  const QPixmap picture = withMenuBar ? window->grab() : window->clientArea()->grab();
  return picture.save(QString::fromStdString(pngPath), "PNG");
}

bool SaveMenuImage(int menuBar, int menu, const std::string& pngPath) {
  MenuBarRecord* bar = FindMenuBarRecord(menuBar);
  if (!bar) return false;
  MenuEntryRecord* entry = FindIn(bar->entries, menu);
  if (!entry || !entry->menu) return false;
  QMenu* widget = entry->menu;
  widget->ensurePolished();
  widget->adjustSize();
  return widget->grab().save(QString::fromStdString(pngPath), "PNG");
}

double ScreenDiffersFromPanel(int panel, const QRect& area) {
  PanelRecord* record = FindPanelRecord(panel);
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!record || !screen || area.isEmpty()) return 1.0;
  const QRect local(record->window->mapFromGlobal(area.topLeft()), area.size());
  if (!record->window->rect().contains(local)) return 1.0;
  const auto rgb = [](const QPixmap& picture) {
    return picture.toImage().convertToFormat(QImage::Format_RGB32);
  };
  const QImage shown = rgb(screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()));
  const QImage drawn = rgb(record->window->grab(local));
  if (shown.size() != drawn.size()) return 1.0;
  qint64 differing = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) differing += shown.pixel(x, y) != drawn.pixel(x, y);
  return static_cast<double>(differing) / (static_cast<double>(shown.width()) * shown.height());
}

}  // namespace qtui
