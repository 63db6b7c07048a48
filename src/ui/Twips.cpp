#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace myu::ui {

int twipsToPixels(int twips, double dpi) {
  return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / kTwipsPerInch));
}

int pixelsToTwips(int pixels, double dpi) {
  if (dpi <= 0) dpi = 96;
  return static_cast<int>(std::lround(static_cast<double>(pixels) * kTwipsPerInch / dpi));
}

double logicalDpi(const QScreen* screen) {
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return 96;
  const double dpi = screen->logicalDotsPerInchX();
  return dpi > 0 ? dpi : 96;
}

double logicalDpi(const QWidget* widget) {
  return logicalDpi(widget != nullptr ? widget->screen() : nullptr);
}

}  // namespace myu::ui
