#pragma once
// Widgets that Qt has no ready equivalent for: the LED and the image of
// pictures and picture rings.

#include <QString>
#include <QWidget>
#include <string>

#include "ui/definition.h"

namespace qtui {

// A round lamp: lit in its on-colour, dark when off, grey when dimmed.
class LedWidget : public QWidget {
 public:
  explicit LedWidget(QWidget* parent) : QWidget(parent) {}
  void setOn(bool on);
  void setOnColor(int rgb);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool on_ = false;
  int onColor_ = 0x00C000;
};

// A picture, or the picture a picture ring shows for its current value.
class ImageWidget : public QWidget {
 public:
  ImageWidget(ui::Image image, QWidget* parent) : QWidget(parent), image_(image) {}
  void setImageValue(int value);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ui::Image image_;
  int value_ = 0;
};

// A decoration: an etched frame around related controls.
class FrameWidget : public QWidget {
 public:
  explicit FrameWidget(QWidget* parent) : QWidget(parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// "__OK" -> "&OK" (O is the keyboard shortcut); a plain '&' stays visible.
QString MnemonicText(const std::string& label);
// "__OK" -> "OK": the label as it reads, without the shortcut marker.
QString PlainText(const std::string& label);

}  // namespace qtui
