#include "ui/StatusView.h"

#include <QPainter>
#include <QPen>

namespace myu::ui {

namespace {
constexpr int kCorners = 8;
}

void StatusView::decorate(const Control& control, QWidget* widget) {
  if (control.name != "Picture1") return;
  if (auto* chart = qobject_cast<ChartWidget*>(widget)) chart->setPainter(&StatusView::paintRadar);
}

void StatusView::paintRadar(QPainter& p, const QPolygon& points, const QSize& box) {
  p.setRenderHint(QPainter::Antialiasing, false);
  const bool complete = points.size() >= qsizetype{2} * kCorners;
  if (complete) {
    // The outline octagon, then the values over it.
    p.setPen(QPen(QColor(80, 80, 80), 2));
    p.setBrush(QColor(255, 255, 255));
    p.drawPolygon(points.mid(0, kCorners));
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.setBrush(QColor(255, 200, 200));
    p.drawPolygon(points.mid(kCorners, kCorners));
  }
  // Light grey axes across the whole box: upright, both diagonals, level.
  const int w = box.width(), h = box.height();
  const int cx = w / 2, cy = h / 2;
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(200, 200, 200), 1));
  p.drawLine(cx, 0, cx, h);
  p.drawLine(w, 0, 0, h);
  p.drawLine(0, cy, w, cy);
  p.drawLine(0, 0, w, h);
  if (!complete) return;
  // Pink axes between opposite corners of the outline.
  p.setPen(QPen(QColor(255, 150, 150), 1));
  for (int i = 0; i < kCorners / 2; ++i) p.drawLine(points[i], points[i + kCorners / 2]);
  // The centre.
  p.setPen(QPen(QColor(0, 150, 255), 1));
  p.drawPoint(cx, cy);
}

}  // namespace myu::ui
