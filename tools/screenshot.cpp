// Saves a picture of an X display, or of one window of it, as PNG: how the screenshots in
// docs/screenshots are taken on a private Xvfb display.
//
//   DISPLAY=:N myuruka-screenshot FILE.png [WINDOW-ID]
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "xcb");
  QGuiApplication app(argc, argv);
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: myuruka-screenshot FILE.png [WINDOW-ID]\n");
    return 2;
  }
  const WId window = argc == 3 ? QString::fromLatin1(argv[2]).toULongLong(nullptr, 0) : 0;
  const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(window);
  if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "myuruka-screenshot: cannot take or save the picture\n");
    return 1;
  }
  return 0;
}
