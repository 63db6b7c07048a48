// The real window host on a desktop of two monitors of unequal size (the offscreen platform
// with two screens: 1920 × 1080 and, on its right, 1280 × 1024): the monitors in twips, a
// saved position on the second monitor, and the windows and boxes that open on the pet's
// monitor, belonging to its window.
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <sstream>

#include "kernel/Game.h"
#include "petwindow/frmKivoMain.h"
#include "status/StatusWindow.h"
#include "status/frmStatus.h"
#include "testsupport/Scripted.h"
#include "ui/FormView.h"
#include "ui/QtServices.h"
#include "ui/QtWindowHost.h"
#include "ui/Views.h"

using namespace myu;

namespace {

const QRect kSecond(1920, 0, 1280, 1024);

struct Rig {
  std::ostringstream out;
  ui::QtDialogs dialogs;
  ScriptedClock clock;
  ScriptedRandom random{out};
  ScriptedShell shell{out, "/nonexistent"};
  ScriptedSession session{out};
  ui::QtWindowHost host;
  QTemporaryDir dir;
  std::unique_ptr<Game> game;

  Rig() {
    ui::registerViews(host);
    dialogs.beforeShow = [this] { host.syncAll(); };
    game = std::make_unique<Game>(dir.path().toStdString(),
                                  Services{&dialogs, &clock, &random, &shell, &session, &host});
    host.setGame(*game);
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
  }
};

// Where the box that opens next shows, and which window it belongs to; the box is then closed.
struct BoxSeen {
  QRect frame;
  QPointer<QWidget> parent;
};
void watchNextBox(BoxSeen& seen) {
  QTimer::singleShot(50, [&seen] {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    QVERIFY(box != nullptr);
    seen.frame = box->frameGeometry();
    seen.parent = box->parentWidget();
    box->reject();
  });
}

}  // namespace

class tst_desktop : public QObject {
  Q_OBJECT

 private slots:
  void theHostListsEveryMonitorThePrimaryFirst() {
    ui::QtWindowHost host;
    const std::vector<ScreenArea> screens = host.screens();
    QCOMPARE(screens.size(), size_t{2});
    QCOMPARE(screens[0].left, 0);
    QCOMPARE(screens[0].width, 28800);
    QCOMPARE(screens[1].left, 28800);
    QCOMPARE(screens[1].width, 19200);
    QCOMPARE(screens[1].height, 15360);
  }

  void aSavedPlaceOnTheSecondMonitorIsWhereThePetOpensAndComesBack() {
    Rig rig;
    auto& pet = rig.game->form<frmKivoMain>();
    pet.setPosition(36000, 4500);  // as the save restores it, before the window shows
    QCOMPARE(pet.me().left, 36000);
    QCOMPARE(pet.me().top, 4500);
    rig.game->show(pet);
    ui::FormView* view = rig.host.viewOf(pet);
    QVERIFY(view != nullptr);
    QTRY_COMPARE(view->frameGeometry().topLeft(), QPoint(2400, 300));
    QCOMPARE(rig.host.screenOf(pet).left, 28800);

    // The status window hides the pet and opens in the middle of the pet's monitor.
    showStatusWindow(*rig.game);
    auto* status = rig.game->findForm(frmStatus::kName);
    QVERIFY(status != nullptr);
    ui::FormView* statusView = rig.host.viewOf(*status);
    QVERIFY(statusView != nullptr);
    QTRY_VERIFY(statusView->isVisible());
    QVERIFY(!view->isVisible());
    QVERIFY(kSecond.contains(statusView->frameGeometry()));
    QVERIFY(qAbs(statusView->frameGeometry().center().x() - kSecond.center().x()) <= 2);

    // Closing it brings the pet back exactly where it was.
    rig.game->unload(*status);
    QTRY_VERIFY(view->isVisible());
    QCOMPARE(view->frameGeometry().topLeft(), QPoint(2400, 300));
    QCOMPARE(pet.me().left, 36000);
    QCOMPARE(pet.me().top, 4500);

    // A message box belongs to the pet window and opens in the middle of its monitor.
    BoxSeen seen;
    watchNextBox(seen);
    rig.game->MsgBox("ぴーちゃんは元気です。");
    QCOMPARE(seen.parent.data(), static_cast<QWidget*>(view));
    QVERIFY(kSecond.contains(seen.frame));
    QVERIFY(qAbs(seen.frame.center().x() - kSecond.center().x()) <= 2);
    QVERIFY(qAbs(seen.frame.center().y() - kSecond.center().y()) <= 2);

    // So does the goodbye box after the window has closed.
    BoxSeen goodbye;
    watchNextBox(goodbye);
    rig.game->unload(pet);
    QVERIFY(kSecond.contains(goodbye.frame));
  }

  void aBoxBeforeThePetWindowShowsOpensOnTheMonitorOfItsSavedPlace() {
    Rig rig;
    auto& pet = rig.game->form<frmKivoMain>();
    pet.setPosition(36000, 4500);
    BoxSeen seen;
    watchNextBox(seen);
    rig.game->MsgBox("おかえりなさい。");
    QVERIFY(seen.parent.isNull());  // no window of ours is on screen yet
    QVERIFY(kSecond.contains(seen.frame));
  }
};

int main(int argc, char* argv[]) {
  QTemporaryDir dir;
  const QString config = dir.filePath(QStringLiteral("screens.json"));
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly)) return 1;
  file.write(R"({"screens": [
    {"name": "first", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96},
    {"name": "second", "x": 1920, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96}]})");
  file.close();
  qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.toLocal8Bit());
  QApplication app(argc, argv);

  tst_desktop test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_desktop.moc"
