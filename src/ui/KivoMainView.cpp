#include "ui/KivoMainView.h"

#include <QEvent>

#include "petwindow/frmKivoMain.h"

namespace myu::ui {

KivoMainView::KivoMainView(frmKivoMain& form, QtWindowHost& host)
    : FormView(form, host), pet_(&form) {
  // The pet window asks for its pop-up inside the right-button handler; the generic view
  // opens a menu whose value is 1 once that handler has returned.
  form.onPopupMenu = [&form] { form.mnuMENU.value = 1; };
}

KivoMainView::~KivoMainView() {
  if (form() != nullptr) pet_->onPopupMenu = nullptr;
}

void KivoMainView::changeEvent(QEvent* event) {
  FormView::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || form() == nullptr) return;
  const Qt::WindowStates s = windowState();
  pet_->windowState =
      s.testFlag(Qt::WindowMinimized) ? 1 : (s.testFlag(Qt::WindowMaximized) ? 2 : 0);
}

}  // namespace myu::ui
