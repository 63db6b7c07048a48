// The pet's small dramas: accidents, starvation, a laughing fit, drink, drugs, muscles and
// the indecent scene.
#include <algorithm>

#include "events/mdlEvent.h"
#include "kernel/GameHelpers.h"
#include "kernel/mdlMain.h"
#include "platform/Checked.h"
#include "platform/Sjis.h"
#include "status/mdlChange.h"
#include "words/WordRecord.h"

namespace myu {
namespace {

void say(Game& g, const std::string& text, int style = mb::kOkOnly, const std::string& title = "") {
  g.MsgBox(text, style, title);
}

std::int64_t daysSinceBirth(Game& g) {
  auto born = DateTime::parse(g.st.startTime);
  return born ? daysBetween(*born, g.now()) : 0;
}

// A delay in seconds as a decimal number: "4", "4.2", "3.421".
std::string secondsText(std::int64_t ms) {
  std::string text = std::to_string(ms / 1000);
  std::string fraction = std::to_string(1000 + ms % 1000).substr(1);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  return fraction.empty() ? text : text + "." + fraction;
}

constexpr const char* kSexHaraTitle = "セクハラ鳥メッセージ";

}  // namespace

bool Event_JikoShi(Game& g) {
  return guarded(g, "mdlEvent/Event_JikoShi ", false, [&] {
    GameState& s = g.st;
    ActiveKivoMain(g, false);
    // A birth date in the future counts as today; a very old pet keeps a draw of 1..3.
    std::int64_t days = std::max<std::int64_t>(daysSinceBirth(g), 0);
    std::int64_t n = std::max<std::int64_t>(3000000 / (days + 1), 3);
    std::int32_t mode = RandomBetween(g, 1, static_cast<std::int32_t>(n));
    bool died = false;
    if (mode >= 1 && mode <= 3) {
      chk::addTo(titleFlag(s, "KANASIMI"), 1);
      died = true;
      s.petImage = 8;
      s.hp = 0;
    }
    if (mode == 1) {
      s.deadType = "飛行機事故死";
      say(g, "それは突然の事故だった。");
      say(g, "しかも飛行機事故。");
      say(g, "鳥だけに空を飛んでいる最中に飛行機と接触したのだった。");
      say(g, "さらばモフリーノっ！", mb::kExclamation);
    } else if (mode == 2) {
      s.deadType = "飼い主ふんずけ死";
      say(g, "それは突然の事故だった。");
      say(g, s.userName + "は歩いていただけだ。");
      say(g, "『ぐにゃ。』");
      say(g, "『ぐちゃ。』");
      say(g, "一瞬の出来事だった…。");
      say(g, "さらばモフリーノっ！", mb::kExclamation);
    } else if (mode == 3) {
      s.deadType = "食われた";
      say(g, "それは突然の事故だった。");
      say(g, "その人は焼き鳥が好きだっただけだった。");
      say(g, "そしてそのそばに鳥ちゃんがいただけだった。");
      say(g, "ちなみにその人は塩とタレなら塩だった。");
      say(g, "軟骨とか、鳥皮も好きだった。");
      say(g, "…だから、食べられた。");
      say(g, "えっ？ 食べられた！？？？");
      say(g, s.petName + "は食べられてしまった！", mb::kExclamation);
    }
    ActiveKivoMain(g, true);
    return died;
  });
}

bool Event_GASHI(Game& g) {
  return guarded(g, "mdlEvent/Event_GASHI ", false, [&] {
    GameState& s = g.st;
    // A pet without any HP capacity counts as one at the end of its strength, instead of
    // failing with a division by zero on every tick.
    double p = s.maxHp > 0 ? 100.0 * s.hp / s.maxHp : 0.0;
    if (s.manpuku <= 30 && p >= 70) {
      s.petImage = 10;
      s.manpuku = 0;
      chk::subFrom(s.hp, 1);
      s.petMessage = "お腹と背中がくっつきそうです。";
    } else if (s.manpuku <= 0 && p >= 40) {
      s.petImage = 2;
      s.manpuku = 0;
      chk::subFrom(s.hp, RandomBetween(g, 0, 1));
      s.petMessage = "いまなら焼き鳥も美味しくたべれます。";
    } else if (s.manpuku <= 0) {
      s.petImage = 18;
      s.manpuku = 0;
      chk::subFrom(s.hp, RandomBetween(g, 1, 5) / 5);
      s.deadType = "餓死";
      s.userType = "飽食時代の日本人";
      s.petMessage = "お腹がすきすぎて死にそうです。";
    }
    return true;
  });
}

bool Event_WaraiDake(Game& g) {
  return guarded(g, "mdlEvent/Event_WaraiDake ", false, [&] {
    GameState& s = g.st;
    if (s.waraiDake == 0) return true;
    s.petImage = 7;
    chk::subFrom(s.hp, 1);
    chk::addTo(s.happy, 1);
    s.petMessage = "腹がよじれる程笑いつづけています。";
    if (s.hp < s.maxHp / 10) {
      s.petImage = 4;
      s.petMessage =
          "笑っていますが、目は泣いています。\r\n同情するなら解毒剤を使ってあげましょう。";
      chk::subFrom(s.happy, 4);
      s.deadType = "笑い死に";
      s.userType = "冷血人間";
    }
    return true;
  });
}

bool Event_ALCOHOL(Game& g) {
  return guarded(g, "mdlEvent/Event_ALCOHOL ", false, [&] {
    GameState& s = g.st;
    if (s.alcohol > 2) {
      s.deadType = "急逝中毒死";
      std::int32_t loss = s.alcohol > 10 ? 90 : s.alcohol > 5 ? 10 : s.alcohol > 3 ? 3 : 0;
      if (loss > 0) {
        chk::subFrom(s.hp, loss);
        chk::subFrom(s.condition, 1);
      }
    }
    return true;
  });
}

bool Event_Junk(Game& g) {
  return guarded(g, "mdlEvent/Event_Junk ", false, [&] {
    GameState& s = g.st;
    if (s.junk >= 1) {
      s.userType = "薬の売人";
      s.petImage = 6;
      s.happy = 100;
      chk::addTo(s.junkCount, 1);
      if (s.junkCount > 15) {
        s.junkCount = 0;
        s.kindanState = -1;
      }
    }
    if (s.kindanState != 0) {
      s.petImage = 2;
      s.petMessage = s.petName + "は麻薬の禁断症状に陥っています！";
      chk::subFrom(s.happy, 15);
      chk::subFrom(s.hp, s.maxHp / 80);
      chk::subFrom(s.mp, s.maxMp / 90);
      s.deadType = "禁断症状";
      chk::addTo(s.kindanCount, 1);
    }
    if (s.kindanCount > 80) {
      s.userType = "見守った人";
      s.petImage = 4;
      say(g, s.petName + "は長い長い禁断症状を抜け中毒患者から立ち直った！");
      s.kindanCount = 0;
      s.junk = 0;
      s.kindanState = 0;
      chk::addTo(titleFlag(s, "noJUNKY"), 1);
    }
    return true;
  });
}

void Event_KinNiku(Game& g) {
  guarded(g, "mdlEvent/Event_KinNiku ", [&] {
    GameState& s = g.st;
    s.eventBusy = -1;
    std::int64_t asked = g.services().clock->nowMs();
    showPoseNow(g, 15);
    s.answer1 = static_cast<std::int16_t>(g.MsgBox("なぁ、オレの筋肉たくましいだろ？", mb::kYesNo));
    if (s.answer1 != mb::kYes) return;
    std::int64_t elapsedMs = g.services().clock->nowMs() - asked;
    if (elapsedMs < 0) elapsedMs = -elapsedMs;
    if (elapsedMs >= 3000) {
      showPoseNow(g, 17);
      say(g, "なぬ？ 返事に" + secondsText(elapsedMs).substr(0, 5) + "秒もかかるって事は…。");
      say(g, "そっか……ぁ。おれもまだまだだな…。");
    } else {
      showPoseNow(g, 3);
      say(g, "おぉ、だろ！");
      say(g, "じゃぁ、サービスして、もぉいっちょおまけにムキッ！！");
      plusTYPEw(g);
    }
  });
}

bool Event_SexHara(Game& g) {
  return guarded(g, "mdlEvent/Event_SexHara ", false, [&] {
    GameState& s = g.st;
    std::int32_t d = RandomBetween(g, 1, 60);
    if (d > 4) return true;
    s.eventBusy = -1;
    // Scenes 1 to 3 are played to a female owner, scene 4 to a male one; an owner who gave
    // no sex is spared them all.
    bool female = s.userSex == "♀", male = s.userSex == "♂";
    if ((d <= 3 && !female) || (d == 4 && !male)) return true;
    if (d <= 2) {
      showPoseNow(g, 9);
      say(g, "うえっへっへっへ");
      std::string answer = g.InputBox(d == 1 ? "なぁ、今日のパンツの色をおしえてくれよぉ。"
                                             : "なぁ、いまどんな下着つけてるのぉ。",
                                      kSexHaraTitle);
      say(g, "なるほどねぇ。イロッペェ～。", mb::kInformation, kSexHaraTitle);
      // A text the language file cannot hold is not stored altered.
      if (!answer.empty() && fitsCp932(answer) && fitsCp932(s.userName)) {
        std::int32_t n = OPENDAT1(g);
        if (g.lang1.isOpen()) {
          WordRecord rec{s.userName + "のパンツの色", answer, "", ""};
          g.lang1.write(chk::add<std::int32_t>(n, 1), rec.pack());
          g.lang1.close();
        }
      }
      return true;
    }
    showPoseNow(g, 16);
    say(g, "ちょっと、" + s.userName + "こっちに来なさい。");
    if (d == 3) {
      int a = g.MsgBox("で、いま彼氏とはどこまでいったんだ、へんな事とかしてないだろうな！？",
                       mb::kYesNo, kSexHaraTitle);
      if (a == mb::kYes) {
        say(g, "うむ…、ならいいのだが。");
      } else {
        say(g, "まさか、父さんに言えないような事まで！");
        say(g, "父さんぐれてやる！");
        s.userType = "ハレンチ娘";
        s.happy = 7;
      }
    } else {
      int a = g.MsgBox("おまえ、いま彼女とかいるのか？", mb::kYesNo, kSexHaraTitle);
      if (a == mb::kYes) {
        say(g, "うむ…、ならいいのだが、で、いつ私たちに紹介してくれるんだ？");
      } else {
        say(g,
            "まさか…、私というものがありながら、美少女育成ゲームなんかに手をだしたりしてないでしょ"
            "うねっ！");
        say(g, "ぐれてやるわっ！");
        s.userType = "彼女居ない";
        s.happy = 5;
      }
    }
    return true;
  });
}

}  // namespace myu
