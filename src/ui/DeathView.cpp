#include "ui/DeathView.h"

#include <QLabel>

namespace myu::ui {

void DeathView::decorate(const Control& control, QWidget* widget) {
  if (control.kind != Kind::Label) return;
  if (auto* l = qobject_cast<QLabel*>(widget)) l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  if (auto* l = qobject_cast<CaptionLabel*>(widget)) l->setSpreadLines(true);
}

}  // namespace myu::ui
