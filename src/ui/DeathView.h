// The view of the window shown when the pet has died: the generic form view with the lines
// of its story centred in the black picture, the two-line ones spread over their height.
#pragma once

#include "ui/FormView.h"

namespace myu::ui {

class DeathView : public FormView {
  Q_OBJECT

 public:
  using FormView::FormView;

 protected:
  void decorate(const Control& control, QWidget* widget) override;
};

}  // namespace myu::ui
