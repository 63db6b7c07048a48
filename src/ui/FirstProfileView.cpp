#include "ui/FirstProfileView.h"

#include <QAbstractButton>
#include <QLineEdit>

#include "startup/frmFirstProfile.h"

namespace myu::ui {

FirstProfileView::FirstProfileView(frmFirstProfile& form, QtWindowHost& host)
    : FormView(form, host), profile_(&form) {}

void FirstProfileView::decorate(const Control& control, QWidget* widget) {
  if (control.kind != Kind::Button) return;
  // Connected after the view's own click handler, so it runs once the click has been handled.
  if (auto* b = qobject_cast<QAbstractButton*>(widget))
    connect(b, &QAbstractButton::clicked, this, [this] { focusNamedField(); });
}

void FirstProfileView::focusNamedField() {
  if (form() == nullptr) return;
  QWidget* w = widget(profile_->focus);
  if (w == nullptr || !w->isVisible()) return;
  w->setFocus(Qt::OtherFocusReason);
  if (auto* e = qobject_cast<QLineEdit*>(w)) e->selectAll();
}

}  // namespace myu::ui
