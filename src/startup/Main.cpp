#include <filesystem>
#include <system_error>

#include "events/mdlEvent.h"
#include "kernel/mdlMain.h"
#include "persistence/mdliniFile.h"
#include "petwindow/frmKivoMain.h"
#include "platform/FileNames.h"
#include "startup/frmFirstProfile.h"

namespace myu {

namespace {

// A save file that holds something (an empty one holds no pet).
bool saveIsThere(Game& g) {
  std::error_code ec;
  return std::filesystem::is_regular_file(g.userIni(), ec) &&
         std::filesystem::file_size(g.userIni(), ec) > 0 && !ec;
}

// The pet's name as the save holds it must come back byte for byte, or its words are cut
// off from it: a name that is not code page 932 stops the start, once, with the reason. A
// name that cannot name a file is told once; the pet then goes on without words.
bool petNameKeepsItsWords(Game& g) {
  GameState& s = g.st;
  if (s.petNameUnreadable) {
    g.MsgBox(
        "セーブファイルにあるペットの名前（PetName）に、読めない文字が入っています。\r\n"
        "このまま続けると、覚えた言葉とはぐれてしまうので、ここで止めておきます。\r\n"
        "名前を直してから、また起こしてね。",
        mb::kExclamation, "ミュルカ");
    return false;
  }
  if (!isUsableDataName(s.petName)) {
    g.MsgBox("ペットの名前『" + s.petName +
                 "』は、ファイルの名前に使えない字が入っているか、"
                 "長すぎるので、言葉のファイルを作れません。\r\n"
                 "言葉を覚えたりしゃべったりはできないけど、ほかはいつもどおり遊べるよ。",
             mb::kInformation, "ミュルカ");
  }
  return true;
}

}  // namespace

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
      // A save that is there but cannot be read whole stays as it is: no first profile (nor
      // anything else) may write over the pet.
      if (saveIsThere(g)) {
        g.MsgBox("セーブファイル「" + pathToUtf8(g.userIni()) +
                     "」が壊れているみたいで、読み込めません"
                     "でした。\r\nファイルはそのままにしてあるので、直してからまた起こしてね。",
                 mb::kExclamation, "ミュルカ");
        return false;
      }
      s.answer2 = static_cast<std::int16_t>(
          g.MsgBox("まだ、あなたの名前もしらんとですよ…。", mb::kOkOnly, "君はだれ？"));
      g.show(g.form<frmFirstProfile>(), true);
      if (s.userName == "Error") return false;
      s.petMessage = "はじめまして。" + s.petName + "です、よろしくね。";
      g.form<frmKivoMain>().setWindowMode(2);
    }

    if (!petNameKeepsItsWords(g)) return false;

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
    // Values of an edited file (or left by the quiz) come into their ranges before any rule
    // works on them.
    ClampStatus(s);
    OPENDAT1(g);
    if (!Event_TimeSepareat(g, menuType)) return false;

    main.showFirstPicture();
    g.show(main, false);
    main.startLiving();
    return true;
  });
  if (!started) {
    // A start that stopped part-way leaves no pet window behind, and saves nothing.
    if (Form* f = g.findForm(frmKivoMain::kName); f != nullptr && !f->shown)
      static_cast<frmKivoMain*>(f)->discardWithoutSaving();
  }
}

}  // namespace myu
