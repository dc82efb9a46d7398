#include "app/gui/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace corvane {
namespace {

// The images are drawn rather than shipped, so they scale to any size.
QIcon drawn_icon(const std::function<void(QPainter&)>& draw, std::initializer_list<int> sizes) {
  QIcon icon;
  for (int size : sizes) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    draw(painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

void draw_page(QPainter& painter, const QRectF& page, const QColor& fill) {
  painter.setPen(QPen(QColor(60, 60, 60), 0.8));
  painter.setBrush(fill);
  painter.drawRect(page);
}

}  // namespace

QIcon application_icon() {
  return drawn_icon(
      [](QPainter& painter) {
        draw_page(painter, QRectF(1, 1, 8, 10.5), QColor(250, 250, 250));
        draw_page(painter, QRectF(7, 4.5, 8, 10.5), QColor(214, 232, 250));
        painter.setPen(QPen(QColor(0, 90, 170), 1.4, Qt::SolidLine, Qt::RoundCap));
        for (double y : {7.5, 9.5, 11.5}) painter.drawLine(QPointF(9, y), QPointF(13, y));
        painter.setPen(QPen(QColor(200, 60, 30), 1.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(2.5, 6), QPointF(6.5, 6));
        painter.drawLine(QPointF(5, 4.3), QPointF(6.7, 6));
        painter.drawLine(QPointF(5, 7.7), QPointF(6.7, 6));
      },
      {16, 32, 48, 64});
}

QIcon new_row_icon() {
  return drawn_icon(
      [](QPainter& painter) {
        draw_page(painter, QRectF(2.5, 1.5, 9, 12), Qt::white);
        painter.setPen(QPen(QColor(0, 140, 40), 2.0, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(12, 8), QPointF(12, 15));
        painter.drawLine(QPointF(8.5, 11.5), QPointF(15.5, 11.5));
      },
      {16, 32});
}

QIcon edit_row_icon() {
  return drawn_icon(
      [](QPainter& painter) {
        QPainterPath pencil;
        pencil.moveTo(3, 13);
        pencil.lineTo(4, 10);
        pencil.lineTo(11.5, 2.5);
        pencil.lineTo(13.5, 4.5);
        pencil.lineTo(6, 12);
        pencil.closeSubpath();
        painter.setPen(QPen(QColor(60, 60, 60), 0.8));
        painter.setBrush(QColor(240, 190, 60));
        painter.drawPath(pencil);
        painter.setPen(QPen(QColor(60, 60, 60), 1.0));
        painter.drawLine(QPointF(2, 14.5), QPointF(14, 14.5));
      },
      {16, 32});
}

QIcon delete_row_icon() {
  return drawn_icon(
      [](QPainter& painter) {
        painter.setPen(QPen(QColor(200, 30, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(4, 4), QPointF(12, 12));
        painter.drawLine(QPointF(12, 4), QPointF(4, 12));
      },
      {16, 32});
}

}  // namespace corvane
