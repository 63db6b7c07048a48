// The real dialogs, random source and shell: what the owner sees and presses in a message
// box, a cancelled input box, random draws within their bounds, a missing document, the
// desktop folder the XDG user folders name.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/Platform.h"
#include "ui/QtServices.h"

using namespace myu;

namespace {
// Runs `inspect` on the dialog that opens next, once it is up.
void whenDialogOpens(QObject* context, std::function<void(QWidget*)> inspect) {
  QTimer::singleShot(0, context, [context, inspect] {
    QWidget* w = QApplication::activeModalWidget();
    if (w == nullptr) {
      whenDialogOpens(context, inspect);
      return;
    }
    inspect(w);
  });
}
}  // namespace

class QtServicesTest : public QObject {
  Q_OBJECT

 private slots:
  void enterPressesTheDefaultButton_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("answer");
    QTest::newRow("Yes/No: Yes") << 20 << int{mb::kYes};
    QTest::newRow("Yes/No with the second default: No") << 276 << int{mb::kNo};
    QTest::newRow("Cancel/Try/Continue: Cancel") << 70 << int{mb::kCancel};
    QTest::newRow("OK") << 0 << int{mb::kOk};
  }
  void enterPressesTheDefaultButton() {
    QFETCH(int, style);
    QFETCH(int, answer);
    ui::QtDialogs dialogs;
    QString title, text;
    whenDialogOpens(this, [&](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      QVERIFY(box != nullptr);
      title = box->windowTitle();
      text = box->text();
      QTest::keyClick(box, Qt::Key_Return);
    });
    QCOMPARE(dialogs.msgBox("一行目\r\n二行目", style, ""), answer);
    QCOMPARE(title, QStringLiteral("ミュルカ"));
    QCOMPARE(text, QStringLiteral("一行目\n二行目"));
  }

  void theButtonPressedGivesItsAnswer() {
    ui::QtDialogs dialogs;
    QStringList captions;
    whenDialogOpens(this, [&](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      for (QAbstractButton* b : box->buttons()) captions << b->text();
      for (QAbstractButton* b : box->buttons())
        if (b->text() == QStringLiteral("続行")) b->click();
    });
    QCOMPARE(dialogs.msgBox("!", 70, "警告ウインドウ"), int{mb::kContinue});
    captions.sort();
    QStringList expected{QStringLiteral("キャンセル"), QStringLiteral("再試行"),
                         QStringLiteral("続行")};
    expected.sort();
    QCOMPARE(captions, expected);
  }

  void aCancelledInputBoxGivesTheEmptyText() {
    ui::QtDialogs dialogs;
    whenDialogOpens(this, [](QWidget* w) {
      auto* box = qobject_cast<QInputDialog*>(w);
      QVERIFY(box != nullptr);
      QCOMPARE(box->textValue(), QStringLiteral("ぴよ"));
      box->reject();
    });
    QCOMPARE(dialogs.inputBox("なまえは？", "", "ぴよ"), std::string());
    whenDialogOpens(this, [](QWidget* w) {
      auto* box = qobject_cast<QInputDialog*>(w);
      box->setTextValue(QStringLiteral("もふ"));
      box->accept();
    });
    QCOMPARE(dialogs.inputBox("なまえは？", "", ""), std::string("もふ"));
  }

  void randomDrawsStayWithinTheirBoundsAndReachBothEnds() {
    ui::QtRandom random;
    bool low = false, high = false;
    for (int i = 0; i < 2000; ++i) {
      const int v = random.between(1, 5);
      QVERIFY(v >= 1 && v <= 5);
      low = low || v == 1;
      high = high || v == 5;
    }
    QVERIFY(low && high);
    QCOMPARE(random.between(7, 7), 7);
    const int swapped = random.between(3, -3);
    QVERIFY(swapped >= -3 && swapped <= 3);
  }

  void openingAMissingDocumentGivesTwo() {
    QTemporaryDir dir;
    ui::QtShell shell;
    const std::string missing = (dir.path() + QStringLiteral("/お助けぺーじ.html")).toStdString();
    QCOMPARE(shell.open(missing, dir.path().toStdString()), 2);
  }

#ifndef _WIN32
  // The desktop is the XDG user folder, $HOME/Desktop when none is named; it need not exist.
  void theDesktopIsTheXdgDesktopFolder_data() {
    QTest::addColumn<QString>("userDirs");
    QTest::addColumn<QString>("desktop");  // under the home folder
    QTest::newRow("no user-dirs.dirs") << QString() << QStringLiteral("/Desktop");
    QTest::newRow("named under home") << QStringLiteral("XDG_DESKTOP_DIR=\"$HOME/デスクトップ\"\n")
                                      << QStringLiteral("/デスクトップ");
    QTest::newRow("other folders only")
        << QStringLiteral("XDG_DOWNLOAD_DIR=\"$HOME/dl\"\n") << QStringLiteral("/Desktop");
  }
  void theDesktopIsTheXdgDesktopFolder() {
    QFETCH(QString, userDirs);
    QFETCH(QString, desktop);
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toUtf8());
    if (!userDirs.isEmpty()) {
      QDir(home.path()).mkpath(QStringLiteral(".config"));
      QFile f(home.path() + QStringLiteral("/.config/user-dirs.dirs"));
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(userDirs.toUtf8());
    }
    const std::string got = ui::QtShell().desktopFolder();
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);
    QCOMPARE(QString::fromStdString(got), home.path() + desktop);
  }
#endif
};

QTEST_MAIN(QtServicesTest)
#include "tst_qtservices.moc"
