// The first profile's view: after a check refuses an entry, the keyboard focus is in the
// field the check named.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <sstream>

#include "kernel/Game.h"
#include "startup/frmFirstProfile.h"
#include "testsupport/Scripted.h"
#include "ui/FormView.h"
#include "ui/QtWindowHost.h"
#include "ui/Views.h"

using namespace myu;

class FirstProfileViewTest : public QObject {
  Q_OBJECT

 private slots:
  void aRefusedEntryGetsTheFocus() {
    std::ostringstream out;
    ScriptedDialogs dialogs{out};
    dialogs.autoMode = true;
    ScriptedClock clock;
    ScriptedRandom random{out};
    ScriptedShell shell{out, "/nonexistent"};
    ScriptedSession session{out};
    ui::QtWindowHost host;
    ui::registerViews(host);
    QTemporaryDir dir;
    Services s{&dialogs, &clock, &random, &shell, &session, &host};
    Game game(dir.path().toStdString(), s);

    auto& form = game.form<frmFirstProfile>();
    game.show(form);
    ui::FormView* view = host.viewOf(form);
    QVERIFY(view != nullptr);
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view));
    auto* name = view->findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* age = view->findChild<QLineEdit*>(QStringLiteral("Text3"));
    QVERIFY(name != nullptr && age != nullptr);
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("taro"));
    age->setFocus();
    QTest::keyClicks(age, QStringLiteral("abc"));
    name->setFocus();

    QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(form.focus, std::string("Text3"));
    QCOMPARE(QApplication::focusWidget(), age);
    QVERIFY(out.str().find("半角の数字を入力してください。") != std::string::npos);
  }
};

QTEST_MAIN(FirstProfileViewTest)
#include "tst_firstprofileview.moc"
