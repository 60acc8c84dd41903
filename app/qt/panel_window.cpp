#include "app/qt/panel_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <algorithm>

#include "app/qt/runtime_state.h"

namespace qtui {

bool HasWindowManager() { return QGuiApplication::platformName() != QLatin1String("offscreen"); }

PanelWindow::PanelWindow(int panel, QWidget* parentWindow)
    : QWidget(parentWindow, parentWindow ? Qt::Dialog : Qt::Window),
      panel_(panel),
      client_(new QWidget(this)) {
  setAutoFillBackground(true);
}

void PanelWindow::setMenuBar(QMenuBar* bar) {
  menuBar_ = bar;
  bar->setNativeMenuBar(false);  // the bar belongs to this window, above the client area
  arrange();
}

void PanelWindow::arrange() {
  const int barHeight = menuBarHeight();
  if (menuBar_) menuBar_->setGeometry(0, 0, width(), barHeight);
  client_->setGeometry(0, barHeight, width(), std::max(0, height() - barHeight));
}

int PanelWindow::menuBarHeight() const { return menuBar_ ? menuBar_->sizeHint().height() : 0; }

void PanelWindow::setBackColor(int rgb) {
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor::fromRgb(static_cast<QRgb>(rgb)));
  setPalette(pal);
}

void PanelWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  DispatchPanelEvent(panel_, EVENT_CLOSE, 0, 0);
}

void PanelWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) NoteActivated(panel_);
  if (event->type() == QEvent::WindowStateChange && event->spontaneous() &&
      HasWindowManager()) {
    if (PanelRecord* record = FindPanelRecord(panel_)) {
      const Qt::WindowStates states = windowState();
      record->zoom = (states & Qt::WindowMinimized)   ? VAL_MINIMIZE
                     : (states & Qt::WindowMaximized) ? VAL_MAXIMIZE
                                                      : VAL_NO_ZOOM;
    }
  }
  QWidget::changeEvent(event);
}

// Moves and resizes by the user are kept as the panel's geometry; those that
// the window system reports for a zoomed window are not.
void PanelWindow::moveEvent(QMoveEvent* event) {
  PanelRecord* record = FindPanelRecord(panel_);
  if (record && isVisible() && windowState() == Qt::WindowNoState && record->zoom == VAL_NO_ZOOM)
    record->geometry.moveTopLeft(geometry().topLeft());
  QWidget::moveEvent(event);
}

void PanelWindow::resizeEvent(QResizeEvent* event) {
  PanelRecord* record = FindPanelRecord(panel_);
  if (record && isVisible() && windowState() == Qt::WindowNoState && record->zoom == VAL_NO_ZOOM)
    record->geometry.setSize(QSize(width(), height() - menuBarHeight()));
  arrange();
  QWidget::resizeEvent(event);
}

}  // namespace qtui
