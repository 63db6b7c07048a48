// The first profile's view: after its button has run, the keyboard focus goes to the field
// the window names (the one a check complained about).
#pragma once

#include "ui/FormView.h"

namespace myu {
class frmFirstProfile;
}

namespace myu::ui {

class FirstProfileView : public FormView {
  Q_OBJECT

 public:
  FirstProfileView(frmFirstProfile& form, QtWindowHost& host);

 protected:
  void decorate(const Control& control, QWidget* widget) override;

 private:
  void focusNamedField();
  frmFirstProfile* profile_;
};

}  // namespace myu::ui
