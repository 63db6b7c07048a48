// The status window's view: the generic form view, with the personality chart in Picture1
// drawn as a radar chart. The form gives the sixteen points: the outline octagon first, then
// the values, in the same order of directions.
#pragma once

#include "ui/FormView.h"

namespace myu::ui {

class StatusView : public FormView {
  Q_OBJECT

 public:
  using FormView::FormView;

  // Paints the radar chart into a box of the given size; points in pixels. Fewer than
  // sixteen points draw only the axes.
  static void paintRadar(QPainter& p, const QPolygon& points, const QSize& box);

 protected:
  void decorate(const Control& control, QWidget* widget) override;
};

}  // namespace myu::ui
