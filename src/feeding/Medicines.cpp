// The potion and poison buttons of the feeding window.
#include <cstdint>
#include <string>

#include "events/mdlEvent.h"
#include "feeding/frmServe.h"
#include "kernel/mdlMain.h"
#include "platform/Checked.h"
#include "status/mdlChange.h"

namespace myu {

namespace {
// Entries of titleFlags the medicines count. Their numbers are the title file's.
constexpr size_t kTobukusuri = 9, kLuckyBeens = 10, kAlcohol = 11, kJunky = 12, kSoup = 13,
                 kAoKinoko = 14;
constexpr std::int16_t kTrue = -1, kFalse = 0;

void times(int n, void (*proc)(Game&), Game& g) {
  for (int i = 0; i < n; ++i) proc(g);
}
}  // namespace

void frmServe::setUpMedicines() {
  const GameState& s = game_.st;
  auto enable = [this](Control& c, bool on, bool hidden) {
    c.enabled = on;
    if (hidden) c.caption = on ? hiddenCaptions_.at(c.name) : "???";
  };
  // Fractions of maxHp: a pet without maxHp has no such fraction and gets neither medicine.
  auto hpFractionBelow = [&](double limit) {
    return s.maxHp > 0 && (static_cast<double>(s.hp) + 1.0) / static_cast<double>(s.maxHp) < limit;
  };
  std::int64_t personalities = 0;
  for (int i = 0; i < kPersonalityCount; ++i) personalities += s.personality(i);

  enable(potion[1], s.hp < s.maxHp || s.sukebe > 70, false);
  enable(potion[2], s.hp < s.maxHp && s.maxHp > 200, false);
  enable(potion[3], hpFractionBelow(0.8) && s.condition < -2, false);
  enable(potion[4], hpFractionBelow(0.7) && s.condition < -3, false);
  enable(potion[5], s.waraiDake != 0, false);
  enable(potion[6], s.power > 50 && s.brain > 10 && s.wild > 70, false);
  enable(potion[7], s.brain > 250 && s.happy > 75 && s.majime > 70, false);
  enable(potion[8], s.hp > 450 && s.mp > 450 && s.condition > 2 && s.otaku > 80, true);
  enable(potion[9],
         static_cast<std::int64_t>(s.mp) * 10 == s.maxMp &&
             static_cast<std::int64_t>(s.hp) * 10 < s.maxHp && s.happy < 60 && s.manpuku < 30 &&
             s.condition < 0,
         true);
  enable(potion[10], RandomBetween(game_, 1, 80) == 1, true);
  enable(poison[1], (s.hp == s.maxHp && s.condition > -2) || s.sukebe > 70, false);
  enable(poison[2], s.happy <= 60 && s.maxHp >= 130 && s.sukebe < 30, false);
  enable(poison[3], (s.happy <= 30 && s.hp >= 200) || s.sukebe > 90, false);
  enable(poison[4], (s.happy <= 50 && s.brain > 80) || s.majime > 80, false);
  enable(poison[5], s.happy <= 80 && s.defense > 70 && s.manpuku < 50, false);
  enable(poison[6], s.majime == 100 && s.maxHp >= 500, false);
  enable(poison[7],
         (s.majime + s.wild + s.namakemono > 210 && s.majime > 90) || s.namakemono > 30 ||
             s.alcohol > 0,
         false);
  enable(poison[8], personalities > 430 || s.junk > 0, true);
  enable(poison[9], s.namakemono == 100 && s.maxHp > 350 && s.maxMp > 400, true);
  enable(poison[10], RandomBetween(game_, 1, 180) == 1, true);
}

void frmServe::potionClick(int n) {
  std::string label = "frmServe/potion" + std::to_string(n) + "_Click ";
  guarded(game_, label, [&] {
    switch (n) {
      case 1:
        potion1();
        break;
      case 2:
        potion2();
        break;
      case 3:
        potion3();
        break;
      case 4:
        potion4();
        break;
      case 5:
        potion5();
        break;
      case 6:
        potion6();
        break;
      case 7:
        potion7();
        break;
      case 8:
        potion8();
        break;
      case 9:
        potion9();
        break;
      case 10:
        potion10();
        break;
      default:
        return;
    }
    closeWindow();
  });
}

void frmServe::poisonClick(int n) {
  std::string label = n == 9 ? std::string("frmServe/Form_poison9_click ")
                             : "frmServe/poison" + std::to_string(n) + "_Click ";
  guarded(game_, label, [&] {
    switch (n) {
      case 1:
        poison1();
        break;
      case 2:
        // The laughing fit runs at once; the window stays open when it says so.
        poison2();
        if (!Event_WaraiDake(game_)) return;
        break;
      case 3:
        poison3();
        break;
      case 4:
        poison4();
        break;
      case 5:
        poison5();
        break;
      case 6:
        poison6();
        break;
      case 7:
        poison7();
        break;
      case 8:
        poison8();
        break;
      case 9:
        poison9();
        break;
      case 10:
        poison10();
        break;
      default:
        return;
    }
    closeWindow();
  });
}

// ---- medicines ----

void frmServe::potion1() {
  GameState& s = game_.st;
  game_.MsgBox(s.userName + "はユンヘルを飲ませた！");
  game_.MsgBox(s.petName + "のＨＰが30ポイント回復した！");
  chk::addTo(s.hp, 30);
  if (s.condition < 0) chk::addTo(s.condition, 1);
  plusTYPEs(game_);
}

void frmServe::potion2() {
  GameState& s = game_.st;
  chk::addTo(s.hp, 80);
  game_.MsgBox(s.userName + "は赤マムスを飲ませた！");
  game_.MsgBox(s.petName + "のＨＰが80ポイント回復した！");
  if (s.condition < 0) chk::addTo(s.condition, 2);
  plusTYPEs(game_);
}

void frmServe::potion3() {
  GameState& s = game_.st;
  bool bad = s.condition < -2;
  game_.MsgBox(bad ? s.petName + "の体調が少しよくなった。" : "…あまり効果が無いようだ。");
  chk::addTo(s.condition, bad ? 2 : 1);
  plusTYPEs(game_);
}

void frmServe::potion4() {
  GameState& s = game_.st;
  bool fever = s.condition < -4;
  game_.MsgBox(fever ? s.petName + "の熱が下がってきた。" : "…あまり効果が無いようだ。");
  if (fever) {
    chk::addTo(s.condition, 5);
    s.petMessage = s.petName + "の調子が少しよくなった。";
  } else {
    chk::addTo(s.condition, 3);
  }
  times(2, plusTYPEs, game_);
}

void frmServe::potion5() {
  GameState& s = game_.st;
  std::string text = s.petName + "の体を蝕んでいた毒が消えた！";
  game_.MsgBox(text);
  s.petMessage = text;
  s.waraiDake = kFalse;
  times(2, plusTYPEs, game_);
}

void frmServe::potion6() {
  GameState& s = game_.st;
  game_.MsgBox(s.userName + "は筋肉増強剤を飲ませた！");
  game_.MsgBox(s.petName + "の脳みそまで筋肉と化した！");
  game_.MsgBox("頭脳が10ポイントも下がった。");
  chk::subFrom(s.brain, 10);
  plusTYPEw(game_);
  times(2, plusTYPEs, game_);
}

void frmServe::potion7() {
  GameState& s = game_.st;
  game_.MsgBox(s.userName + "はＤＨＡを摂取させた！");
  game_.MsgBox("ＤＨＡとはドコサヘキサエン酸で巷で頭をよくするとか噂されてるあれのことだ！");
  game_.MsgBox(s.userName + "はどちらかというと教育ママだっ！");
  game_.MsgBox(s.petName + "は人生について悩みだした！");
  game_.MsgBox("幸福度が35ポイント下がった。");
  chk::subFrom(s.happy, 35);
  plusTYPEm(game_);
  times(2, plusTYPEs, game_);
}

void frmServe::potion8() {
  GameState& s = game_.st;
  game_.MsgBox(s.petName + "は今にも飛びそうだ！");
  game_.MsgBox("……。");
  // The pet flies over the desktop while the feeding window is out of the way.
  game_.hide(*this);
  Event_WindowMoveStart(game_);
  game_.MsgBox(s.petName + "は疲れ果てたようだ。");
  s.hp = chk::idiv<std::int32_t>(chk::add<std::int32_t>(s.hp, 1), 10);
  s.mp = chk::idiv<std::int32_t>(chk::add<std::int32_t>(s.mp, 1), 10);
  chk::subFrom(s.condition, 5);
  chk::addTo(s.speed, 10);
  chk::addTo(s.titleFlags[kTobukusuri], 1);
  if (!closed) {
    shown = true;
    me().visible = true;
    game_.windows().formShown(*this, true);
  }
  game_.MsgBox(s.petName + "の素早さが10ポイント上昇した。");
  times(4, plusTYPEs, game_);
}

void frmServe::potion9() {
  GameState& s = game_.st;
  game_.MsgBox("あまりの瀕死っぷりに万能薬が登場した！");
  game_.MsgBox(s.petName + "の体を蝕む毒が消えた！");
  game_.MsgBox(s.petName + "のＨＰが全回復した！");
  game_.MsgBox(s.petName + "のＭＰが全回復した！");
  game_.MsgBox(s.petName + "の体調は絶好調だ！");
  game_.MsgBox(s.petName + "は幸せいっぱいだ！");
  game_.MsgBox(s.petName + "はついでにお腹までいっぱいだ！！");
  if (s.alcohol > 0) game_.MsgBox("血中のアルコールが浄化された！");
  if (s.junk > 0) {
    game_.MsgBox("万能薬でも麻薬までは直せない！！");
    game_.MsgBox("なによりも強い意志と我慢が大切だ！！");
  }
  s.petMessage = s.petName + "は万全の体調だっ！";
  s.waraiDake = kFalse;
  if (s.alcohol > 0) s.alcohol = 0;
  s.hp = s.maxHp;
  s.mp = s.maxMp;
  s.condition = 5;
  chk::addTo(s.manpuku, 35);
  times(2, plusTYPEs, game_);
}

void frmServe::potion10() {
  GameState& s = game_.st;
  game_.MsgBox(s.userName + "は幸運豆を" + s.petName + "に食べさせた。");
  game_.MsgBox(s.petName + "はものすごく健康になった！！");
  game_.MsgBox("すべてのステータスが正常に！！");
  game_.MsgBox("そしてちょっと運が向いてきた感じだ！！");
  s.hp = s.maxHp;
  s.mp = s.maxMp;
  chk::addTo(s.condition, 10);
  s.manpuku = 100;
  s.happy = 100;
  s.junk = 0;
  s.alcohol = 0;
  s.waraiDake = kFalse;
  chk::addTo(s.luck, 12);
  chk::addTo(s.titleFlags[kLuckyBeens], 1);
  times(6, plusTYPEs, game_);
}

// ---- poisons ----

void frmServe::poison1() {
  GameState& s = game_.st;
  game_.MsgBox(s.userName + "は" + s.petName + "に気づかれないように下剤を盛った…");
  game_.MsgBox(s.petName + "はお腹を壊した…");
  game_.MsgBox(s.petName + "は10ポイントのダメージを受けた…");
  chk::subFrom(s.condition, 1);
  chk::subFrom(s.hp, 10);
  s.deadType = "下痢による脱水症状";
  plusTYPEu(game_);
}

void frmServe::poison2() {
  GameState& s = game_.st;
  game_.MsgBox("おいしいキノコが手に入ったよ……ニヤリ。");
  game_.MsgBox(s.petName + "『モグモグモグ…。』");
  game_.MsgBox(s.petName + "はおいしそうに食べています。");
  game_.MsgBox(s.petName + "は、笑いが止まりません。");
  game_.MsgBox("体力と引き換えに幸福度がアップします。");
  s.waraiDake = kTrue;
  plusTYPEu(game_);
}

void frmServe::poison3() {
  GameState& s = game_.st;
  game_.MsgBox("この粉を…、あいつの餌にサラサラサラ…。毎日毎日少しづつ……っと。");
  game_.MsgBox("最近なんか体調がすぐれないんだよねぇ…。");
  game_.MsgBox(s.petName + "の体調が少し悪くなった。");
  chk::subFrom(s.condition, 3);
  plusTYPEu(game_);
}

void frmServe::poison4() {
  GameState& s = game_.st;
  game_.MsgBox("あふぅ……。なんか……。");
  game_.MsgBox(s.petName + "の体力が上がった！");
  game_.MsgBox(s.petName + "の攻撃力が上がった！");
  game_.MsgBox("副作用だ！", mb::kExclamation);
  game_.MsgBox(s.petName + "の賢さが下がった！", mb::kExclamation);
  game_.MsgBox(s.petName + "の防御力が下がった！", mb::kExclamation);
  s.happy = chk::add<std::int32_t>(s.maxHp, 30);
  chk::addTo(s.power, 2);
  chk::subFrom(s.brain, 5);
  chk::subFrom(s.defense, 5);
  s.userType = "絶倫";
  plusTYPEu(game_);
}

void frmServe::poison5() {
  GameState& s = game_.st;
  game_.MsgBox(s.petName + "さん、お茶どうぞ。");
  game_.MsgBox("あぁ、" + s.userName + "くん、ありがとう。");
  game_.MsgBox("うん。やっぱ" + s.userName + "君の入れてくれるお茶は美味しいね。ハッハッハ。");
  game_.MsgBox("幸せ度が上がった。満腹度が上がった。攻撃力がさがった。防御力があがった！");
  chk::addTo(s.happy, 40);
  s.manpuku = 100;
  chk::subFrom(s.power, 15);
  chk::addTo(s.defense, s.defense % 5);
  plusTYPEu(game_);
}

void frmServe::poison6() {
  GameState& s = game_.st;
  game_.MsgBox("モフノ兄さん、一粒どぉ。");
  game_.MsgBox("うえっへっへ。お前も悪い奴だな・・・。");
  game_.MsgBox("ペットのまじめ度が下がった。怠け者度が上がった。やんちゃ度があがった。");
  chk::subFrom(s.majime, 30);
  chk::addTo(s.namakemono, 50);
  chk::addTo(s.yantya, 40);
  plusTYPEu(game_);
}

void frmServe::poison7() {
  GameState& s = game_.st;
  game_.MsgBox("酒は百薬の長っていうしね。まぁ、一杯。");
  game_.MsgBox("ぐびぐび・・・・・・。");
  game_.MsgBox("ぷはぁ～～～～～～～～～。");
  game_.MsgBox("少し体調がよくなった。");
  chk::addTo(s.condition, 1);
  chk::addTo(s.alcohol, 1);
  if (s.titleFlags[kAlcohol] < 10 && s.alcohol > 15) chk::addTo(s.titleFlags[kAlcohol], 1);
  game_.MsgBox(s.alcohol > 2 ? s.petName + "は酒なしで生きていけなくなった！"
                             : s.petName + "は酒が好きになった。");
  plusTYPEu(game_);
}

void frmServe::poison8() {
  GameState& s = game_.st;
  if (s.junk != 0) {
    game_.MsgBox("薬だぁぁああああああああ！！！");
    s.kindanState = kFalse;
    s.kindanCount = 0;
    s.junkCount = 0;
    chk::addTo(s.titleFlags[kJunky], 1);
    chk::addTo(s.junk, 1);
    plusTYPEu(game_);
    return;
  }
  game_.MsgBox("ほんの・・・すこし・・・・・・。");
  game_.MsgBox("おぉうぅ♪", mb::kInformation);
  game_.MsgBox(s.petName + "は覚醒した！！", mb::kInformation);
  game_.MsgBox(s.petName + "の知能は倍になった！！");
  game_.MsgBox(s.petName + "の攻撃力は倍になった！！");
  game_.MsgBox(s.petName + "の防御力は倍になった！！");
  game_.MsgBox(s.petName + "のスピードは倍になった！！");
  s.brain = chk::mul<std::int32_t>(s.brain, 2);
  s.power = chk::mul<std::int32_t>(s.power, 2);
  s.defense = chk::mul<std::int32_t>(s.defense, 2);
  s.speed = chk::mul<std::int32_t>(s.speed, 2);
  chk::subFrom(s.condition, 2);
  s.junk = 1;
  game_.MsgBox(s.petName + "は中毒症状に陥った！！");
  plusTYPEu(game_);
}

void frmServe::poison9() {
  GameState& s = game_.st;
  game_.MsgBox("幻の美味・・・・・・。スペシャルスープ。");
  game_.MsgBox("このダシはズバリ" + s.petName + "から採られる");
  game_.MsgBox("怠けすぎでぶくぶく太った" + s.petName + "は濃厚なスープを提供してくれるだろう。");
  game_.MsgBox(s.petName + "のＭＡＸＨＰが半分スープに流れ出た！");
  game_.MsgBox(s.petName + "のＭＡＸＭＰが半分スープに流れ出た！");
  game_.MsgBox(s.petName + "の怠け者根性がスープに流れ出た！");
  game_.MsgBox(s.petName + "はスープを飲んだ！");
  game_.MsgBox("・・・・・・・");
  bool tasty = RandomBetween(game_, 1, 2) == 2;
  if (tasty) {
    game_.MsgBox("あれ？ うまい・・・ぞ！？");
    game_.MsgBox(s.petName + "の頭脳は冴え渡る！");
    game_.MsgBox(s.petName + "は健康になった！");
    game_.MsgBox(s.petName + "の免疫力（防御力）があがった！！");
  } else {
    game_.MsgBox("マズッ！");
    game_.MsgBox("あたりまえか・・・オレの風呂汁みたいなもんだもんな・・・");
    game_.MsgBox("何もおこらなかった。");
  }
  s.maxHp /= 2;
  s.maxMp /= 2;
  s.hp = s.maxHp;
  s.mp = s.maxMp;
  s.namakemono = 0;
  if (tasty) {
    chk::addTo(s.defense, 30);
    chk::addTo(s.brain, 150);
    s.condition = 10;
    s.majime = 100;
    s.wild = 100;
    chk::addTo(s.titleFlags[kSoup], 1);
  }
}

void frmServe::poison10() {
  GameState& s = game_.st;
  game_.MsgBox("幻の茸アオウミダケを見つけた！");
  game_.MsgBox("これは強烈な毒だだが、お前の潜在の能力を引き出してくれる。");
  game_.MsgBox("弱きものは直ぐに死ぬだろう……ニヤリ。");
  game_.MsgBox("また運無きものも同じ道を歩むことだろう……。");
  if (game_.MsgBox("挑戦するか…？", mb::kYesNo) != mb::kYes) {
    game_.MsgBox("賢明だね…");
    return;
  }
  chk::subFrom(s.hp, 350);
  chk::subFrom(s.mp, 400);
  std::int32_t draw = RandomBetween(game_, 1, 3);
  if (draw == 1 || s.hp < 0 || s.mp < 0 || s.brain < 200 || s.luck < 70) {
    game_.MsgBox("やはり挑戦するには百万年…早かったようだな。");
    s.hp = 0;
    s.deadType = "アオウミダケ死";
    return;
  }
  game_.MsgBox("あれ？ 生きてる！？");
  game_.MsgBox(s.petName + "は、凄い事になった！！");
  s.hp = 1000;
  s.mp = 1000;
  s.brain = 500;
  s.luck = 100;
  chk::addTo(s.titleFlags[kAoKinoko], 1);
}

}  // namespace myu
