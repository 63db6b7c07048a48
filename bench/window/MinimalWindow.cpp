// The yardstick of bench/window-cpu.sh: the least a Qt 6 window costs on the same display.
//   myuruka-minimal-window         a label of the pet window's size whose text a 1 s timer
//                                  sets to the time, as the idle pet changes one thing a second
//   myuruka-minimal-window --fly   a bare window of that size that a 5 ms timer moves across
//                                  the screen, bouncing off its edges, as the pet's flight does
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTime>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const bool fly = QApplication::arguments().contains(QStringLiteral("--fly"));
  // The pet window's inside at 96 dpi.
  const QSize size(377, 249);

  QLabel label;
  QWidget bare;
  QTimer timer;
  if (!fly) {
    label.setWindowTitle(QStringLiteral("minimal"));
    label.resize(size);
    label.move(860, 500);  // clear of the pet window at 50, 50
    label.setText(QTime::currentTime().toString());
    timer.setInterval(1000);
    QObject::connect(&timer, &QTimer::timeout,
                     [&label] { label.setText(QTime::currentTime().toString()); });
    label.show();
  } else {
    bare.setWindowTitle(QStringLiteral("minimal"));
    bare.resize(size);
    bare.move(40, 40);
    timer.setInterval(5);
    QPoint step(13, 9);
    QObject::connect(&timer, &QTimer::timeout, [&bare, &step] {
      const QRect area = bare.screen()->availableGeometry();
      QPoint p = bare.pos() + step;
      if (p.x() <= area.left() || p.x() + bare.width() >= area.right()) step.rx() = -step.x();
      if (p.y() <= area.top() || p.y() + bare.height() >= area.bottom()) step.ry() = -step.y();
      p = bare.pos() + step;
      bare.move(p);
    });
    bare.show();
  }
  timer.start();
  return QApplication::exec();
}
