#pragma once
// The window of one panel: an optional menu bar above a client area of the
// panel's size in which the controls stand at absolute positions. Its close
// box does not close it: the panel callback gets EVENT_CLOSE and decides.

#include <QWidget>

class QMenuBar;

namespace qtui {

// False on the offscreen platform: no stacking order, and zoom states stay as
// the program set them, since nothing reports any of its own.
bool HasWindowManager();

class PanelWindow : public QWidget {
 public:
  // A top-level window when parentWindow is null, else a dialog window of it.
  PanelWindow(int panel, QWidget* parentWindow);

  QWidget* clientArea() const { return client_; }
  void setMenuBar(QMenuBar* bar);
  int menuBarHeight() const;
  void setBackColor(int rgb);
  // Puts the menu bar and the client area in place for the window's size.
  void arrange();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  int panel_;
  QWidget* client_;
  QMenuBar* menuBar_ = nullptr;
};

}  // namespace qtui
