// Pictures on a screen of two device pixels to a pixel (QT_SCALE_FACTOR=2): a picture with a
// twin NAME@2x.ext painted at twice the size is drawn from the twin, every device pixel its
// own, at the size of the 1× picture; one without a twin is the 1× picture scaled up.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTest>

#include "kernel/Game.h"
#include "support/ui/UiGame.h"
#include "ui/FormView.h"
#include "ui/QtWindowHost.h"

using namespace myu;

namespace {

class frmProbe : public Form {
 public:
  static constexpr const char* kName = "frmProbe";
  explicit frmProbe(Game& g) : Form(g, kName) {
    me().width = 3000;
    me().height = 3000;
    place(Picture1, 0, 0, 1500, 1500);  // 100 × 100 pixels
    place(imgIcon[0], 0, 0, 480, 480).visible = false;
  }
  Control& Picture1 = add(Kind::Picture, "Picture1");
  ControlArray imgIcon = addArray(Kind::Image, "imgIcon", 1);
};

}  // namespace

class HiDpiTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::UiGame> t_;

 private slots:
  void init() { t_ = std::make_unique<test::UiGame>(); }
  void cleanup() { t_.reset(); }

  void picturesComeFromTheirTwinAtTwiceTheSize_data() {
    QTest::addColumn<bool>("twin");
    QTest::addColumn<bool>("mirrored");
    QTest::addColumn<QColor>("left");
    QTest::addColumn<QColor>("right");
    QTest::addColumn<bool>("sharpDot");
    const QColor red(255, 0, 0), green(0, 160, 0), blue(0, 0, 255), yellow(255, 255, 0);
    QTest::newRow("with a twin") << true << false << blue << yellow << true;
    QTest::newRow("with a twin, mirrored") << true << true << yellow << blue << false;
    QTest::newRow("without a twin") << false << false << red << green << false;
  }
  void picturesComeFromTheirTwinAtTwiceTheSize() {
    QFETCH(bool, twin);
    QFETCH(bool, mirrored);
    QFETCH(QColor, left);
    QFETCH(QColor, right);
    QFETCH(bool, sharpDot);
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    const QString name = twin ? QStringLiteral("pose") : QStringLiteral("alone");
    const QString path = t_->path(name + QStringLiteral(".bmp"));
    QVERIFY(test::writeBmp(path, 40, 20, QColor(255, 0, 0), QColor(0, 160, 0), QColor(255, 0, 0)));
    if (twin)
      QVERIFY(test::writeBmp(t_->path(name + QStringLiteral("@2x.bmp")), 80, 40, QColor(0, 0, 255),
                             QColor(255, 255, 0), QColor(255, 0, 255)));

    frmProbe& f = t_->game().form<frmProbe>();
    t_->game().show(f);
    f.Picture1.picture = path.toStdString();
    f.Picture1.mirrored = mirrored;
    t_->host().syncAll();
    auto* label = qobject_cast<QLabel*>(t_->host().viewOf(f)->widget("Picture1"));
    QVERIFY(label != nullptr);
    const QPixmap pm = label->pixmap();
    QCOMPARE(pm.deviceIndependentSize(), QSizeF(40, 20));
    QCOMPARE(pm.devicePixelRatio(), twin ? 2.0 : 1.0);

    const QImage shown = label->grab().toImage();
    QCOMPARE(shown.devicePixelRatio(), 2.0);
    QCOMPARE(shown.pixelColor(6, 20), left);
    QCOMPARE(shown.pixelColor(72, 20), right);
    // The twin's single device pixel at the top left is drawn as one device pixel.
    QCOMPARE(shown.pixelColor(0, 0) == QColor(255, 0, 255), sharpDot);
  }

  // A cursor picture of 32 × 32 with a twin of 64 × 64: the cursor is the twin, at 32 × 32.
  void aCursorComesFromItsTwin() {
    const QString path = t_->path(QStringLiteral("cursor.bmp"));
    QVERIFY(test::writeBmp(path, 32, 32, QColor(255, 0, 255), QColor(255, 200, 40),
                           QColor(255, 0, 255)));
    QVERIFY(test::writeBmp(t_->path(QStringLiteral("cursor@2x.bmp")), 64, 64, QColor(255, 0, 255),
                           QColor(40, 200, 255), QColor(255, 0, 255)));
    frmProbe& f = t_->game().form<frmProbe>();
    t_->game().show(f);
    f.imgIcon[0].picture = path.toStdString();
    f.Picture1.cursor = 0;
    t_->host().syncAll();
    const QCursor cursor = t_->host().viewOf(f)->widget("Picture1")->cursor();
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    const QPixmap pm = cursor.pixmap();
    QCOMPARE(pm.devicePixelRatio(), 2.0);
    QCOMPARE(pm.deviceIndependentSize(), QSizeF(32, 32));
    QCOMPARE(pm.toImage().pixelColor(48, 10), QColor(40, 200, 255));
  }
};

int main(int argc, char* argv[]) {
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  HiDpiTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
