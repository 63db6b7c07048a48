// The pet window in its own view: the right button on the pet opens the pop-up menu the
// window asks for, an entry reaches the window's menu handler, and the view reports
// minimising back to the window.
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "kernel/Game.h"
#include "petwindow/frmKivoMain.h"
#include "support/ui/UiGame.h"
#include "ui/KivoMainView.h"
#include "ui/QtWindowHost.h"

using namespace myu;

class KivoMainViewTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::UiGame> t_;

 private slots:
  void init() {
    t_ = std::make_unique<test::UiGame>();
    t_->preparePetWindow();
  }
  void cleanup() { t_.reset(); }

  void theRightButtonOnThePetOpensTheWindowsMenu() {
    auto& pet = t_->game().form<frmKivoMain>();
    pet.setWindowMode(0);
    t_->game().show(pet);
    auto* view = qobject_cast<ui::KivoMainView*>(t_->host().viewOf(pet));
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
    auto& pet = t_->game().form<frmKivoMain>();
    t_->game().show(pet);
    QWidget* view = t_->host().viewOf(pet);
    view->setWindowState(Qt::WindowMinimized);
    QCOMPARE(pet.windowState, 1);
    view->setWindowState(Qt::WindowNoState);
    QCOMPARE(pet.windowState, 0);
  }
};

QTEST_MAIN(KivoMainViewTest)
#include "tst_kivomainview.moc"
