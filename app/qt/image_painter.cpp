#include "app/qt/image_painter.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace qtui {
namespace {

// A nine-pin D connector seen from the front, with `caption` under "COM".
void DrawComState(QPainter& p, const QRectF& r, int value) {
  const bool open = value != 0;
  const QColor shell = open ? QColor(40, 90, 160) : QColor(150, 150, 150);
  const double w = r.width(), h = r.height();
  const QRectF face(r.left() + w * 0.08, r.top() + h * 0.30, w * 0.84, h * 0.62);

  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(std::max(7, static_cast<int>(h * 0.22)));
  p.setFont(font);
  p.setPen(shell.darker(130));
  p.drawText(QRectF(r.left(), r.top(), w, h * 0.30), Qt::AlignCenter, ImageText(ui::Image::ComState));

  QPainterPath trapezoid;
  trapezoid.moveTo(face.topLeft());
  trapezoid.lineTo(face.topRight());
  trapezoid.lineTo(face.right() - face.width() * 0.12, face.bottom());
  trapezoid.lineTo(face.left() + face.width() * 0.12, face.bottom());
  trapezoid.closeSubpath();
  p.setPen(QPen(shell.darker(150), 1.5));
  p.setBrush(shell);
  p.drawPath(trapezoid);

  const QString caption = ComStateCaption(value);
  if (!caption.isEmpty()) {
    font.setPixelSize(std::max(8, static_cast<int>(face.height() * 0.62)));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(face, Qt::AlignCenter, caption);
    return;
  }
  // No port: the pins, and the connector crossed out.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(230, 230, 230));
  const double pin = std::max(2.0, face.height() * 0.14);
  for (int i = 0; i < 5; ++i)
    p.drawEllipse(QPointF(face.left() + face.width() * (0.22 + 0.14 * i), face.top() + face.height() * 0.33),
                  pin / 2, pin / 2);
  for (int i = 0; i < 4; ++i)
    p.drawEllipse(QPointF(face.left() + face.width() * (0.29 + 0.14 * i), face.top() + face.height() * 0.68),
                  pin / 2, pin / 2);
  p.setPen(QPen(QColor(200, 30, 30), std::max(2.0, h * 0.08), Qt::SolidLine, Qt::RoundCap));
  p.drawLine(face.topLeft() + QPointF(2, -2), face.bottomRight() + QPointF(-2, 2));
  p.drawLine(face.topRight() + QPointF(-2, -2), face.bottomLeft() + QPointF(2, 2));
}

// A folder with an arrow coming out of it.
void DrawLoadFile(QPainter& p, const QRectF& r) {
  const double w = r.width(), h = r.height();
  QRectF body(r.left() + w * 0.1, r.top() + h * 0.35, w * 0.8, h * 0.55);
  p.setPen(QPen(QColor(150, 110, 20), 1.2));
  p.setBrush(QColor(240, 200, 80));
  QPainterPath tab;
  tab.moveTo(body.left(), body.top());
  tab.lineTo(body.left(), body.top() - h * 0.1);
  tab.lineTo(body.left() + w * 0.3, body.top() - h * 0.1);
  tab.lineTo(body.left() + w * 0.36, body.top());
  tab.closeSubpath();
  p.drawPath(tab);
  p.drawRect(body);
  p.setPen(QPen(QColor(20, 100, 40), std::max(2.0, w * 0.08), Qt::SolidLine, Qt::RoundCap));
  const QPointF tip(r.left() + w * 0.5, r.top() + h * 0.08);
  const QPointF foot(r.left() + w * 0.5, r.top() + h * 0.7);
  p.drawLine(foot, tip);
  p.drawLine(tip, tip + QPointF(-w * 0.15, h * 0.15));
  p.drawLine(tip, tip + QPointF(w * 0.15, h * 0.15));
}

// A disk: body, metal shutter, label.
void DrawSaveFile(QPainter& p, const QRectF& r) {
  const double s = std::min(r.width(), r.height()) * 0.84;
  const QRectF disk(r.center().x() - s / 2, r.center().y() - s / 2, s, s);
  QPainterPath body;
  body.moveTo(disk.topLeft());
  body.lineTo(disk.right() - s * 0.15, disk.top());
  body.lineTo(disk.right(), disk.top() + s * 0.15);
  body.lineTo(disk.bottomRight());
  body.lineTo(disk.bottomLeft());
  body.closeSubpath();
  p.setPen(QPen(QColor(20, 30, 70), 1.2));
  p.setBrush(QColor(50, 70, 140));
  p.drawPath(body);
  p.setBrush(QColor(200, 200, 210));
  p.drawRect(QRectF(disk.left() + s * 0.25, disk.top(), s * 0.45, s * 0.32));
  p.setBrush(QColor(50, 70, 140));
  p.drawRect(QRectF(disk.left() + s * 0.52, disk.top() + s * 0.05, s * 0.1, s * 0.2));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(disk.left() + s * 0.15, disk.top() + s * 0.5, s * 0.7, s * 0.42));
}

// The program's wordmark: its name in plain type.
void DrawWordmark(QPainter& p, const QRectF& r) {
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(std::max(8, static_cast<int>(r.height() * 0.6)));
  p.setFont(font);
  const QString text = ImageText(ui::Image::Wordmark);
  const double textWidth = p.fontMetrics().horizontalAdvance(text);
  if (textWidth > r.width() * 0.95) {
    font.setPixelSize(std::max(6, static_cast<int>(font.pixelSize() * r.width() * 0.95 / textWidth)));
    p.setFont(font);
  }
  p.setPen(QColor(30, 50, 110));
  p.drawText(r, Qt::AlignCenter, text);
}

}  // namespace

QPixmap DrawImage(ui::Image image, int value, QSize size) {
  QPixmap pixmap(size.expandedTo(QSize(1, 1)));
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0, 0, pixmap.width(), pixmap.height());
  switch (image) {
    case ui::Image::ComState: DrawComState(p, r, value); break;
    case ui::Image::LoadFile: DrawLoadFile(p, r); break;
    case ui::Image::SaveFile: DrawSaveFile(p, r); break;
    case ui::Image::Wordmark: DrawWordmark(p, r); break;
    case ui::Image::None: break;
  }
  return pixmap;
}

QString ComStateCaption(int value) {
  if (value == 0) return {};
  return value == 99 ? QStringLiteral(">16") : QString::number(value);
}

QString ImageText(ui::Image image) {
  switch (image) {
    case ui::Image::ComState: return QStringLiteral("COM");
    case ui::Image::LoadFile: return QStringLiteral("Datei laden");
    case ui::Image::SaveFile: return QStringLiteral("Datei speichern");
    case ui::Image::Wordmark: return QStringLiteral("VELT-1");
    case ui::Image::None: break;
  }
  return {};
}

}  // namespace qtui
