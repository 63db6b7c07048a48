// A sync does only the work that changed, and still shows every change: the pet's blink and
// its clock bring one widget up to date, pictures are read once, the speech is laid out again
// only for a new text or width, and a widget the owner changed, or one inside a container
// whose colours changed, is put back to its control.
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "kernel/Game.h"
#include "petwindow/frmKivoMain.h"
#include "support/ui/UiGame.h"
#include "ui/FormView.h"
#include "ui/QtWindowHost.h"

using namespace myu;

namespace {

using Names = std::vector<std::string>;

// A frame holding two options, a list whose handler may refuse a choice, a picture box and a
// label.
class frmSyncProbe : public Form {
 public:
  static constexpr const char* kName = "frmSyncProbe";
  explicit frmSyncProbe(Game& g) : Form(g, kName) {
    me().width = 6000;
    me().height = 4000;
    place(Frame1, 120, 120, 3000, 1500);
    for (int i = 0; i < 2; ++i) {
      Control& o = optKind[i];
      o.caption = i == 0 ? "ひとつ" : "ふたつ";
      place(o, 120, 300 + i * 300, 1500, 255);
    }
    List1.items = {"りんご", "みかん", "ぶどう"};
    List1.listIndex = 0;
    place(List1, 120, 1800, 2000, 1200);
    place(Picture1, 3300, 1000, 1500, 1500);
    on(List1, Event::Click, [this](const EventArgs&) {
      if (refuseChoice) List1.listIndex = 0;
    });
  }
  Control& Frame1 = add(Kind::Frame, "Frame1");
  ControlArray optKind = addArray(Kind::Option, "optKind", 2, Frame1);
  Control& List1 = add(Kind::List, "List1");
  Control& Picture1 = add(Kind::Picture, "Picture1");
  bool refuseChoice = false;
};

}  // namespace

class ViewSyncTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::UiGame> t_;

  // The pet window in its full panel, with the built program's pictures.
  frmKivoMain& shownPet() {
    t_->copyProgramPictures();
    auto& pet = t_->game().form<frmKivoMain>();
    pet.setWindowMode(0);
    t_->game().show(pet);
    return pet;
  }
  frmSyncProbe& shownProbe() {
    auto& f = t_->game().form<frmSyncProbe>();
    t_->game().show(f);
    return f;
  }
  ui::FormView* view(Form& f) { return t_->host().viewOf(f); }
  void tick(Form& f, const char* timer) {
    f.fireTimer(timer);
    t_->host().syncAll();
  }

 private slots:
  void init() {
    t_ = std::make_unique<test::UiGame>();
    t_->preparePetWindow();
  }
  void cleanup() { t_.reset(); }

  void theBlinkBringsOnlyThePictureUpToDateAndReusesItsTwoPictures() {
    frmKivoMain& pet = shownPet();
    auto* picture = view(pet)->findChild<QLabel*>(QStringLiteral("Picture1"));
    QVERIFY(!pet.ctl("Image1").picture.empty() && !pet.ctl("Image2").picture.empty());
    std::vector<qint64> shown;
    for (int i = 0; i < 4; ++i) {
      tick(pet, "Timer1");
      QCOMPARE(view(pet)->lastSynced(), Names{"Picture1"});
      QVERIFY(!picture->pixmap().isNull());
      shown.push_back(picture->pixmap().cacheKey());
    }
    // Two pictures in turn, each the same pixmap every time it comes back.
    QVERIFY(shown[0] != shown[1]);
    QCOMPARE(shown[2], shown[0]);
    QCOMPARE(shown[3], shown[1]);
    // Nothing changed: nothing to do.
    t_->host().syncAll();
    QCOMPARE(view(pet)->lastSynced(), Names{});
  }

  void theClockViewChangesOnlyWithItsText() {
    frmKivoMain& pet = shownPet();
    QTest::mouseClick(view(pet)->findChild<QPushButton*>(QStringLiteral("Command11")),
                      Qt::LeftButton);
    auto* clock = view(pet)->findChild<QLabel*>(QStringLiteral("Label2"));
    QVERIFY(clock->isVisible());
    QCOMPARE(clock->text(), QStringLiteral("09:00:00"));
    for (int quarter = 1; quarter <= 8; ++quarter) {
      t_->scripted.clock.advanceMs(250);
      tick(pet, "TimeTimer");
      // A quarter of a second later the text is the same: nothing to do; a second later, one
      // label.
      QCOMPARE(view(pet)->lastSynced(), quarter % 4 == 0 ? Names{"Label2"} : Names{});
    }
    QCOMPARE(clock->text(), QStringLiteral("09:00:02"));
    QVERIFY(clock->isVisible());
  }

  void theSpeechIsLaidOutAgainOnlyForANewTextOrWidth() {
    frmKivoMain& pet = shownPet();
    pet.ctl("TextWindow").caption = "こんにちは、きょうもいいてんきだね。";
    t_->host().syncAll();
    QWidget* picture = view(pet)->widget("Picture1");
    auto* speech = view(pet)->findChild<ui::CaptionLabel*>(QStringLiteral("TextWindow"));
    QVERIFY(speech != nullptr && speech->isVisible());
    const QImage first = picture->grab().toImage();
    const int laidOut = speech->layoutCount();
    QVERIFY(laidOut >= 1);
    for (int i = 0; i < 4; ++i) {
      tick(pet, "Timer1");
      picture->grab();
    }
    QCOMPARE(speech->layoutCount(), laidOut);
    pet.ctl("TextWindow").caption = "おなかすいた";
    t_->host().syncAll();
    const QImage second = picture->grab().toImage();
    QCOMPARE(speech->layoutCount(), laidOut + 1);
    // The new text is what is drawn: the speech band differs from the first one.
    const QRect band = speech->geometry();
    QVERIFY(first.copy(band) != second.copy(band));
    pet.ctl("TextWindow").width -= 600;
    t_->host().syncAll();
    picture->grab();
    QCOMPARE(speech->layoutCount(), laidOut + 2);
  }

  void aPictureShownBeforeIsNotReadAgain() {
    frmSyncProbe& f = shownProbe();
    Control& pic = f.ctl("Picture1");
    const QString red = t_->path(QStringLiteral("red.bmp"));
    const QString blue = t_->path(QStringLiteral("blue.bmp"));
    QVERIFY(test::writeBmp(red, 40, 20, QColor(255, 0, 0), QColor(255, 0, 0)));
    QVERIFY(test::writeBmp(blue, 40, 20, QColor(0, 0, 255), QColor(0, 0, 255)));
    auto* label = view(f)->findChild<QLabel*>(QStringLiteral("Picture1"));
    for (const QString& path : {red, blue}) {
      pic.picture = path.toStdString();
      t_->host().syncAll();
    }
    QCOMPARE(label->pixmap().toImage().pixelColor(5, 5), QColor(0, 0, 255));
    // The file has gone (or changed) on the disk: the picture as it was read still shows.
    QVERIFY(QFile::remove(red));
    pic.picture = red.toStdString();
    t_->host().syncAll();
    QCOMPARE(label->pixmap().toImage().pixelColor(5, 5), QColor(255, 0, 0));
    // A file never read before is read.
    const QString green = t_->path(QStringLiteral("green.bmp"));
    QVERIFY(test::writeBmp(green, 40, 20, QColor(0, 160, 0), QColor(0, 160, 0)));
    pic.picture = green.toStdString();
    t_->host().syncAll();
    QCOMPARE(label->pixmap().toImage().pixelColor(5, 5), QColor(0, 160, 0));
    pic.picture.clear();
    t_->host().syncAll();
    QVERIFY(label->pixmap().isNull());
  }

  // The owner changes a widget; the form keeps its control as it was: the widget goes back.
  void aWidgetTheOwnerChangedGoesBackToItsControl() {
    frmSyncProbe& f = shownProbe();
    auto* second = view(f)->findChild<QRadioButton*>(QStringLiteral("optKind(1)"));
    QTest::mouseClick(second, Qt::LeftButton);
    QCOMPARE(f.ctl("optKind", 1).value, 1);
    QVERIFY(second->isChecked());
    // A second click unticks the button; the option stays the chosen one.
    QTest::mouseClick(second, Qt::LeftButton);
    QCOMPARE(f.ctl("optKind", 1).value, 1);
    QVERIFY(second->isChecked());

    f.refuseChoice = true;
    auto* list = view(f)->findChild<QListWidget*>(QStringLiteral("List1"));
    list->setCurrentRow(2);
    QCOMPARE(f.ctl("List1").listIndex, 0);
    QCOMPARE(list->currentRow(), 0);
  }

  // A widget without colours of its own takes its container's: when the container's change,
  // it takes its control's again.
  void aContainersNewColoursLeaveItsControlsTheirOwn() {
    frmSyncProbe& f = shownProbe();
    auto* option = view(f)->findChild<QRadioButton*>(QStringLiteral("optKind(0)"));
    QCOMPARE(option->palette().color(QPalette::Window), QColor(255, 255, 255));
    f.ctl("Frame1").backColor = rgb(192, 192, 255);
    f.ctl("Frame1").foreColor = rgb(255, 0, 0);
    t_->host().syncAll();
    QCOMPARE(view(f)->widget("Frame1")->palette().color(QPalette::Window), QColor(192, 192, 255));
    QCOMPARE(option->palette().color(QPalette::Window), QColor(255, 255, 255));
    QCOMPARE(option->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    // The option's own colours still follow its control.
    f.ctl("optKind", 0).backColor = rgb(255, 192, 192);
    t_->host().syncAll();
    QCOMPARE(option->palette().color(QPalette::Window), QColor(255, 192, 192));
  }
};

QTEST_MAIN(ViewSyncTest)
#include "tst_viewsync.moc"
