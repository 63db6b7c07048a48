#include "events/mdlEvent.h"
#include "persistence/mdliniFile.h"
#include "petwindow/frmKivoMain.h"
#include "startup/frmFirstProfile.h"
#include "startup/mdlMain.h"

namespace myu {

void Main(Game& g) {
  bool started = guarded(g, "mdlMain/Main ", false, [&] {
    GameState& s = g.st;
    if (g.services().instance != nullptr && g.services().instance->alreadyRunning()) {
      s.answer2 =
          static_cast<std::int16_t>(g.MsgBox("あれ？ ミュルカ もぅ他のところで動いてない？\r\n"
                                             "既にひらいてる奴を閉じてネ。じゃ、また。",
                                             mb::kExclamation + mb::kOkOnly, ""));
      return false;
    }
    // What an interrupted save left behind is of no use: the old files are whole.
    removeStaleTemporaryFiles({g.userIni(), g.titleIni(), g.deadIni()});
    s.petModel = "モフリーノ";
    s.petVer = versionNumber(Game::kVersionMajor, Game::kVersionMinor, Game::kVersionRevision);

    if (!GetUserProfile(g)) {
      s.answer2 = static_cast<std::int16_t>(
          g.MsgBox("まだ、あなたの名前もしらんとですよ…。", mb::kOkOnly, "君はだれ？"));
      g.show(g.form<frmFirstProfile>(), true);
      if (s.userName == "Error") return false;
      s.petMessage = "はじめまして。" + s.petName + "です、よろしくね。";
      g.form<frmKivoMain>().setWindowMode(2);
    }

    // The pet window object exists from here on, so that the loaders restore into it.
    auto& main = g.form<frmKivoMain>();
    if (!GetState(g)) return false;
    // The saved option reaches the window through its option click; this copy serves the
    // absence check.
    std::int16_t menuType = 0;
    if (!GetCount(g, menuType)) return false;
    if (!GetRoyalTitle(g)) return false;
    main.applyTitleButtons();
    if (!ChackProfile(g)) Event_BatuGAME(g);
    OPENDAT1(g);
    if (!Event_TimeSepareat(g, menuType)) return false;

    main.ctl("Picture1").picture = main.ctl("Image1").picture;
    g.show(main, false);
    return true;
  });
  if (!started) {
    // A start that stopped part-way leaves no pet window behind, and saves nothing.
    if (Form* f = g.findForm(frmKivoMain::kName); f != nullptr && !f->shown)
      static_cast<frmKivoMain*>(f)->discardWithoutSaving();
  }
}

}  // namespace myu
