// The pet window in its own view: the right button on the pet opens the pop-up menu the
// window asks for, an entry reaches the window's menu handler, and the view reports
// minimising back to the window.
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <sstream>

#include "kernel/Game.h"
#include "petwindow/frmKivoMain.h"
#include "testsupport/Scripted.h"
#include "ui/KivoMainView.h"
#include "ui/QtWindowHost.h"
#include "ui/Views.h"

using namespace myu;

class KivoMainViewTest : public QObject {
  Q_OBJECT

 private:
  std::ostringstream out_;
  ScriptedDialogs dialogs_{out_};
  ScriptedClock clock_;
  ScriptedRandom random_{out_};
  ScriptedShell shell_{out_, "/nonexistent"};
  ScriptedSession session_{out_};
  std::unique_ptr<ui::QtWindowHost> host_;
  std::unique_ptr<Game> game_;
  QTemporaryDir dir_;

 private slots:
  void init() {
    dialogs_.autoMode = true;
    host_ = std::make_unique<ui::QtWindowHost>();
    ui::registerViews(*host_);
    Services s;
    s.dialogs = &dialogs_;
    s.clock = &clock_;
    s.random = &random_;
    s.shell = &shell_;
    s.session = &session_;
    s.windows = host_.get();
    game_ = std::make_unique<Game>(dir_.path().toStdString(), s);
    game_->st.petName = "ぴよ";
    game_->st.maxHp = 60;
    game_->st.hp = 60;
  }
  void cleanup() {
    game_.reset();
    host_.reset();
  }

  void theRightButtonOnThePetOpensTheWindowsMenu() {
    auto& pet = game_->form<frmKivoMain>();
    pet.setWindowMode(0);
    game_->show(pet);
    auto* view = qobject_cast<ui::KivoMainView*>(host_->viewOf(pet));
    QVERIFY(view != nullptr);
    QCOMPARE(view->windowTitle(), QStringLiteral("ミュルカ"));
    const int widthBefore = pet.me().width;

    QStringList captions;
    QTimer::singleShot(0, this, [&captions] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr) return;
      for (QAction* a : menu->actions())
        if (!a->isSeparator()) captions << a->text();
      menu->setActiveAction(menu->actions().first());  // "メニュー表示切り替え"
      QTest::keyClick(menu, Qt::Key_Return);
    });
    QTest::mousePress(view->findChild<QLabel*>(QStringLiteral("Picture1")), Qt::RightButton);

    QCOMPARE(captions.size(), 8);  // ten entries, two of them separators
    QCOMPARE(captions.first(), QStringLiteral("メニュー表示切り替え"));
    QCOMPARE(captions.last(), QStringLiteral("終了"));
    QVERIFY(pet.popupRequested >= 1);
    // The layout moved on: the window is now the picture with speech, narrower.
    QVERIFY(pet.me().width < widthBefore);
  }

  void minimisingIsReportedToThePetWindow() {
    auto& pet = game_->form<frmKivoMain>();
    game_->show(pet);
    QWidget* view = host_->viewOf(pet);
    view->setWindowState(Qt::WindowMinimized);
    QCOMPARE(pet.windowState, 1);
    view->setWindowState(Qt::WindowNoState);
    QCOMPARE(pet.windowState, 0);
  }
};

QTEST_MAIN(KivoMainViewTest)
#include "tst_kivomainview.moc"
