// The reckless pet's pranks: a flight, a fight with a stranger, the computer mischief, a
// fake system error that asks for a loved one's name, a treasure hunt on the desktop.
#include "events/mdlEvent.h"
#include "events/mdlEventrakuda.h"
#include "events/mdlMischief.h"
#include "friends/frmBattle.h"
#include "kernel/GameHelpers.h"
#include "kernel/mdlMain.h"
#include "persistence/mdliniFile.h"
#include "platform/Checked.h"
#include "platform/Sjis.h"
#include "words/WordRecord.h"

namespace myu {
namespace {

constexpr const char* kSystemTitle = "システムメッセージ";

// The stranger of the prank fight.
BattleFoe stranger(const GameState& s) {
  BattleFoe foe;
  foe.maxHp = foe.hp = 350;
  foe.maxMp = foe.mp = 160;
  foe.name = "右筌蔵";
  foe.defense = 19;
  foe.power = 21;
  foe.wordCount = 0;
  foe.relation = 4;
  foe.model = s.petModel;
  return foe;
}

void fakeSystemError(Game& g) {
  GameState& s = g.st;
  g.MsgBox("コンピュータの4丁目3番地でエラーが発生しました。", mb::kCritical, kSystemTitle);
  std::string answer;
  for (;;) {
    answer = g.InputBox("特別チェックを行います。\r\nあなたの好きな人の名前を入力してください。",
                        kSystemTitle);
    if (answer.empty() || fitsCp932(answer)) break;
    // A name the language file cannot hold is asked again rather than stored altered.
    g.MsgBox("入力された名前には、使えない文字が含まれています。", mb::kExclamation, kSystemTitle);
  }
  if (answer.empty()) {
    g.MsgBox("ちっ…。");
    s.userType = "冗談のわからない奴";
    return;
  }
  std::int32_t n = OPENDAT1(g);
  if (g.lang1.isOpen()) {
    WordRecord rec{s.userName + "の好きな人", answer, "", ""};
    g.lang1.write(chk::add<std::int32_t>(n, 1), rec.pack());
    g.lang1.close();
  }
  g.MsgBox("ご協力ありがとうございます。エラーは気のせいでした。", mb::kInformation, kSystemTitle);
}

}  // namespace

void Event_ItaZura(Game& g) {
  guarded(g, "mdlEvent/Event_ItaZura ", [&] {
    GameState& s = g.st;
    const std::int32_t a = RandomBetween(g, 0, 50);
    if (a > 10) return;
    chk::addTo(titleFlag(s, "MUTYA"), 1);
    if (!fSave_UserData(g, g.petWindow().menuTypeCode())) return;
    s.eventBusy = -1;
    switch (a) {
      case 0:
        g.MsgBox("ほっておいたら、楽しそうに動き回っている。");
        Event_WindowMoveStart(g);
        break;
      case 1: {
        g.MsgBox("ヤンチャ盛りなので喧嘩をはじめた！");
        // The pet window's clocks rest during the fight, so that its death check waits for
        // the fight's end.
        ActiveKivoMain(g, false);
        g.form<frmBattle>().Battle_INI(stranger(s));
        ActiveKivoMain(g, true);
        break;
      }
      case 2:
        g.MsgBox("このドアを開ければパソコンから出れるかな？");
        WinLOGOFF(g);
        break;
      case 3:
        g.MsgBox("このボタンはなにかな？");
        WinREBOOT(g);
        break;
      case 4:
        g.MsgBox("この上から垂れ下がるヒモはなんだろう？？");
        WinSHUTDOWN(g);
        break;
      case 5:
        g.MsgBox("なんのコンセントだろう・・・。");
        WinFORCE(g);
        break;
      case 6:
      case 7:
      case 8:
        fakeSystemError(g);
        break;
      default:
        if (g.MsgBox("旅に出よう！ そこに宝物があるはずだ！", mb::kQuestion + mb::kYesNo) ==
            mb::kYes) {
          if (!RakudaProject(g)) g.MsgBox("旅立ち失敗！", mb::kExclamation);
        }
        break;
    }
  });
}

}  // namespace myu
