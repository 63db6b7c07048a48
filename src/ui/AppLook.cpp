#include "ui/AppLook.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStyleFactory>

namespace myu::ui {

void applyAppLook() {
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
    QApplication::setStyle(fusion);
  const QString family = QStringLiteral("Noto Sans CJK JP");
  if (QFontDatabase::families().contains(family)) {
    QFont f = QApplication::font();
    f.setFamilies({family});
    QApplication::setFont(f);
  }
}

}  // namespace myu::ui
