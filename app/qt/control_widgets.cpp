#include "app/qt/control_widgets.h"

#include <QPainter>
#include <QRadialGradient>
#include <algorithm>

#include "app/qt/image_painter.h"

namespace qtui {

void LedWidget::setOn(bool on) {
  on_ = on;
  update();
}

void LedWidget::setOnColor(int rgb) {
  onColor_ = rgb;
  update();
}

void LedWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const double d = std::max(4, std::min(width(), height()) - 2);
  const QRectF lamp((width() - d) / 2.0, (height() - d) / 2.0, d, d);
  QColor face = QColor::fromRgb(static_cast<QRgb>(onColor_));
  if (!on_) face = face.darker(300);
  if (!isEnabled()) {
    const int grey = qGray(face.rgb());
    face = QColor(grey, grey, grey).lighter(on_ ? 110 : 160);
  }
  QRadialGradient shine(lamp.center() - QPointF(d / 5, d / 5), d * 0.7);
  shine.setColorAt(0, face.lighter(on_ && isEnabled() ? 170 : 120));
  shine.setColorAt(1, face);
  p.setPen(QPen(isEnabled() ? QColor(60, 60, 60) : QColor(150, 150, 150), 1));
  p.setBrush(shine);
  p.drawEllipse(lamp);
}

void ImageWidget::setImageValue(int value) {
  value_ = value;
  update();
}

void ImageWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(0, 0, DrawImage(image_, value_, size()));
  if (!isEnabled()) p.fillRect(rect(), QColor(236, 233, 216, 140));
}

void FrameWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect outer = rect().adjusted(0, 0, -2, -2);
  p.setPen(QColor(160, 157, 142));
  p.drawRect(outer);
  p.setPen(Qt::white);
  p.drawRect(outer.translated(1, 1));
}

namespace {

// Replaces the first "__" that stands before a letter.
QString ReplaceShortcutMarker(QString text, const QString& by) {
  const qsizetype marker = text.indexOf(QLatin1String("__"));
  if (marker >= 0 && marker + 2 < text.size()) text.replace(marker, 2, by);
  return text;
}

}  // namespace

QString MnemonicText(const std::string& label) {
  QString text = QString::fromStdString(label);
  text.replace(QLatin1Char('&'), QLatin1String("&&"));
  return ReplaceShortcutMarker(text, QStringLiteral("&"));
}

QString PlainText(const std::string& label) {
  return ReplaceShortcutMarker(QString::fromStdString(label), QString());
}

}  // namespace qtui
