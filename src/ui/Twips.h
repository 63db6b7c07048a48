// Twips (1/1440 inch) to device-independent pixels and back, by the screen's logical DPI.
// Qt's logical pixels already carry the high-DPI scale, so 96 DPI gives 15 twips a pixel
// on every screen, however dense.
#pragma once

class QScreen;
class QWidget;

namespace myu::ui {

inline constexpr int kTwipsPerInch = 1440;

int twipsToPixels(int twips, double dpi);
int pixelsToTwips(int pixels, double dpi);

// The logical DPI of a screen; 96 when there is none.
double logicalDpi(const QScreen* screen);
// The logical DPI of the screen that holds the widget (or the primary screen).
double logicalDpi(const QWidget* widget);

}  // namespace myu::ui
