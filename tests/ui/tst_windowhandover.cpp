// Windows that hand over to other windows: the status window hides the pet window, and for
// the word list or the titles it hides itself as well, so that for a moment no window of the
// program is on the screen. The program lives as long as the pet window, never ending in such
// a moment: after each window opened from the status window has closed, the status window is
// shown, the pet window is still loaded, and no quit was asked for. Closing the pet window
// is what ends the program.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>
#include <memory>

#include "friends/frmFriend.h"
#include "kernel/Game.h"
#include "kernel/UserInput.h"
#include "memorial/frmDendou.h"
#include "persistence/mdliniFile.h"
#include "petwindow/frmKivoMain.h"
#include "status/frmRoyalTitle.h"
#include "status/frmStatus.h"
#include "support/ui/UiGame.h"
#include "ui/QtWindowHost.h"
#include "words/LangForms.h"

using namespace myu;

namespace {

// What the owner presses in the status window, what opens, and how the owner closes it.
struct Handover {
  const char* what;
  const char* statusButton;
  const char* opened;
  const char* closeButton;
};

const Handover kHandovers[] = {
    {"the word list", "Command2", frmLangEdit::kName, "cmdExcute(2)"},
    {"the titles", "fldRoyaltitle", frmRoyalTitle::kName, "Command1"},
    {"the hall of fame", "deadpetBtn", frmDendou::kName, "exitBtn"},
    {"the friends window", "select1btn", frmFriend::kName, "Command1"},
};

}  // namespace

class WindowHandoverTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    rig_ = std::make_unique<test::UiGame>();
    rig_->preparePetWindow();
    game_ = &rig_->game();
    host_ = &rig_->host();
    GameState& s = game_->st;
    s.userName = "たろう";
    s.petModel = "モフリーノ";
    s.startTime = "2026/01/01 09:00:00";
    s.maxHp = 100, s.hp = 80, s.maxMp = 50, s.mp = 20, s.happy = 50, s.manpuku = 50;
    // A word learnt and a pet that died before, so that the word list and the hall of fame
    // can be opened.
    std::ofstream(rig_->path(QStringLiteral("ぴよ.dat")).toStdString(), std::ios::binary)
        << std::string("meaning1            word1                                   ");
    QVERIFY(WriteDeadPet(*game_));
    pet_ = &game_->form<frmKivoMain>();
    game_->show(*pet_);
    pet_->startLiving();
    host_->quitWhenClosed(*pet_);
  }

  void cleanup() { rig_.reset(); }

  void closingWhatTheStatusWindowOpenedBringsItBack_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < static_cast<int>(std::size(kHandovers)); ++i)
      QTest::newRow(kHandovers[i].what) << i;
  }
  void closingWhatTheStatusWindowOpenedBringsItBack() {
    QFETCH(int, row);
    const Handover& h = kHandovers[row];
    userClick(*pet_, "Command8");
    Form* status = game_->findForm(frmStatus::kName);
    QVERIFY(status != nullptr && status->shown);
    QVERIFY(!pet_->shown);

    // The owner closes the window once it is up; a modal one (the word list) from inside its
    // own loop.
    bool closedIt = false;
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, [&] {
      Form* opened = game_->findForm(h.opened);
      if (opened == nullptr || !opened->shown) return;
      poll.stop();
      userClick(*opened, h.closeButton);
      closedIt = true;
    });
    poll.start();
    userClick(*status, h.statusButton);
    QTRY_VERIFY(closedIt);
    QApplication::processEvents();

    QVERIFY(game_->findForm(h.opened) == nullptr);
    status = game_->findForm(frmStatus::kName);
    QVERIFY2(status != nullptr && status->shown, "the status window is back");
    QVERIFY(!pet_->closed);
    QVERIFY2(!host_->quitAsked(), "the program goes on");

    // Closing the status window brings the pet back; closing the pet window ends the program.
    userClose(*status);
    QVERIFY(pet_->shown);
    QVERIFY(!host_->quitAsked());
    rig_->scripted.dialogs.answers.push_back(mb::kOk);
    userClose(*pet_);
    QVERIFY(host_->quitAsked());
  }

 private:
  std::unique_ptr<test::UiGame> rig_;
  Game* game_ = nullptr;
  ui::QtWindowHost* host_ = nullptr;
  frmKivoMain* pet_ = nullptr;
};

QTEST_MAIN(WindowHandoverTest)
#include "tst_windowhandover.moc"
