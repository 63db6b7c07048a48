// The game's windows on screen: the feeding window with a food file open and with every
// potion and poison, the status window's radar chart, the titles, the death window's last
// words and the hall of fame. Each is shown through the core, in a copy of the program
// folder, and checked on its widgets and pixels. With MYURUKA_SHOTS set to a folder, each
// window is also saved there as a picture (run under a real X server for window frames).
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <sstream>

#include "feeding/Feeding.h"
#include "feeding/frmServe.h"
#include "memorial/Memorial.h"
#include "memorial/frmDeaD.h"
#include "persistence/mdliniFile.h"
#include "petwindow/frmKivoMain.h"
#include "startup/Game.h"
#include "startup/UserInput.h"
#include "startup/frmFirstProfile.h"
#include "status/StatusWindow.h"
#include "status/frmStatus.h"
#include "testsupport/Scripted.h"
#include "ui/FormView.h"
#include "ui/QtWindowHost.h"
#include "ui/Views.h"

using namespace myu;

namespace {

// A game with the real window host in a copy of the built program folder.
struct Rig {
  std::ostringstream out;
  ScriptedDialogs dialogs{out};
  ScriptedClock clock;
  ScriptedRandom random{out};
  ScriptedShell shell{out, "/nonexistent"};
  ScriptedSession session{out};
  ui::QtWindowHost host;
  QTemporaryDir dir;
  std::unique_ptr<Game> game;

  Rig() {
    dialogs.autoMode = true;
    ui::registerViews(host);
    const QString from = QStringLiteral(MYURUKA_PROGRAM_DIR);
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QString source = it.next();
      const QString rel = QDir(from).relativeFilePath(source);
      if (!rel.startsWith(QStringLiteral("Img/")) && !rel.endsWith(QStringLiteral(".krp")))
        continue;
      QDir().mkpath(QFileInfo(dir.filePath(rel)).absolutePath());
      QFile::copy(source, dir.filePath(rel));
    }
    game = std::make_unique<Game>(dir.path().toStdString(),
                                  Services{&dialogs, &clock, &random, &shell, &session, &host});
    GameState& s = game->st;
    s.userName = "たろう";
    s.userSex = "男";
    s.userAge = "20";
    s.userType = "いいひと";
    s.userMail = "taro@example.jp";
    s.petName = "ぴーちゃん";
    s.petModel = "モフリーノ";
    s.petType = "わいるど";
    s.petVer = 1.5F;
    s.startTime = "2025/12/20 10:00:00";
    s.lastTime = "2026/01/01 09:00:00";
    s.maxHp = 300, s.hp = 240, s.maxMp = 200, s.mp = 120;
    s.power = 45, s.defense = 38, s.speed = 52, s.luck = 20;
    s.brain = 64, s.happy = 70, s.manpuku = 55, s.condition = 1;
    const std::int16_t counters[] = {80, 20, 45, 60, 95, 35, 70, 10};
    for (int i = 0; i < kPersonalityCount; ++i) s.personality(i) = counters[i];
  }

  ui::FormView* view(Form& f) { return host.viewOf(f); }
};

// The window as the owner sees it: with its frame on a real X server, else its inside.
QImage shoot(QWidget* w, const char* file) {
  QApplication::processEvents();
  QImage image;
  if (QGuiApplication::platformName() == QLatin1String("xcb") && w->screen() != nullptr) {
    QTest::qWait(400);
    const QRect r = w->frameGeometry();
    image = w->screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage();
  } else {
    image = w->grab().toImage();
  }
  const QString folder = qEnvironmentVariable("MYURUKA_SHOTS");
  if (!folder.isEmpty()) image.save(folder + QLatin1Char('/') + QLatin1String(file));
  return image;
}

// Runs `inside` once the modal window of `show` is up, then closes it.
void whileModal(Game& g, Form& form, const std::function<void()>& show,
                const std::function<void()>& inside) {
  QTimer::singleShot(0, [&g, &form, inside] {
    inside();
    if (form.loaded) g.unload(form);
  });
  show();
}

int fileIndex(const Control& files, const std::string& name) {
  for (size_t i = 0; i < files.items.size(); ++i)
    if (files.items[i] == name) return static_cast<int>(i);
  return -1;
}

}  // namespace

class WindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void feedingWindowListsTheDishesOfTheChosenFile() {
    Rig rig;
    auto& form = rig.game->form<frmServe>();
    bool checked = false;
    whileModal(
        *rig.game, form, [&] { showFeedingWindow(*rig.game); },
        [&] {
          ui::FormView* view = rig.view(form);
          QVERIFY(view != nullptr && view->isVisible());
          const int index = fileIndex(form.ctl("File1"), "ごちそう.krp");
          QVERIFY(index >= 0);
          userSelect(form, "File1", index);
          userSelect(form, "List1", 0);
          rig.host.syncAll();
          auto* dishes = view->findChild<QListWidget*>(QStringLiteral("List1"));
          QVERIFY(dishes != nullptr && dishes->isVisible());
          QVERIFY(dishes->count() > 3);
          QVERIFY(!view->findChild<QLineEdit*>(QStringLiteral("Text1"))->text().isEmpty());
          shoot(view, "feeding-window.png");
          checked = true;
        });
    QVERIFY(checked);
  }

  // No single pet meets every rule (some ask for a sick pet, others for a fit one): the
  // window is set up for a sick pet and for a fit one, and every button one of them opens
  // is shown open at once.
  void feedingWindowWithEveryMedicine() {
    Rig rig;
    auto& form = rig.game->form<frmServe>();
    auto sick = [](GameState& s) {
      s.maxHp = 500, s.hp = 40, s.maxMp = 500, s.mp = 50, s.condition = -5, s.happy = 40;
      s.manpuku = 20, s.sukebe = 20, s.waraiDake = 1, s.power = 60, s.brain = 100, s.wild = 80;
      s.majime = 100, s.defense = 80, s.namakemono = 100, s.junk = 1;
    };
    auto fit = [](GameState& s) {
      s.maxHp = 500, s.hp = 500, s.maxMp = 500, s.mp = 460, s.condition = 3, s.otaku = 90;
      s.sukebe = 95, s.brain = 300, s.happy = 80, s.majime = 100;
    };
    bool checked = false;
    whileModal(
        *rig.game, form, [&] { showFeedingWindow(*rig.game); },
        [&] {
          std::map<std::string, std::string> open;  // button → caption
          for (const auto& setUp : {std::function<void(GameState&)>(sick), std::function(fit)}) {
            setUp(rig.game->st);
            rig.random.queued = {1, 1};  // the lucky draws of 幸運豆 and アオウミ茸
            form.setUpMedicines();
            for (const char* kind : {"potion", "poison"})
              for (int i = 1; i <= 10; ++i) {
                const Control& b = form.ctl(kind + std::to_string(i));
                if (b.enabled) open[b.name] = b.caption;
              }
          }
          QCOMPARE(open.size(), size_t{20});
          for (const auto& [name, caption] : open) {
            form.ctl(name).enabled = true;
            form.ctl(name).caption = caption;
          }
          rig.host.syncAll();
          ui::FormView* view = rig.view(form);
          for (const auto& [name, caption] : open) {
            auto* b = view->findChild<QPushButton*>(QString::fromStdString(name));
            QVERIFY(b != nullptr && b->isEnabled() && b->isVisible());
            QCOMPARE(b->text(), QString::fromStdString(caption));
            QVERIFY(b->text() != QStringLiteral("???"));
          }
          shoot(view, "feeding-items.png");
          checked = true;
        });
    QVERIFY(checked);
  }

  void statusWindowDrawsTheRadarChart() {
    Rig rig;
    rig.game->load(rig.game->form<frmKivoMain>());  // its picture is the face shown
    showStatusWindow(*rig.game);
    auto& form = rig.game->form<frmStatus>();
    ui::FormView* view = rig.view(form);
    QVERIFY(view != nullptr && view->isVisible());
    auto* face = view->findChild<QLabel*>(QStringLiteral("KAO_Pic"));
    QVERIFY(face != nullptr && !face->pixmap().isNull() && face->hasScaledContents());
    QWidget* chart = view->widget("Picture1");
    QVERIFY(chart != nullptr);
    QCOMPARE(form.ctl("Picture1").points.size(), size_t{16});
    shoot(view, "status-window.png");

    const QImage img = chart->grab().toImage();
    const int cx = img.width() / 2, cy = img.height() / 2;
    QCOMPARE(img.pixelColor(cx, cy), QColor(0, 150, 255));
    // Up the top axis, inside the values (otaku 80): pink axis; outside the outline: grey.
    QCOMPARE(img.pixelColor(cx, cy - cy / 3), QColor(255, 150, 150));
    QCOMPARE(img.pixelColor(cx, 2), QColor(200, 200, 200));
    // Between the axes: the value fill near the centre, the outline's white further out
    // (sukebe, up-right, is 20).
    const double up = -0.38, right = 0.92;  // 22.5° right of the top, as a unit vector
    auto at = [&](double part) {
      return img.pixelColor(cx + static_cast<int>(right * part * cx),
                            cy + static_cast<int>(up * part * cy));
    };
    QCOMPARE(at(0.08), QColor(255, 200, 200));
    QCOMPARE(at(0.6), QColor(255, 255, 255));
  }

  void titlesWindowTicksTheEarnedTitles() {
    Rig rig;
    auto& flags = rig.game->st.titleFlags;
    flags[0] = 1, flags[4] = 1, flags[8] = 1, flags[13] = 1, flags[16] = 3;
    showRoyalTitleWindow(*rig.game);
    Form* form = rig.game->findForm("frmRoyalTitle");
    QVERIFY(form != nullptr);
    ui::FormView* view = rig.view(*form);
    QVERIFY(view != nullptr && view->isVisible());
    auto* word = view->findChild<QCheckBox*>(QStringLiteral("fldTitle(16)"));
    QVERIFY(word != nullptr);
    QCOMPARE(word->text(), QStringLiteral("ドクターふくろう"));
    // An earned title is a greyed box: ticked, in grey.
    QCOMPARE(word->checkState(), Qt::Checked);
    QCOMPARE(word->palette().color(QPalette::Active, QPalette::Text), QColor(128, 128, 128));
    shoot(view, "titles-window.png");
  }

  void deathWindowEndsOnGameOverThenTheHallOfFameKeepsThePet() {
    Rig rig;
    rig.game->st.deadType = "餓死";
    QVERIFY(WriteProfile(*rig.game));
    auto& form = rig.game->form<frmDeaD>();
    bool checked = false;
    whileModal(
        *rig.game, form, [&] { showDeathWindow(*rig.game); },
        [&] {
          ui::FormView* view = rig.view(form);
          QVERIFY(view != nullptr && view->isVisible());
          auto* picture = view->findChild<QLabel*>(QStringLiteral("Picture1"));
          QVERIFY(picture != nullptr && !picture->pixmap().isNull());
          // The story rolls up and fades in, then the end: the timers' ticks, without waiting.
          for (int i = 0; i < 1000 && form.timer("Timer2")->enabled; ++i) {
            form.fireTimer("Timer2");
            if (i == 60) {
              rig.host.syncAll();
              shoot(view, "death-window-story.png");
            }
          }
          QVERIFY(!form.timer("Timer2")->enabled);
          form.fireTimer("Timer1");
          rig.host.syncAll();
          auto* line = view->findChild<QLabel*>(QStringLiteral("Label1"));
          QCOMPARE(line->text(), QStringLiteral("GAME  OVER"));
          QVERIFY(line->isVisible());
          QCOMPARE(line->width(), picture->width());
          QVERIFY(line->alignment() & Qt::AlignHCenter);
          // The red words sit in the middle of the line.
          const QImage img = line->grab().toImage();
          int first = img.width(), last = -1;
          for (int x = 0; x < img.width(); ++x)
            for (int y = 0; y < img.height(); ++y)
              if (img.pixelColor(x, y).red() > 150 && img.pixelColor(x, y).green() < 120) {
                first = std::min(first, x);
                last = std::max(last, x);
              }
          QVERIFY(last > first);
          QVERIFY(std::abs((first + last) / 2 - img.width() / 2) < img.width() / 20);
          shoot(view, "death-window.png");
          checked = true;
        });
    QVERIFY(checked);
    // Closing the window wrote the dead pet's record.
    DeadPetRecord r;
    QVERIFY(GetDeadPet(*rig.game, 1, r) != 0);

    showHallOfFame(*rig.game);
    Form* hall = rig.game->findForm("frmDendou");
    QVERIFY(hall != nullptr);
    ui::FormView* view = rig.view(*hall);
    QVERIFY(view != nullptr && view->isVisible());
    auto* picture = view->findChild<QLabel*>(QStringLiteral("D_pet_pic"));
    QVERIFY(picture != nullptr && !picture->pixmap().isNull() && picture->hasScaledContents());
    // The only dead pet: no neighbour to step to, and the buttons look it.
    auto* next = view->findChild<QPushButton*>(QStringLiteral("nextBtn"));
    QVERIFY(next != nullptr && !next->isEnabled());
    QVERIFY(next->palette().color(QPalette::Disabled, QPalette::ButtonText) !=
            next->palette().color(QPalette::Active, QPalette::ButtonText));
    auto* name = view->findChild<QLabel*>(QStringLiteral("D_name"));
    QVERIFY(name != nullptr);
    QCOMPARE(name->text(), QStringLiteral("ぴーちゃん"));
    shoot(view, "hall-of-fame.png");
  }

  void firstProfileComboShowsItsStartingTextAndTakesTyping() {
    Rig rig;
    auto& form = rig.game->form<frmFirstProfile>();
    rig.game->show(form);
    ui::FormView* view = rig.view(form);
    auto* combo = view->findChild<QComboBox*>(QStringLiteral("Combo1"));
    QVERIFY(combo != nullptr);
    QVERIFY(combo->isEditable());
    QCOMPARE(combo->currentText(), QStringLiteral("あなたはどんなひと？"));
    QCOMPARE(combo->count(), 4);
    shoot(view, "first-profile.png");
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("abc"));
    QCOMPARE(form.ctl("Combo1").text, std::string("abc"));
    combo->setCurrentIndex(-1);
    combo->activated(2);
    QCOMPARE(form.ctl("Combo1").text, std::string("ふつうのひと"));
    QCOMPARE(combo->currentText(), QStringLiteral("ふつうのひと"));
  }
};

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
