// The computer mischief: a short comedy of message boxes, and only after three agreements a
// request to the system to log off, restart or shut down; the pet window then closes (and
// saves) whatever the system answered.
#include <array>

#include "events/mdlMischief.h"
#include "kernel/mdlMain.h"

namespace myu {
namespace {

constexpr const char* kWarning = "警告ウインドウ";
// Information icon with Cancel, Try Again and Continue.
constexpr int kAlarmStyle = mb::kInformation + mb::kCancelTryContinue;
// Critical icon, Yes and No, No the default.
constexpr int kLastQuestionStyle = mb::kDefaultButton2 + mb::kCritical + mb::kYesNo;

struct Mischief {
  const char* label;
  Session::Request request;
  const char* scene;
  const char* alarm;  // follows the pet's name
  const char* first;
  int firstStyle;
  const char* second;
  const char* third;
};

const Mischief kLogOff{"mdlMain/WinLOGOFF ",
                       Session::Request::LogOff,
                       "ここにドアがある･･･。",
                       "がパソコンを出ようとしています！ それはつまりログオフ！",
                       "パソコンをログオフしますか？",
                       mb::kCritical + mb::kYesNo,
                       "ってほんとにログオフしますか？",
                       "いいんですね・・・。"};
const Mischief kReboot{"mdlMain/WinREBOOT ",
                       Session::Request::Reboot,
                       "ここにボタンがある･･･。",
                       "がボタンを押そうとしています！ それはずばりリセットボタン！",
                       "パソコンを再起動しますか？",
                       mb::kExclamation + mb::kYesNo,
                       "ってほんとに再起動しても大丈夫？",
                       "再起動するよ・・・？"};
const Mischief kShutdown{"mdlMain/WinSHUTDOWN ",
                         Session::Request::Shutdown,
                         "上からヒモが垂れ下がっている…。",
                         "がヒモを引こうとしています！\r\nそれはつまり、シャットダウンのヒモ！！",
                         "パソコンをシャットダウンしますか？",
                         mb::kCritical + mb::kYesNo,
                         "ってほんとにシャットダウンしますか？",
                         "おらぁ知らないよ・・・。"};
const Mischief kForce{"mdlMain/WinFORCE ",
                      Session::Request::ForceLogOff,
                      "コンセントがある･･･",
                      "がパソコンのコンセントを抜こうとしています！ つまり強制終了！",
                      "パソコンを強制終了してもＯＫ？",
                      mb::kCritical + mb::kYesNo,
                      "ってほんとに終了しますか？",
                      "後悔しない・・・？"};

void play(Game& g, const Mischief& m) {
  guarded(g, m.label, [&] {
    GameState& s = g.st;
    auto box = [&](const std::string& text, int style, const std::string& title) {
      s.answer2 = static_cast<std::int16_t>(g.MsgBox(text, style, title));
      return s.answer2;
    };
    box(s.petName + "は、パソコンの最深部にたどり着いた。", mb::kOkOnly, "");
    box(m.scene, mb::kOkOnly, "");
    // Whatever button the owner presses here, the scene goes on.
    box(s.petName + m.alarm, kAlarmStyle, kWarning);
    if (box(m.first, m.firstStyle, kWarning) == mb::kNo) return;
    if (box(m.second, kLastQuestionStyle, kWarning) == mb::kNo) return;
    if (box(m.third, kLastQuestionStyle, kWarning) == mb::kNo) return;
    const int result =
        g.services().session != nullptr ? g.services().session->request(m.request) : 0;
    s.mischiefResult = static_cast<std::int16_t>(result < -32768  ? -32768
                                                 : result > 32767 ? 32767
                                                                  : result);
    if (s.mischiefResult == 0) box("apiの実行に失敗しました", mb::kOkOnly, "");
    // The pet window closes either way; its close saves the game.
    g.petWindow().close();
  });
}

}  // namespace

void WinLOGOFF(Game& g) {
  play(g, kLogOff);
}
void WinREBOOT(Game& g) {
  play(g, kReboot);
}
void WinSHUTDOWN(Game& g) {
  play(g, kShutdown);
}
void WinFORCE(Game& g) {
  play(g, kForce);
}

}  // namespace myu
