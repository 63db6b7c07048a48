// The pet window's view: the generic form view plus the pop-up menu request and the
// window state (normal, minimised, maximised) that the pet window keeps.
#pragma once

#include "ui/FormView.h"

namespace myu {
class frmKivoMain;
}

namespace myu::ui {

class KivoMainView : public FormView {
  Q_OBJECT

 public:
  KivoMainView(frmKivoMain& form, QtWindowHost& host);
  ~KivoMainView() override;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  frmKivoMain* pet_;
};

}  // namespace myu::ui
