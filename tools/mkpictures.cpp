// Draws the program's pictures into a folder (the build's Img folder): our fluffy little
// bird モフリーノ in every pose 0..19, two frames each ("a" and "b"), its lavender sister
// species フワリーノ in the poses a friend's pet shows in the friends and battle windows,
// the pet of other species, and the funeral background. Everything is painted here;
// nothing is copied. Every picture is painted twice: NAME.bmp at the size the game lays out and
// NAME@2x.bmp at twice that size for HiDPI screens. With --icons it paints the program's
// icon instead, into an icon theme's folders.
//
//   mkpictures <folder>
//   mkpictures --icons <folder>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>

namespace {

constexpr int kW = 169, kH = 137;  // the pet picture box: 2535 × 2055 twips at 96 DPI
constexpr double kPi = 3.14159265358979323846;

struct Look {
  QColor body{255, 236, 170};
  QColor belly{255, 250, 226};
  QColor outline{150, 110, 60};
  double squash = 1.0;  // < 1: flattened (lying, weak)
  double dy = 0;        // bob
  enum Eyes { Open, Blink, Happy, Cross, Swirl, Wide, Sad, Angry, Closed, Glasses } eyes = Open;
  enum Beak { Small, OpenBeak, Smile, Frown } beak = Small;
  enum Wings { Down, Up, Out, Hold } wings = Down;
  bool blush = false;
  // What tells the sister species from our bird (the defaults draw our bird).
  enum Crest { Tuft, Curl } crest = Tuft;
  bool ribbons = false;  // two long tail ribbons flowing out behind
  QColor feet{235, 140, 40};
  QColor beakFill{255, 170, 50};
  QColor beakLine{200, 110, 20};
  double dx = 0;  // sideways shift
};

// The fluffy round body: a ring of soft puffs around a filled circle.
void drawFluff(QPainter& p, QPointF c, double rx, double ry, const Look& L) {
  p.setPen(Qt::NoPen);
  QRadialGradient g(c + QPointF(-rx * 0.3, -ry * 0.35), rx * 1.3);
  g.setColorAt(0, L.body.lighter(112));
  g.setColorAt(1, L.body.darker(108));
  p.setBrush(g);
  const int puffs = 22;
  for (int i = 0; i < puffs; ++i) {
    const double a = 2 * kPi * i / puffs;
    const QPointF q(c.x() + std::cos(a) * rx * 0.9, c.y() + std::sin(a) * ry * 0.9);
    const double r = (i % 2 == 0 ? 0.24 : 0.2) * rx;
    p.drawEllipse(q, r, r * ry / rx);
  }
  p.drawEllipse(c, rx * 0.95, ry * 0.95);
  // Belly.
  p.setBrush(L.belly);
  p.drawEllipse(c + QPointF(0, ry * 0.35), rx * 0.55, ry * 0.45);
  // Head tuft, or a single curl.
  p.setPen(QPen(L.body.darker(125), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  const QPointF top(c.x(), c.y() - ry * 0.98);
  if (L.crest == Look::Curl) {
    p.setPen(QPen(L.body.darker(135), 2.6, Qt::SolidLine, Qt::RoundCap));
    QPainterPath curl(top);
    curl.cubicTo(top + QPointF(-3, -10), top + QPointF(11, -17), top + QPointF(11, -9));
    curl.cubicTo(top + QPointF(11, -4), top + QPointF(4, -4), top + QPointF(5, -9));
    p.drawPath(curl);
    return;
  }
  for (int k = -1; k <= 1; ++k) {
    QPainterPath tuft(top);
    tuft.quadTo(top + QPointF(k * 5 - 2, -10), top + QPointF(k * 7 + 3, -13));
    p.drawPath(tuft);
  }
}

void drawWing(QPainter& p, QPointF base, int side, Look::Wings w, const Look& L) {
  p.save();
  p.translate(base);
  p.scale(side, 1);
  double angle = 20;
  if (w == Look::Up) angle = -50;
  if (w == Look::Out) angle = -10;
  if (w == Look::Hold) angle = 60;
  p.rotate(angle);
  p.setPen(QPen(L.outline, 1));
  p.setBrush(L.body.darker(112));
  QPainterPath path(QPointF(0, 0));
  path.cubicTo(QPointF(14, -6), QPointF(22, 6), QPointF(18, 16));
  path.cubicTo(QPointF(12, 12), QPointF(6, 12), QPointF(0, 8));
  path.closeSubpath();
  p.drawPath(path);
  p.restore();
}

void drawEye(QPainter& p, QPointF e, Look::Eyes kind, int side) {
  const QColor ink(50, 35, 25);
  p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap));
  switch (kind) {
    case Look::Open:
    case Look::Glasses:
      p.setPen(Qt::NoPen);
      p.setBrush(ink);
      p.drawEllipse(e, 4.2, 5.2);
      p.setBrush(Qt::white);
      p.drawEllipse(e + QPointF(-1.4, -2), 1.6, 1.6);
      break;
    case Look::Wide:
      p.setBrush(Qt::white);
      p.setPen(QPen(ink, 1.4));
      p.drawEllipse(e, 6, 7);
      p.setBrush(ink);
      p.drawEllipse(e, 1.8, 1.8);
      break;
    case Look::Blink:
    case Look::Closed:
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(e.x() - 5, e.y() - 3, 10, 6), 200 * 16, 140 * 16);
      break;
    case Look::Happy:
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(e.x() - 5, e.y() - 2, 10, 8), 20 * 16, 140 * 16);
      break;
    case Look::Cross:
      p.drawLine(e + QPointF(-4, -4), e + QPointF(4, 4));
      p.drawLine(e + QPointF(-4, 4), e + QPointF(4, -4));
      break;
    case Look::Swirl: {
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(ink, 1.4));
      QPainterPath s;
      for (int i = 0; i <= 40; ++i) {
        const double a = i * 0.45 * side;
        const double r = i * 0.14;
        const QPointF q = e + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (i == 0)
          s.moveTo(q);
        else
          s.lineTo(q);
      }
      p.drawPath(s);
      break;
    }
    case Look::Sad:
      p.setPen(Qt::NoPen);
      p.setBrush(ink);
      p.drawEllipse(e, 3.6, 4.4);
      p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(e + QPointF(-5 * side, -9), e + QPointF(4 * side, -6));
      break;
    case Look::Angry:
      p.setPen(Qt::NoPen);
      p.setBrush(ink);
      p.drawEllipse(e, 3.8, 4.6);
      p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(e + QPointF(-5 * side, -10), e + QPointF(5 * side, -6));
      break;
  }
}

// Two long ribbons flowing out behind the body, waving from frame to frame.
void drawRibbons(QPainter& p, QPointF c, double rx, double ry, double wave) {
  const QColor colours[] = {QColor(255, 176, 210), QColor(160, 222, 208)};
  for (int k = 0; k < 2; ++k) {
    const QPointF from = c + QPointF(-rx * 0.55, ry * (0.25 + 0.2 * k));
    QPainterPath ribbon(from);
    const double w = (k == 0 ? wave : -wave);
    ribbon.cubicTo(from + QPointF(-14, -8 + w), from + QPointF(-24, 12 - w),
                   from + QPointF(-38, 2 + w + k * 6));
    p.setPen(QPen(colours[k].darker(115), 6.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ribbon);
    p.setPen(QPen(colours[k], 4.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(ribbon);
  }
}

void drawBird(QPainter& p, QPointF c, const Look& L) {
  const double rx = 34, ry = 34 * L.squash;
  c += QPointF(L.dx, L.dy + (34 - ry));
  if (L.ribbons) drawRibbons(p, c, rx, ry, L.dy * 1.5);
  // Feet.
  p.setPen(QPen(L.feet, 2.4, Qt::SolidLine, Qt::RoundCap));
  for (int s : {-1, 1}) {
    const QPointF f(c.x() + s * 11, c.y() + ry + 2);
    p.drawLine(f, f + QPointF(0, 5));
    p.drawLine(f + QPointF(0, 5), f + QPointF(-4, 8));
    p.drawLine(f + QPointF(0, 5), f + QPointF(4, 8));
  }
  drawWing(p, c + QPointF(-rx * 0.8, 0), -1, L.wings, L);
  drawWing(p, c + QPointF(rx * 0.8, 0), 1, L.wings, L);
  drawFluff(p, c, rx, ry, L);
  // Eyes.
  const QPointF le(c.x() - 12, c.y() - ry * 0.25), re(c.x() + 12, c.y() - ry * 0.25);
  drawEye(p, le, L.eyes, -1);
  drawEye(p, re, L.eyes, 1);
  if (L.eyes == Look::Glasses) {
    p.setPen(QPen(QColor(60, 60, 90), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(le, 8, 7);
    p.drawEllipse(re, 8, 7);
    p.drawLine(le + QPointF(8, 0), re - QPointF(8, 0));
  }
  if (L.blush) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 130, 150, 150));
    p.drawEllipse(le + QPointF(-5, 9), 6, 3.5);
    p.drawEllipse(re + QPointF(5, 9), 6, 3.5);
  }
  // Beak.
  const QPointF b(c.x(), c.y() - ry * 0.05);
  p.setPen(QPen(L.beakLine, 1));
  p.setBrush(L.beakFill);
  QPainterPath beak;
  switch (L.beak) {
    case Look::Small:
    case Look::Smile:
      beak.moveTo(b + QPointF(-5, 0));
      beak.lineTo(b + QPointF(5, 0));
      beak.lineTo(b + QPointF(0, 6));
      beak.closeSubpath();
      break;
    case Look::OpenBeak:
      beak.moveTo(b + QPointF(-6, -1));
      beak.lineTo(b + QPointF(6, -1));
      beak.lineTo(b + QPointF(0, 4));
      beak.closeSubpath();
      beak.moveTo(b + QPointF(-5, 6));
      beak.lineTo(b + QPointF(5, 6));
      beak.lineTo(b + QPointF(0, 11));
      beak.closeSubpath();
      break;
    case Look::Frown:
      beak.moveTo(b + QPointF(-5, 4));
      beak.lineTo(b + QPointF(5, 4));
      beak.lineTo(b + QPointF(0, -1));
      beak.closeSubpath();
      break;
  }
  p.drawPath(beak);
  if (L.beak == Look::Smile) {
    p.setPen(QPen(QColor(120, 60, 30), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(b.x() - 8, b.y() + 2, 16, 8), 200 * 16, 140 * 16);
  }
}

void heart(QPainter& p, QPointF at, double s, QColor col) {
  QPainterPath h;
  h.moveTo(at + QPointF(0, s * 0.3));
  h.cubicTo(at + QPointF(-s, -s * 0.4), at + QPointF(-s * 0.4, -s), at + QPointF(0, -s * 0.35));
  h.cubicTo(at + QPointF(s * 0.4, -s), at + QPointF(s, -s * 0.4), at + QPointF(0, s * 0.3));
  p.setPen(Qt::NoPen);
  p.setBrush(col);
  p.drawPath(h);
}

void text(QPainter& p, QPointF at, const QString& s, int px, QColor col, bool bold = true) {
  QFont f(QStringLiteral("Noto Sans CJK JP"));
  f.setPixelSize(px);
  f.setBold(bold);
  p.setFont(f);
  p.setPen(col);
  p.drawText(at, s);
}

void drop(QPainter& p, QPointF at, double s, QColor col) {
  QPainterPath d(at + QPointF(0, -s));
  d.cubicTo(at + QPointF(s * 0.9, 0), at + QPointF(s * 0.6, s), at);
  d.cubicTo(at + QPointF(-s * 0.6, s), at + QPointF(-s * 0.9, 0), at + QPointF(0, -s));
  p.setPen(Qt::NoPen);
  p.setBrush(col);
  p.drawPath(d);
}

void star(QPainter& p, QPointF c, double r, QColor col) {
  QPolygonF s;
  for (int i = 0; i < 10; ++i) {
    const double a = -kPi / 2 + i * kPi / 5;
    const double rr = i % 2 == 0 ? r : r * 0.45;
    s << c + QPointF(std::cos(a) * rr, std::sin(a) * rr);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(col);
  p.drawPolygon(s);
}

void background(QPainter& p, QColor top, QColor bottom) {
  QLinearGradient g(0, 0, 0, kH);
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(0, 0, kW, kH, g);
  // Grass strip under the pet.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(196, 232, 176));
  p.drawEllipse(QPointF(kW / 2.0, 100), 62, 8);
}

// One pose, one frame (0 = "a", 1 = "b").
void drawPose(QPainter& p, int pose, int frame) {
  Look L;
  const QPointF c(kW / 2.0, 58);
  const bool b = frame == 1;
  L.dy = b ? 1.5 : 0;
  QColor top(255, 255, 255), bottom(238, 248, 255);
  std::function<void()> extras;
  switch (pose) {
    case 0:  // normal
      L.eyes = b ? Look::Blink : Look::Open;
      break;
    case 1:  // happy
      L.eyes = Look::Happy;
      L.beak = Look::Smile;
      L.wings = b ? Look::Out : Look::Down;
      L.dy = b ? -3 : 0;
      extras = [&] {
        star(p, QPointF(30, 28 + (b ? 4 : 0)), 6, QColor(255, 210, 60));
        star(p, QPointF(140, 22 + (b ? 0 : 4)), 5, QColor(255, 190, 60));
      };
      break;
    case 2:  // angry
      L.eyes = Look::Angry;
      L.beak = Look::Frown;
      L.body = QColor(255, 200, 160);
      extras = [&] {
        const QPointF v(128, 24);
        p.setPen(QPen(QColor(220, 40, 40), 2.4, Qt::SolidLine, Qt::RoundCap));
        const double s = b ? 7 : 6;
        p.drawLine(v + QPointF(-s, -2), v + QPointF(-2, -2));
        p.drawLine(v + QPointF(-2, -2), v + QPointF(-2, -s));
        p.drawLine(v + QPointF(2, -s), v + QPointF(2, -2));
        p.drawLine(v + QPointF(2, -2), v + QPointF(s, -2));
        p.drawLine(v + QPointF(-s, 2), v + QPointF(-2, 2));
        p.drawLine(v + QPointF(-2, 2), v + QPointF(-2, s));
        p.drawLine(v + QPointF(2, s), v + QPointF(2, 2));
        p.drawLine(v + QPointF(2, 2), v + QPointF(s, 2));
      };
      break;
    case 3:  // sad
      L.eyes = Look::Sad;
      L.beak = Look::Frown;
      top = QColor(225, 232, 245);
      bottom = QColor(205, 215, 235);
      extras = [&] {
        drop(p, QPointF(68, 62 + (b ? 8 : 0)), 3.5, QColor(90, 160, 255));
        drop(p, QPointF(102, 66 + (b ? 0 : 8)), 3.5, QColor(90, 160, 255));
      };
      break;
    case 4:  // startled: "うわぁ"
      L.eyes = Look::Wide;
      L.beak = Look::OpenBeak;
      L.wings = Look::Up;
      L.dy = b ? -5 : -2;
      extras = [&] {
        p.setPen(QPen(QColor(80, 80, 80), 1.6, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) {
          const double x = 36 + i * 6 + (b ? 2 : 0);
          p.drawLine(QPointF(x, 18 + i * 3), QPointF(x - 4, 30 + i * 3));
        }
        drop(p, QPointF(122, 30 + (b ? 3 : 0)), 4, QColor(120, 190, 255));
      };
      break;
    case 5:  // eating
      L.eyes = Look::Happy;
      L.beak = b ? Look::OpenBeak : Look::Small;
      L.dy = b ? 3 : 0;
      extras = [&] {
        p.setPen(QPen(QColor(150, 80, 40), 1));
        p.setBrush(QColor(230, 120, 80));
        p.drawChord(QRectF(108, 80, 40, 22), 180 * 16, 180 * 16);
        p.setBrush(QColor(250, 230, 140));
        for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(114 + i * 7, 90), 3, 2.5);
      };
      break;
    case 6:  // sleeping
      L.eyes = Look::Closed;
      L.squash = 0.9;
      L.dy = b ? 1 : 0;
      top = QColor(70, 80, 140);
      bottom = QColor(120, 130, 190);
      extras = [&] {
        text(p, QPointF(118, b ? 26 : 32), QStringLiteral("Z"), 14, QColor(255, 255, 220));
        text(p, QPointF(132, b ? 14 : 20), QStringLiteral("z"), 11, QColor(255, 255, 220));
        star(p, QPointF(24, 18), 4, QColor(255, 250, 180));
      };
      break;
    case 7:  // flying
      L.wings = b ? Look::Down : Look::Up;
      L.dy = b ? -4 : -10;
      top = QColor(170, 215, 255);
      bottom = QColor(225, 242, 255);
      extras = [&] {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 230));
        const double s = b ? 6 : 0;
        p.drawEllipse(QPointF(30 - s, 96), 18, 8);
        p.drawEllipse(QPointF(44 - s, 92), 12, 8);
        p.drawEllipse(QPointF(138 + s, 30), 16, 7);
      };
      break;
    case 8:  // sick
      L.eyes = Look::Sad;
      L.body = QColor(210, 228, 170);
      L.squash = 0.92;
      extras = [&] {
        p.setPen(QPen(QColor(120, 160, 90), 1.2));
        p.setBrush(QColor(200, 240, 200, 160));
        p.drawEllipse(QPointF(128, 30 - (b ? 6 : 0)), 5, 5);
        p.drawEllipse(QPointF(136, 18 - (b ? 6 : 0)), 3.5, 3.5);
      };
      break;
    case 9:  // pampered
      L.eyes = Look::Happy;
      L.blush = true;
      L.beak = Look::Smile;
      top = QColor(255, 235, 242);
      bottom = QColor(255, 245, 250);
      extras = [&] {
        heart(p, QPointF(30, 34 - (b ? 5 : 0)), 9, QColor(255, 110, 150));
        heart(p, QPointF(140, 26 - (b ? 0 : 5)), 7, QColor(255, 150, 180));
        // A hand patting the head.
        p.setPen(QPen(QColor(200, 150, 120), 1));
        p.setBrush(QColor(255, 215, 190));
        p.drawRoundedRect(QRectF(78 + (b ? 8 : -4), 8, 26, 12), 6, 6);
      };
      break;
    case 10:  // resting
      L.eyes = Look::Blink;
      L.squash = 0.85;
      L.dy = 4;
      extras = [&] {
        p.setPen(QPen(QColor(120, 80, 50), 1));
        p.setBrush(QColor(255, 255, 255));
        p.drawRoundedRect(QRectF(122, 76, 16, 14), 3, 3);
        p.setPen(QPen(QColor(180, 180, 180), 1.2));
        p.setBrush(Qt::NoBrush);
        QPainterPath steam(QPointF(128, 72));
        steam.cubicTo(QPointF(124, 66), QPointF(134, 62 - (b ? 2 : 0)), QPointF(128, 56));
        p.drawPath(steam);
      };
      break;
    case 11:  // training
      L.eyes = Look::Angry;
      L.wings = b ? Look::Up : Look::Hold;
      L.dy = b ? -3 : 1;
      extras = [&] {
        p.setPen(QPen(QColor(80, 80, 80), 3));
        const double y = b ? 14 : 26;
        p.drawLine(QPointF(50, y), QPointF(118, y));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 60, 60));
        p.drawRoundedRect(QRectF(42, y - 8, 10, 16), 2, 2);
        p.drawRoundedRect(QRectF(116, y - 8, 10, 16), 2, 2);
        drop(p, QPointF(48, 60 + (b ? 4 : 0)), 3, QColor(120, 190, 255));
        drop(p, QPointF(124, 56 + (b ? 0 : 4)), 3, QColor(120, 190, 255));
      };
      break;
    case 12:  // studying
      L.eyes = Look::Glasses;
      L.wings = Look::Hold;
      top = QColor(250, 246, 232);
      bottom = QColor(240, 232, 210);
      extras = [&] {
        p.setPen(QPen(QColor(60, 90, 140), 1));
        p.setBrush(QColor(90, 140, 210));
        QPolygonF left, right;
        const double lift = b ? 2 : 0;
        left << QPointF(56, 80 - lift) << QPointF(84, 84) << QPointF(84, 102)
             << QPointF(56, 98 - lift);
        right << QPointF(84, 84) << QPointF(112, 80 - lift) << QPointF(112, 98 - lift)
              << QPointF(84, 102);
        p.drawPolygon(left);
        p.drawPolygon(right);
        p.setPen(QPen(Qt::white, 1));
        for (int i = 0; i < 3; ++i) {
          p.drawLine(QPointF(61, 86 + i * 4), QPointF(79, 88 + i * 4));
          p.drawLine(QPointF(89, 88 + i * 4), QPointF(107, 86 + i * 4));
        }
        text(p, QPointF(128, 28), b ? QStringLiteral("?") : QStringLiteral("!"), 16,
             QColor(200, 120, 40));
      };
      break;
    case 13:  // left alone: wandering off
      L.eyes = Look::Open;
      extras = [&] {
        text(p, QPointF(20, 30), b ? QStringLiteral("・・") : QStringLiteral("・・・"), 14,
             QColor(110, 110, 110), false);
      };
      break;
    case 14:  // playing with a toy
      L.eyes = Look::Happy;
      L.beak = Look::OpenBeak;
      L.wings = Look::Out;
      extras = [&] {
        const QPointF ball(b ? 134 : 122, b ? 72 : 90);
        QRadialGradient g(ball + QPointF(-3, -3), 10);
        g.setColorAt(0, QColor(255, 160, 160));
        g.setColorAt(1, QColor(220, 50, 60));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(ball, 9, 9);
        p.setPen(QPen(Qt::white, 2));
        p.drawArc(QRectF(ball.x() - 9, ball.y() - 4, 18, 8), 0, 180 * 16);
      };
      break;
    case 15:  // drunk
      L.eyes = Look::Swirl;
      L.blush = true;
      L.body = QColor(255, 205, 170);
      L.dy = b ? 2 : -1;
      extras = [&] {
        p.setPen(QPen(QColor(80, 140, 80), 1));
        p.setBrush(QColor(120, 190, 120, 200));
        p.drawRoundedRect(QRectF(128, 62, 12, 28), 3, 3);
        p.drawRect(QRectF(131, 54, 6, 9));
        star(p, QPointF(112, 22 + (b ? 3 : 0)), 4, QColor(255, 220, 80));
        star(p, QPointF(60, 20 + (b ? 0 : 3)), 4, QColor(255, 220, 80));
      };
      break;
    case 16:  // hurt: "痛っ"
      L.eyes = Look::Cross;
      L.beak = Look::OpenBeak;
      L.dy = b ? 2 : 0;
      extras = [&] {
        star(p, QPointF(72 + (b ? 4 : 0), 18), 7, QColor(255, 220, 60));
        star(p, QPointF(100 - (b ? 4 : 0), 16), 5, QColor(255, 200, 40));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 150, 150));
        p.drawEllipse(QPointF(92, 24), 6, 5);
      };
      break;
    case 17:  // laughing
      L.eyes = Look::Happy;
      L.beak = Look::OpenBeak;
      L.dy = b ? -2 : 1;
      extras = [&] {
        text(p, QPointF(112, b ? 24 : 30), QStringLiteral("ハハ"), 13, QColor(230, 110, 40));
        drop(p, QPointF(54, 54), 2.5, QColor(120, 190, 255));
      };
      break;
    case 18:  // talking
      L.beak = b ? Look::OpenBeak : Look::Small;
      extras = [&] {
        p.setPen(QPen(QColor(150, 150, 150), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(110, 8, 48, 24), 8, 8);
        text(p, QPointF(118, 25), b ? QStringLiteral("♪") : QStringLiteral("…"), 13,
             QColor(90, 90, 90), false);
      };
      break;
    case 19:  // weak
      L.eyes = b ? Look::Closed : Look::Sad;
      L.body = QColor(232, 226, 205);
      L.squash = 0.8;
      L.dy = 6;
      top = QColor(225, 225, 230);
      bottom = QColor(205, 205, 215);
      extras = [&] {
        p.setPen(QPen(QColor(200, 200, 200), 1));
        p.setBrush(QColor(255, 255, 255));
        p.drawRect(QRectF(66, 30, 36, 7));
        p.setPen(QPen(QColor(230, 120, 120), 1.2));
        p.drawLine(QPointF(82, 30), QPointF(86, 37));
        p.drawLine(QPointF(86, 30), QPointF(82, 37));
        drop(p, QPointF(118, 42 + (b ? 4 : 0)), 3.5, QColor(160, 190, 230));
      };
      break;
    default:
      break;
  }
  background(p, top, bottom);
  drawBird(p, c, L);
  if (extras) extras();
}

// The sister species フワリーノ: a lavender fluffball with a curl on its head, pink cheeks
// and two ribbons for a tail. Its pictures show a friend's pet, which the battle window
// mirrors to face our bird: drawn facing right, as our bird faces its opponent, and
// without writing, which would read backwards there.
constexpr int kFuwaPoses[] = {0, 1, 3, 17, 18};

void fuwaBackground(QPainter& p, QColor top, QColor bottom) {
  QLinearGradient g(0, 0, 0, kH);
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(0, 0, kW, kH, g);
  // A strip of meadow with little flowers.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(208, 238, 222));
  p.drawEllipse(QPointF(kW / 2.0, 101), 64, 9);
  const QColor petals[] = {QColor(255, 200, 225), QColor(255, 244, 170), QColor(214, 200, 255)};
  for (int i = 0; i < 5; ++i) {
    const QPointF f(34 + i * 25.0, 101 + (i % 2 == 0 ? 3 : -2));
    p.setBrush(petals[i % 3]);
    for (int k = 0; k < 4; ++k)
      p.drawEllipse(f + QPointF(std::cos(k * kPi / 2) * 2.2, std::sin(k * kPi / 2) * 2.2), 1.8,
                    1.8);
    p.setBrush(QColor(255, 220, 120));
    p.drawEllipse(f, 1.2, 1.2);
  }
}

void drawFuwa(QPainter& p, int pose, int frame) {
  Look L;
  L.body = QColor(206, 190, 250);
  L.belly = QColor(247, 242, 255);
  L.outline = QColor(120, 95, 170);
  L.crest = Look::Curl;
  L.ribbons = true;
  L.blush = true;
  L.feet = QColor(236, 130, 170);
  L.beakFill = QColor(255, 160, 130);
  L.beakLine = QColor(205, 100, 90);
  const QPointF c(kW / 2.0, 58);
  const bool b = frame == 1;
  L.dy = b ? 1.5 : 0;
  QColor top(250, 255, 252), bottom(232, 246, 255);
  std::function<void()> extras;
  switch (pose) {
    case 0:  // normal
      L.eyes = b ? Look::Blink : Look::Open;
      break;
    case 1:  // fleeing: it backs off to the left, sweating, the air streaking behind it
      L.eyes = Look::Wide;
      L.beak = Look::OpenBeak;
      L.wings = Look::Up;
      L.dx = b ? -22 : -16;
      L.dy = b ? -3 : 0;
      extras = [&] {
        p.setPen(QPen(QColor(150, 150, 190), 2, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 4; ++i) {
          const double y = 36 + i * 13 + (b ? 3 : 0);
          const double x = 118 + (i % 2) * 8 - (b ? 6 : 0);
          p.drawLine(QPointF(x, y), QPointF(x + 24, y));
        }
        drop(p, QPointF(98 + (b ? -6 : 0), 28), 4, QColor(120, 190, 255));
        drop(p, QPointF(36 + (b ? -6 : 0), 36 + (b ? 4 : 0)), 3, QColor(120, 190, 255));
      };
      break;
    case 3:  // battle of words: it shouts back, a spiky bubble of exclamation marks
      L.eyes = Look::Angry;
      L.beak = b ? Look::Small : Look::OpenBeak;
      L.dx = -10;
      L.dy = b ? 1 : -1;
      top = QColor(255, 244, 244);
      bottom = QColor(255, 232, 236);
      extras = [&] {
        QPolygonF spikes;
        const QPointF m(134, 34);
        for (int i = 0; i < 18; ++i) {
          const double a = 2 * kPi * i / 18;
          const double r = (i % 2 == 0 ? 26 : 19) + (b ? 2 : 0);
          spikes << m + QPointF(std::cos(a) * r, std::sin(a) * r * 0.78);
        }
        p.setPen(QPen(QColor(220, 80, 90), 1.4));
        p.setBrush(Qt::white);
        p.drawPolygon(spikes);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(225, 50, 70));
        for (int k : {-1, 1}) {
          const QPointF x = m + QPointF(k * 6, 0);
          p.drawRoundedRect(QRectF(x.x() - 2, x.y() - 11, 4, 14), 2, 2);
          p.drawEllipse(x + QPointF(0, 8), 2.2, 2.2);
        }
        // A little cross of anger on its forehead.
        const QPointF v(72, 26);
        p.setPen(QPen(QColor(220, 40, 60), 2, Qt::SolidLine, Qt::RoundCap));
        const double s = b ? 6 : 5;
        p.drawLine(v + QPointF(-s, -2), v + QPointF(-2, -2));
        p.drawLine(v + QPointF(-2, -2), v + QPointF(-2, -s));
        p.drawLine(v + QPointF(2, -s), v + QPointF(2, -2));
        p.drawLine(v + QPointF(2, -2), v + QPointF(s, -2));
        p.drawLine(v + QPointF(-s, 2), v + QPointF(-2, 2));
        p.drawLine(v + QPointF(-2, 2), v + QPointF(-2, s));
      };
      break;
    case 17:  // winner of a battle of words: a small crown and sparkles
      L.eyes = Look::Happy;
      L.beak = Look::Smile;
      L.wings = b ? Look::Up : Look::Out;
      L.dy = b ? -3 : 0;
      top = QColor(255, 252, 232);
      bottom = QColor(255, 244, 214);
      extras = [&] {
        const QPointF crown(kW / 2.0 + 10, 18 + (b ? -3 : 0));
        QPolygonF shape;
        shape << crown + QPointF(-11, 6) << crown + QPointF(-11, -5) << crown + QPointF(-5, 1)
              << crown + QPointF(0, -8) << crown + QPointF(5, 1) << crown + QPointF(11, -5)
              << crown + QPointF(11, 6);
        p.setPen(QPen(QColor(200, 150, 30), 1.2));
        p.setBrush(QColor(255, 214, 70));
        p.drawPolygon(shape);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 120, 160));
        p.drawEllipse(crown + QPointF(0, 2), 2, 2);
        star(p, QPointF(28, 30 + (b ? 4 : 0)), 6, QColor(255, 210, 60));
        star(p, QPointF(142, 24 + (b ? 0 : 4)), 7, QColor(255, 190, 80));
        star(p, QPointF(136, 72 + (b ? 3 : 0)), 4, QColor(255, 220, 120));
      };
      break;
    case 18:  // hit: knocked back from the right, stars where the blow landed
      L.eyes = Look::Cross;
      L.beak = Look::OpenBeak;
      L.squash = 0.9;
      L.dx = b ? -8 : -4;
      L.dy = b ? 2 : 0;
      top = QColor(246, 244, 255);
      bottom = QColor(226, 226, 246);
      extras = [&] {
        star(p, QPointF(128 + (b ? -4 : 0), 36), 13, QColor(255, 226, 80));
        star(p, QPointF(128 + (b ? -4 : 0), 36), 6, QColor(255, 150, 60));
        star(p, QPointF(58, 18 + (b ? 3 : 0)), 5, QColor(255, 210, 60));
        star(p, QPointF(90, 14 + (b ? 0 : 3)), 4, QColor(255, 200, 40));
        p.setPen(QPen(QColor(255, 170, 60), 2, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i)
          p.drawLine(QPointF(146, 22 + i * 12), QPointF(158, 16 + i * 14));
      };
      break;
    default:
      break;
  }
  fuwaBackground(p, top, bottom);
  drawBird(p, c, L);
  if (extras) extras();
}

// A pet of another species: a round blue fluffball with little ears.
void drawOther(QPainter& p, int frame) {
  background(p, QColor(255, 255, 255), QColor(240, 240, 255));
  const QPointF c(kW / 2.0, 60 + (frame == 1 ? 2 : 0));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(130, 160, 230));
  for (int s : {-1, 1}) {
    QPolygonF ear;
    ear << c + QPointF(s * 14, -24) << c + QPointF(s * 30, -40) << c + QPointF(s * 32, -14);
    p.drawPolygon(ear);
  }
  QRadialGradient g(c + QPointF(-10, -12), 44);
  g.setColorAt(0, QColor(175, 200, 250));
  g.setColorAt(1, QColor(110, 140, 215));
  p.setBrush(g);
  p.drawEllipse(c, 34, 30);
  p.setBrush(QColor(40, 40, 70));
  if (frame == 0) {
    p.drawEllipse(c + QPointF(-11, -6), 3.5, 4.5);
    p.drawEllipse(c + QPointF(11, -6), 3.5, 4.5);
  } else {
    p.setPen(QPen(QColor(40, 40, 70), 2));
    p.drawLine(c + QPointF(-15, -6), c + QPointF(-7, -6));
    p.drawLine(c + QPointF(7, -6), c + QPointF(15, -6));
  }
  p.setPen(QPen(QColor(40, 40, 70), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(c.x() - 6, c.y() + 2, 12, 8), 200 * 16, 140 * 16);
}

// The funeral background: dusk sky, stars, a hill with a small grave and flowers.
QImage drawEnding(int scale) {
  QImage img(600 * scale, 400 * scale, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  if (scale != 1) p.scale(scale, scale);
  QLinearGradient sky(0, 0, 0, 400);
  sky.setColorAt(0, QColor(18, 22, 60));
  sky.setColorAt(0.55, QColor(80, 60, 120));
  sky.setColorAt(0.85, QColor(230, 150, 120));
  sky.setColorAt(1, QColor(250, 200, 150));
  p.fillRect(img.rect(), sky);
  unsigned seed = 7;
  for (int i = 0; i < 70; ++i) {
    seed = seed * 1103515245u + 12345u;
    const double x = (seed >> 8) % 600;
    seed = seed * 1103515245u + 12345u;
    const double y = (seed >> 8) % 200;
    star(p, QPointF(x, y), 1.2 + (i % 3) * 0.8, QColor(255, 250, 220, 160 + (i % 4) * 20));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 250, 230, 220));
  p.drawEllipse(QPointF(500, 70), 26, 26);
  p.setBrush(QColor(40, 34, 80));
  p.drawEllipse(QPointF(511, 64), 24, 24);
  p.setBrush(QColor(60, 90, 70));
  p.drawEllipse(QPointF(300, 470), 420, 130);
  // The grave.
  p.setBrush(QColor(190, 190, 200));
  p.drawRoundedRect(QRectF(280, 300, 40, 46), 16, 16);
  p.setPen(QPen(QColor(120, 120, 135), 2));
  p.drawLine(QPointF(300, 312), QPointF(300, 334));
  p.drawLine(QPointF(290, 320), QPointF(310, 320));
  for (int i = 0; i < 6; ++i) {
    const QPointF f(262 + i * 15, 352 + (i % 2) * 4);
    p.setPen(QPen(QColor(80, 150, 80), 1.5));
    p.drawLine(f, f + QPointF(0, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(i % 2 == 0 ? QColor(255, 200, 220) : QColor(255, 240, 150));
    p.drawEllipse(f, 4, 4);
  }
  // A feather drifting up.
  p.save();
  p.translate(380, 220);
  p.rotate(-30);
  p.setBrush(QColor(255, 240, 190, 200));
  p.drawEllipse(QPointF(0, 0), 6, 16);
  p.setPen(QPen(QColor(200, 170, 110), 1));
  p.drawLine(QPointF(0, -16), QPointF(0, 20));
  p.restore();
  return img;
}

// The bird, happy, in a pastel circle, in a square of 121 × 121: the splash window's logo and
// the program's icon.
void drawBadge(QPainter& p) {
  QRadialGradient g(QPointF(60, 56), 62);
  g.setColorAt(0, QColor(255, 244, 214));
  g.setColorAt(1, QColor(255, 206, 214));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(QPointF(60.5, 60.5), 58, 58);
  p.translate(60.5 - kW / 2.0 * 0.95, 66 - 58 * 0.95);
  p.scale(0.95, 0.95);
  Look L;
  L.eyes = Look::Happy;
  L.beak = Look::Smile;
  L.blush = true;
  L.wings = Look::Out;
  drawBird(p, QPointF(kW / 2.0, 58), L);
}

// The splash window's logo.
QImage drawLogo(int scale) {
  QImage img(121 * scale, 121 * scale, QImage::Format_RGB32);
  img.fill(QColor(255, 255, 255));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  if (scale != 1) p.scale(scale, scale);
  drawBadge(p);
  return img;
}

// The picture that opens the help page: a small sign with a question mark.
QImage drawHelpSign(int scale) {
  QImage img(121 * scale, 60 * scale, QImage::Format_RGB32);
  img.fill(QColor(255, 255, 255));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  if (scale != 1) p.scale(scale, scale);
  p.setPen(QPen(QColor(200, 120, 140), 2));
  p.setBrush(QColor(255, 236, 240));
  p.drawRoundedRect(QRectF(3, 6, 115, 48), 12, 12);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 120, 150));
  p.drawEllipse(QPointF(26, 30), 14, 14);
  text(p, QPointF(20, 37), QStringLiteral("?"), 20, Qt::white);
  text(p, QPointF(46, 36), QStringLiteral("お助け"), 17, QColor(160, 70, 90));
  return img;
}

// The three cursors of a poke, on magenta (the view makes that colour see-through).
QImage drawCursor(int n, int scale) {
  QImage img(32 * scale, 32 * scale, QImage::Format_RGB32);
  img.fill(QColor(255, 0, 255));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, false);
  if (scale != 1) p.scale(scale, scale);
  if (n == 0) {  // a poking stick
    p.setPen(QPen(QColor(120, 70, 30), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3, 3), QPointF(26, 26));
    p.setPen(QPen(QColor(250, 200, 120), 1));
    p.drawLine(QPointF(4, 3), QPointF(26, 25));
  } else if (n == 1) {  // a burst
    star(p, QPointF(14, 14), 12, QColor(255, 200, 40));
    star(p, QPointF(14, 14), 6, QColor(255, 120, 40));
  } else {  // a feather
    p.setPen(QPen(QColor(150, 110, 60), 1));
    p.setBrush(QColor(255, 236, 170));
    p.drawEllipse(QPointF(12, 12), 5, 11);
    p.drawLine(QPointF(3, 3), QPointF(20, 26));
  }
  return img;
}

bool save(const QImage& img, const QString& path) {
  if (!img.save(path, "BMP")) {
    std::fprintf(stderr, "mkpictures: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

// A pet picture: the picture box on white, drawn by `paint` at 1× or 2×.
QImage petPicture(int scale, const std::function<void(QPainter&)>& paint) {
  QImage img(kW * scale, kH * scale, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  if (scale != 1) p.scale(scale, scale);
  paint(p);
  p.end();
  return img;
}

// A paint device that writes what is painted on it as SVG: the icon's scalable form comes from
// the very strokes that paint its bitmaps. It knows what the badge uses: paths, polygons and
// lines (ellipses and arcs reach it as paths), solid colours and radial and linear gradients.
class SvgEngine final : public QPaintEngine {
 public:
  SvgEngine() : QPaintEngine(AllFeatures) {}
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  Type type() const override { return User; }
  void updateState(const QPaintEngineState& state) override {
    const auto dirty = state.state();
    if (dirty & DirtyPen) pen_ = state.pen();
    if (dirty & DirtyBrush) brush_ = state.brush();
    if (dirty & DirtyTransform) transform_ = state.transform();
  }
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawPath(const QPainterPath& path) override { element(path, true); }
  void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
    QPainterPath path;
    path.moveTo(points[0]);
    for (int i = 1; i < count; ++i) path.lineTo(points[i]);
    if (mode != PolylineMode) path.closeSubpath();
    element(path, mode != PolylineMode);
  }
  QString svg(int width, int height) const {
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
               "viewBox=\"0 0 %1 %2\">\n<defs>\n%3</defs>\n%4</svg>\n")
        .arg(width)
        .arg(height)
        .arg(defs_, body_);
  }

 private:
  static QString num(double v) { return QString::number(v, 'g', 6); }
  static QString colour(const QColor& c) { return c.name(QColor::HexRgb); }
  // A fill or stroke: a colour with its opacity, or a gradient written into the definitions.
  QString paint(const QBrush& brush, const QString& what) {
    const QGradient* g = brush.gradient();
    if (g == nullptr) {
      QString out = QStringLiteral(" %1=\"%2\"").arg(what, colour(brush.color()));
      if (brush.color().alpha() != 255)
        out += QStringLiteral(" %1-opacity=\"%2\"").arg(what, num(brush.color().alphaF()));
      return out;
    }
    const QString id = QStringLiteral("g%1").arg(++gradients_);
    if (g->type() == QGradient::RadialGradient) {
      const auto* r = static_cast<const QRadialGradient*>(g);
      defs_ += QStringLiteral(
                   "<radialGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" "
                   "cx=\"%2\" cy=\"%3\" r=\"%4\" fx=\"%5\" fy=\"%6\">\n")
                   .arg(id, num(r->center().x()), num(r->center().y()), num(r->radius()),
                        num(r->focalPoint().x()), num(r->focalPoint().y()));
    } else {
      const auto* l = static_cast<const QLinearGradient*>(g);
      defs_ += QStringLiteral(
                   "<linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" "
                   "x1=\"%2\" y1=\"%3\" x2=\"%4\" y2=\"%5\">\n")
                   .arg(id, num(l->start().x()), num(l->start().y()), num(l->finalStop().x()),
                        num(l->finalStop().y()));
    }
    for (const auto& [at, c] : g->stops()) {
      defs_ += QStringLiteral("  <stop offset=\"%1\" stop-color=\"%2\"").arg(num(at), colour(c));
      if (c.alpha() != 255) defs_ += QStringLiteral(" stop-opacity=\"%1\"").arg(num(c.alphaF()));
      defs_ += QStringLiteral("/>\n");
    }
    defs_ += g->type() == QGradient::RadialGradient ? QStringLiteral("</radialGradient>\n")
                                                    : QStringLiteral("</linearGradient>\n");
    return QStringLiteral(" %1=\"url(#%2)\"").arg(what, id);
  }
  void element(const QPainterPath& path, bool fillable) {
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
      const auto e = path.elementAt(i);
      if (e.isMoveTo()) {
        d += QStringLiteral("M%1 %2").arg(num(e.x), num(e.y));
      } else if (e.isLineTo()) {
        d += QStringLiteral("L%1 %2").arg(num(e.x), num(e.y));
      } else if (e.isCurveTo()) {
        const auto c2 = path.elementAt(i + 1), to = path.elementAt(i + 2);
        d += QStringLiteral("C%1 %2 %3 %4 %5 %6")
                 .arg(num(e.x), num(e.y), num(c2.x), num(c2.y), num(to.x), num(to.y));
        i += 2;
      }
    }
    const QTransform& t = transform_;
    QString out = QStringLiteral("<path d=\"%1\"").arg(d);
    if (!t.isIdentity())
      out += QStringLiteral(" transform=\"matrix(%1 %2 %3 %4 %5 %6)\"")
                 .arg(num(t.m11()), num(t.m12()), num(t.m21()), num(t.m22()), num(t.dx()),
                      num(t.dy()));
    out += fillable && brush_.style() != Qt::NoBrush ? paint(brush_, QStringLiteral("fill"))
                                                     : QStringLiteral(" fill=\"none\"");
    if (pen_.style() != Qt::NoPen) {
      out += paint(pen_.brush(), QStringLiteral("stroke"));
      out += QStringLiteral(" stroke-width=\"%1\"").arg(num(pen_.widthF()));
      if (pen_.capStyle() == Qt::RoundCap) out += QStringLiteral(" stroke-linecap=\"round\"");
      if (pen_.capStyle() == Qt::SquareCap) out += QStringLiteral(" stroke-linecap=\"square\"");
    }
    body_ += out + QStringLiteral("/>\n");
  }

  QPen pen_;
  QBrush brush_;
  QTransform transform_;
  QString defs_, body_;
  int gradients_ = 0;
};

class SvgDevice final : public QPaintDevice {
 public:
  SvgDevice(int width, int height) : width_(width), height_(height) {}
  QPaintEngine* paintEngine() const override { return &engine_; }
  QString svg() const { return engine_.svg(width_, height_); }

 protected:
  int metric(PaintDeviceMetric m) const override {
    switch (m) {
      case PdmWidth:
        return width_;
      case PdmHeight:
        return height_;
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY:
        return 96;
      case PdmDevicePixelRatio:
        return 1;
      case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
      default:
        return QPaintDevice::metric(m);
    }
  }

 private:
  int width_, height_;
  mutable SvgEngine engine_;
};

// The program's icon: the badge of the splash window on a transparent ground, as PNG in the
// sizes of an icon theme and as SVG, laid out as an icon theme's folders:
// <folder>/hicolor/NxN/apps/myuruka.png and <folder>/hicolor/scalable/apps/myuruka.svg.
bool paintIcons(const QString& dir) {
  bool ok = true;
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 121.0, size / 121.0);
    drawBadge(p);
    p.end();
    const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(dir).arg(size);
    QDir().mkpath(folder);
    if (!img.save(folder + QStringLiteral("/myuruka.png"), "PNG")) {
      std::fprintf(stderr, "mkpictures: cannot write %s/myuruka.png\n", qPrintable(folder));
      ok = false;
    }
  }
  SvgDevice device(121, 121);
  QPainter p(&device);
  p.setRenderHint(QPainter::Antialiasing);
  drawBadge(p);
  p.end();
  const QString folder = dir + QStringLiteral("/hicolor/scalable/apps");
  QDir().mkpath(folder);
  QFile file(folder + QStringLiteral("/myuruka.svg"));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(device.svg().toUtf8()) < 0) {
    std::fprintf(stderr, "mkpictures: cannot write %s\n", qPrintable(file.fileName()));
    ok = false;
  }
  return ok;
}

// Every picture at one scale: NAME.bmp at 1×, the size the game lays out, NAME@2x.bmp at 2×
// for a screen of two device pixels to a pixel.
bool paintAll(const QString& dir, int scale) {
  const QString at = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
  const auto name = [&dir, &at](const QString& stem) {
    return dir + QLatin1Char('/') + stem + at + QStringLiteral(".bmp");
  };
  const auto frameName = [](int frame) { return QLatin1Char(frame ? 'b' : 'a'); };
  bool ok = true;
  for (int pose = 0; pose < 20; ++pose) {
    for (int frame = 0; frame < 2; ++frame) {
      const QImage img = petPicture(scale, [&](QPainter& p) { drawPose(p, pose, frame); });
      ok = save(img, name(QStringLiteral("Mof_IMG_%1%2").arg(pose).arg(frameName(frame)))) && ok;
    }
  }
  for (int pose : kFuwaPoses) {
    for (int frame = 0; frame < 2; ++frame) {
      const QImage img = petPicture(scale, [&](QPainter& p) { drawFuwa(p, pose, frame); });
      ok = save(img, name(QStringLiteral("Fwa_IMG_%1%2").arg(pose).arg(frameName(frame)))) && ok;
    }
  }
  for (int frame = 0; frame < 2; ++frame) {
    const QImage img = petPicture(scale, [&](QPainter& p) { drawOther(p, frame); });
    ok = save(img, name(QStringLiteral("Oth_IMG_0%1").arg(frameName(frame)))) && ok;
  }
  ok = save(drawEnding(scale), name(QStringLiteral("ending"))) && ok;
  ok = save(drawLogo(scale), name(QStringLiteral("Splash_Logo"))) && ok;
  ok = save(drawHelpSign(scale), name(QStringLiteral("Splash_Help"))) && ok;
  for (int n = 0; n < 3; ++n)
    ok = save(drawCursor(n, scale), name(QStringLiteral("Mof_CUR_%1").arg(n))) && ok;
  return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const bool icons = argc == 3 && std::strcmp(argv[1], "--icons") == 0;
  if (argc != 2 && !icons) {
    std::fprintf(stderr, "usage: mkpictures <folder> | mkpictures --icons <folder>\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[argc - 1]);
  QDir().mkpath(dir);
  if (icons) return paintIcons(dir) ? 0 : 1;
  const bool ok = paintAll(dir, 1) && paintAll(dir, 2);
  return ok ? 0 : 1;
}
