// The quiz that answers a save edited by hand: six questions, each wrong answer wrecks part
// of the pet's status.
#include "events/mdlEvent.h"
#include "kernel/GameHelpers.h"
#include "kernel/mdlMain.h"
#include "platform/Checked.h"

namespace myu {

void Event_BatuGAME(Game& g) {
  guarded(g, "mdlEvent/Event_BatuGAME ", [&] {
    GameState& s = g.st;
    auto say = [&](const std::string& text) { g.MsgBox(text); };
    auto ask = [&](const std::string& text) {
      return g.MsgBox(text, mb::kQuestion + mb::kYesNo) == mb::kYes;
    };
    chk::addTo(titleFlag(s, "IKASAMA"), 1);
    say("おぉ、なんてことだ。あんたファイルを直接弄ったなぁ。");
    s.userType = "やらせ芸人";
    s.deadType = "改造手術失敗";
    say("さぁ、罰ゲームの時間だ…。");

    // Einstein was born in March 1879; the first powered flight was in December 1903.
    if (g.InputBox("さぁて、第一問。歴史問題。\r\n"
                   "ライト兄弟が世界で初めて動力飛行に成功したとき、"
                   "かの物理学者アインシュタインは何歳だった？\r\n"
                   "半角数字で答えなさい！") == "24") {
      say("むぅ、なかなかやるな。");
    } else {
      say("はい、ぶーーー。鳥ちゃんに不幸の雨あられ！！");
      say("体調がものすごく悪化した、幸せが逃げていった！！");
      s.condition = -RandomBetween(g, 1, 8);
      s.happy = 0;
      s.utaguria = 100;
      s.otaku = 100;
      s.sukebe = 100;
      s.namakemono = 100;
    }

    if (g.InputBox("さぁて、第二問。さてことわざ問題 \r\n"
                   "「水は方円の器にしたがう」と言いますが･･･\r\n"
                   "「人は善悪の…による。」さて、漢字一文字で！") == "友") {
      say("むぅ、おまえ何者だ？");
    } else {
      say("はい、ぶーーー。鳥ちゃんのHP,MPを10にしまぁす。");
      s.hp = 10;
      s.mp = 10;
      s.maxHp = 20;
      s.maxMp = 20;
    }
    say("まぁ、いままでのはほんのジョークさ。ホントの罰ゲームはこ・れ・か・らｖｖ");

    if (g.InputBox(
            "さぁて、第三問。CH3COOH、一般的な調味料ですが、これをカタカナ一文字で答えなさい！") ==
        "ス") {
      say("まぁ、中学生レベルのもんだいだからな…。ご褒美はなし！");
    } else {
      say("はい、ぶーーー。鳥ちゃんのスピードを3にしまぁす。");
      s.speed = 3;
    }

    // The Man'yoshu was compiled long before Ki no Tsurayuki, who edited the Kokinshu.
    if (ask("さぁて、第四問。古典問題。\r\n万葉集を編纂したのは紀貫之である？")) {
      say("はい、ぶーーー。鳥ちゃんの頭脳を1にしまぁす。");
      s.brain = 1;
    } else {
      say("おとーさんは長生きしてます。");
    }

    if (ask("さぁて、第五問。地理問題。フランスはパリと北海道の最北端 "
            "稚内より北にあるのはパリである？")) {
      say("地図見たでしょ・・・？");
    } else {
      say("うん？ そんな問題だれにも分からないって？？ ちょっと勘違いしてない？ これ罰ゲームよ。"
          "ウフフ。");
      say("さぁ、鳥ちゃんの攻撃力、防御力を1に！");
      s.power = 1;
      s.defense = 1;
    }

    if (!ask("さぁて、第六問。最後は運駄目死。もとい運試し。チャンスは3回失敗すればパソコンが大爆発"
             "するかもしれません。挑戦しますか？")) {
      say("そぉたまには逃げることも必要だよ君の運は『９０』だ！");
      s.luck = 90;
      return;
    }
    if (!ask("おぉ、勇気があるね。でも、ほんとにパソコンぶっ壊れるかもよ？ それでもやるの？")) {
      say("やっぱ辞めるか。でも、勇気があったのでペット運は４０だ！");
      s.luck = 40;
      return;
    }
    if (!ask("ほぉ。勇気があるね。でも、ほんとに挑戦するの？ パソコンどころか地球環境に影響があるか"
             "もよ。？")) {
      say("やっぱ辞めるか。でも、勇気があったのでペット運は20だ！");
      s.luck = 20;
      return;
    }
    // Nobody can win this one: no time is measured.
    say("じゃぁ、やるぞ。。。。\r\nルール：0.05以内にOKボタンを押せ！");
    say("押せ！");
    say("失敗しました。チャンスはあと二回です。");
    say("失敗しました。チャンスはあと一回です。");
    g.MsgBox("パソコンが壊れました！", mb::kCritical, "システムメッセージ");
    say("・・・。なんてね。うそぴょん。");
    say("真剣にボタン押した人手をあげてっ。\r\nくす。無駄な努力だったね。\r\n"
        "でも、というか君の無謀さは不幸を招くこともあるんだぜ、覚えておきな。運は１だっ！");
    s.luck = 1;
  });
}

}  // namespace myu
