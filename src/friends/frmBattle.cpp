#include "friends/frmBattle.h"

#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "friends/PetPictures.h"
#include "kernel/GameState.h"
#include "kernel/Pictures.h"
#include "kernel/mdlMain.h"
#include "platform/Checked.h"
#include "platform/ProcArgs.h"
#include "words/WordRecord.h"

namespace myu {

namespace {

struct Speed {
  const char* choice;
  int interval;
};
constexpr std::array<Speed, 5> kSpeeds = {{{"むっちゃハヤッ", 100},
                                           {"速い", 800},
                                           {"ふつう", 1900},
                                           {"遅い", 2800},
                                           {"タニシの歩み", 4200}}};
constexpr int kWordPause = 970;
constexpr std::size_t kMaxBattleWords = 300;
constexpr std::size_t kLogLines = 3;  // kept before the next line is added

struct WordBattle {
  const char* title;
  const char* meaning;
};
constexpr std::array<WordBattle, 3> kWordBattles = {
    {{"悪口合戦", "悪口"}, {"呪詛戦", "呪いの言葉"}, {"お説教", "お叱りの言葉"}}};

// Rounds to the nearest integer, a tie to the even one.
double roundHalfEven(double v) {
  double r = std::round(v);
  if (std::fabs(v - std::trunc(v)) == 0.5) r = 2.0 * std::round(v / 2.0);
  return r;
}

std::int32_t toInt32(double v) {
  if (!(v >= std::numeric_limits<std::int32_t>::min() &&
        v <= std::numeric_limits<std::int32_t>::max()))
    raise(err::kOverflow);
  return static_cast<std::int32_t>(v);
}

// Words of a language file whose meaning field holds the searched meaning, at most 300.
std::vector<std::string> wordsMeaning(const RecordFile& file, std::int32_t count,
                                      const std::string& meaning) {
  std::vector<std::string> words;
  file.forEach(count, [&](std::int32_t, std::string_view bytes) {
    WordRecord r = WordRecord::unpack(bytes);
    if (r.rawMean.find(meaning) != std::string::npos) words.push_back(r.word);
    return words.size() < kMaxBattleWords;
  });
  return words;
}

}  // namespace

int battleInterval(const std::string& speedChoice) {
  for (const Speed& s : kSpeeds)
    if (speedChoice == s.choice) return s.interval;
  return 1900;
}

frmBattle::frmBattle(Game& g) : Form(g, kName) {
  layOut();
  wireEvents();
}

frmBattle::Side frmBattle::addSide(const std::string& side, int index) {
  Control& name = add(Kind::Label, side + "Name");
  Control& picture = add(Kind::Picture, "PicIMG(" + std::to_string(index) + ")");
  auto bar = [&](const std::string& value) {
    Control& cap = add(Kind::Label, side + value + "cap");
    Control& blu = add(Kind::Picture, side + value + "blu");
    Control& red = add(Kind::Picture, side + value + "red");
    return Bar{cap, blu, red, add(Kind::Label, side + value)};
  };
  Bar hp = bar("HP");
  Bar mp = bar("MP");
  return Side{name, picture, hp, mp};
}

void frmBattle::layOut() {
  Control& w = me();
  w.caption = "喧嘩上等";
  w.width = 6300;
  w.height = 6180;

  constexpr int kPicW = 2535, kPicH = 2055;
  const std::array<int, 2> lefts = {240, 3405};
  const std::array<const Side*, 2> sides = {&U, &F};
  for (int i = 0; i < 2; ++i) {
    const int left = lefts[static_cast<std::size_t>(i)];
    const Side& side = *sides[static_cast<std::size_t>(i)];
    place(side.name, left, 120, kPicW, 300).fontBold = true;
    place(side.picture, left, 480, kPicW, kPicH).stretch = true;
    int top = 2640;
    for (const auto& [bar, value] : {std::pair{&side.hp, "HP"}, std::pair{&side.mp, "MP"}}) {
      place(bar->cap, left, top - 30, 360, 255).caption = value;
      place(bar->blu, left + 420, top, 1440, 180).backColor = rgb(0, 0, 255);
      place(bar->red, left + 420, top, 1440, 180).backColor = rgb(255, 0, 0);
      place(bar->number, left + 1920, top - 30, 615, 255);
      top += 330;
    }
  }
  for (int i = 0; i < 4; ++i) ImgKao[i].visible = false;

  place(Label1, 240, 3420, 1260, 255).caption = "戦闘スピード";
  place(Combo1, 1560, 3360, 2040, 300);
  for (const Speed& s : kSpeeds) Combo1.items.emplace_back(s.choice);
  Combo1.listIndex = 0;
  Combo1.text = kSpeeds[0].choice;
  Combo1.locked = true;

  place(Command1, 4500, 3300, 1440, 420).caption = "にげる";

  place(List1, 240, 3840, 5700, 1500);
}

void frmBattle::wireEvents() {
  on(Command1, Event::Click, [this](const EventArgs&) { Command1_Click(); });
}

bool frmBattle::Form_QueryUnload() {
  // Closing the window ends the battle without a result.
  return false;
}

// ---- pictures, bars, log ----

void frmBattle::ownPicture(std::int32_t pose) {
  ShowBattlePose(game_, *this, pose);
}

void frmBattle::friendPicture(std::int32_t pose) {
  DrawBattlePictures(game_, *this, pose, friendPrefix);
}

void frmBattle::drawBar(const Bar& bar, std::int32_t value, std::int32_t whole) {
  Control& blue = bar.blu;
  Control& red = bar.red;
  // A bar of nothing (no maximum) stays empty rather than dividing by zero.
  red.width = value < 1 || whole < 1
                  ? 0
                  : toInt32(roundHalfEven(static_cast<double>(value) / whole * blue.width));
  red.visible = red.width > 0;
  bar.number.caption = std::to_string(value);
}

void frmBattle::log(const std::string& line) {
  Control& list = List1;
  list.items.push_back(line);
  list.listIndex = static_cast<int>(list.items.size()) - 1;
}

void frmBattle::RemoveLine() {
  guarded(game_, "frmBattle/RemoveLine ", [&] {
    Control& list = List1;
    if (list.items.size() > kLogLines) list.items.erase(list.items.begin());
    if (list.listIndex >= static_cast<int>(list.items.size()))
      list.listIndex = static_cast<int>(list.items.size()) - 1;
  });
}

// ---- the battle ----

bool frmBattle::Battle_INI(const BattleFoe& foe) {
  return guarded(game_, "frmBattle/Battle_INI ", false, [&] {
    GameState& s = game_.st;
    game_.load(*this);
    battleWon = false;
    battleLost = false;
    Control& speed = Combo1;
    speed.listIndex = 0;
    speed.text = kSpeeds[0].choice;

    // An opponent's values come from a file that anyone may have edited: they are held to
    // the ranges a pet's own values keep, so that no step of the battle can overflow.
    GameState held;
    held.maxHp = foe.maxHp;
    held.hp = foe.hp;
    held.maxMp = foe.maxMp;
    held.mp = foe.mp;
    held.power = foe.power;
    held.defense = foe.defense;
    held.speed = foe.speed;
    ClampStatus(held);
    friendMaxHp = held.maxHp;
    friendHp = held.hp;
    friendMaxMp = held.maxMp;
    friendMp = held.mp;
    friendPower = held.power;
    friendDefense = held.defense;
    friendSpeed = held.speed;
    friendName = foe.name;
    friendWordCount = foe.wordCount;
    petRelation = foe.relation < 0   ? std::int16_t{0}
                  : foe.relation > 4 ? std::int16_t{4}
                                     : foe.relation;
    friendLangPath = foe.langPath;
    friendModel = foe.model;
    friendPrefix = "Oth";
    Select_Fpet_IMG(game_, friendModel, friendPrefix);
    if (friendMaxMp < 1) friendMaxMp = 30;

    if (friendHp < 1) {
      game_.MsgBox("というか、相手は死体です。");
      game_.MsgBox(friendName + "はゾンビとしてこんにちわっ！");
      friendHp = friendMaxHp;
    }
    chk::addTo(s.battleCount, 1);
    Command1.visible = false;
    U.name.caption = s.petName;
    F.name.caption = friendName;
    List1.items.clear();
    List1.listIndex = -1;

    if (!print_BT_Status()) return false;
    ownPicture(0);
    friendPicture(0);
    game_.MsgBox("れっつ ばとる！！！");
    Command1.visible = true;
    Timer& battle = Timer1;
    battle.interval = kFirstTick;
    battle.enabled = true;
    KaoImg_Timer.enabled = true;
    ownTurn = !(friendSpeed > s.speed);
    game_.show(*this, true);
    return true;
  });
}

void frmBattle::Timer1_Timer() {
  guarded(game_, "frmBattle/Timer1_Timer ", [&] {
    Timer1.interval = battleInterval(Combo1.text);
    BtHantei();
  });
}

void frmBattle::KaoImg_Timer_Timer() {
  guarded(game_, "frmBattle/KaoImg_Timer_Timer ", [&] { friendPicture(0); });
}

bool frmBattle::BtHantei() {
  return guarded(game_, "frmBattle/BtHantei ", false, [&] {
    GameState& s = game_.st;
    if (battleLost || battleWon) {
      Timer1.enabled = false;
      if (battleWon) {
        chk::addTo(s.battleWinCount, 1);
        s.answer2 = static_cast<std::int16_t>(game_.MsgBox(s.petName + "が勝ちました"));
      } else {
        s.answer2 = static_cast<std::int16_t>(game_.MsgBox(s.petName + "は負けてしまいました"));
      }
      if (s.hp < 1) s.deadType = "戦闘中に死亡";
      game_.unload(*this);
      return true;
    }
    RemoveLine();
    return DoBattle();
  });
}

bool frmBattle::print_BT_Status() {
  return guarded(game_, "frmBattle/print_BT_Status ", false, [&] {
    GameState& s = game_.st;
    if (s.hp < 1) {
      battleLost = true;
    } else if (friendHp < 1) {
      battleWon = true;
    }
    ClampStatus(s);
    drawBar(U.hp, s.hp, s.maxHp);
    drawBar(U.mp, s.mp, s.maxMp);
    drawBar(F.hp, friendHp, friendMaxHp);
    drawBar(F.mp, friendMp, friendMaxMp);
    return true;
  });
}

bool frmBattle::DoBattle() {
  return guarded(game_, "frmBattle/DoBattle ", false, [&] {
    GameState& s = game_.st;
    if (!print_BT_Status()) return false;
    std::int32_t a = RandomBetween(game_, 5, 30);
    if (s.hp < roundHalfEven(static_cast<double>(s.maxHp) / a)) {
      battleLost = true;
      ownPicture(1);
      game_.MsgBox("てやんでぇ！ 死んでたまるかってんだ！");
      game_.MsgBox(s.petName + "は逃げ出した");
      return true;
    }
    if (friendMaxHp / a > friendHp) {
      battleWon = true;
      friendPicture(1);
      game_.MsgBox("殺られてたまるかってんだ！！");
      game_.MsgBox(friendName + "は逃げ出した");
      return true;
    }
    std::int32_t k = RandomBetween(game_, 0, 15);
    return k <= 2 ? Battle2(k) : Battle1();
  });
}

bool frmBattle::Battle1() {
  return guarded(game_, "frmBattle/Battle1 ", false, [&] {
    bool struck = false;
    if (ownTurn) {
      if (AttackU()) {
        ownTurn = false;
        struck = true;
      }
    } else if (AttackF()) {
      ownTurn = true;
      struck = true;
    }
    if (struck && RandomBetween(game_, 1, 10) >= 8) ownTurn = game_.st.speed > friendSpeed;
    return true;
  });
}

bool frmBattle::AttackU() {
  return guarded(game_, "frmBattle/AttackU ", false, [&] {
    const double f = (5.0 - petRelation) / 5.0;
    std::int32_t a = RandomBetween(game_, 1, 3);
    std::int32_t raw = toInt32(std::trunc(f * game_.st.power * (a / 2.0)));
    std::int32_t guard = toInt32(roundHalfEven(f * friendDefense));
    std::int32_t damage = chk::sub<std::int32_t>(raw, guard);
    if (damage < 1) damage = RandomBetween(game_, 1, 5);
    chk::subFrom(friendHp, damage);
    friendPicture(18);
    log(friendName + "に" + std::to_string(damage) + "ポイントのダメージを与えた！");
    return true;
  });
}

bool frmBattle::AttackF() {
  return guarded(game_, "frmBattle/AttackF ", false, [&] {
    GameState& s = game_.st;
    const double g = (5.0 - petRelation) / 4.0;
    std::int32_t a = RandomBetween(game_, 1, 3);
    std::int32_t raw = toInt32(std::trunc(g * friendPower * (a / 2.0)));
    std::int32_t guard = toInt32(std::trunc(g * s.defense));
    std::int32_t damage = chk::sub<std::int32_t>(raw, guard);
    if (damage < 1) damage = RandomBetween(game_, 1, 15);
    if (damage >= s.hp) {
      s.answer2 = static_cast<std::int16_t>(
          game_.MsgBox("次の一撃を食らうとおそらく死亡してしまいます。逃げますか？",
                       mb::kYesNo + mb::kQuestion));
      if (s.answer2 == mb::kYes) {
        battleLost = true;
        game_.MsgBox("ぐわっ！！");
        return true;
      }
    }
    chk::subFrom(s.hp, damage);
    ownPicture(18);
    log(s.petName + "は" + std::to_string(damage) + "ポイントのダメージをくらったっ！");
    return true;
  });
}

bool frmBattle::Battle2(std::int32_t kind) {
  return guarded(game_, "frmBattle/Battle2 ", false, [&] {
    GameState& s = game_.st;
    if (kind < 0 || kind >= static_cast<std::int32_t>(kWordBattles.size())) raise(err::kSubscript);
    const WordBattle& battle = kWordBattles[static_cast<std::size_t>(kind)];

    std::int32_t own = OPENDAT1(game_);
    std::vector<std::string> ownWords = game_.lang1.isOpen()
                                            ? wordsMeaning(game_.lang1, own, battle.meaning)
                                            : std::vector<std::string>{};
    bool ownSilent = ownWords.empty();
    if (ownSilent) ownWords.push_back(s.petName + "は黙って涙ぐむ！");
    const auto j = static_cast<std::int32_t>(ownWords.size());
    std::array<std::string, 3> ownLines;
    for (auto& line : ownLines)
      line = ownWords[static_cast<std::size_t>(RandomBetween(game_, 1, j) - 1)];

    std::vector<std::string> foeWords;
    if (friendWordCount != 0) {
      friendWordCount = OPENDAT3(game_, friendLangPath);
      if (game_.lang3.isOpen())
        foeWords = wordsMeaning(game_.lang3, friendWordCount, battle.meaning);
    }
    bool foeSilent = foeWords.empty();
    if (foeSilent) {
      foeWords.push_back(friendName + "は言い返せない！");
      ownSilent = false;
    }
    const auto i = static_cast<std::int32_t>(foeWords.size());
    std::array<std::string, 3> foeLines;
    for (auto& line : foeLines)
      line = foeWords[static_cast<std::size_t>(RandomBetween(game_, 1, i) - 1)];

    RemoveLine();
    log(std::string(battle.title) + "の始まりだ！！");
    ownPicture(3);
    friendPicture(3);
    // A window closed during a pause ends the battle of words there, without a result.
    auto pauseEnds = [&] {
      game_.windows().waitResponsive(kWordPause);
      if (!closed) return false;
      game_.closeWordFiles();
      return true;
    };
    for (std::size_t round = 0; round < 3; ++round) {
      RemoveLine();
      log(s.petName + ">   " + ownLines[round]);
      if (pauseEnds()) return true;
      RemoveLine();
      log(friendName + ">   " + foeLines[round]);
      if (pauseEnds()) return true;
    }
    RemoveLine();
    if (i > j || ownSilent) {
      chk::subFrom(s.mp, s.mp / 10);
      log(s.petName + "は精神的ダメージを受けた！");
      friendPicture(17);
    } else if (i < j || foeSilent) {
      chk::subFrom(friendMp, friendMp / 10);
      log(friendName + "は精神的ダメージを受けた！");
      ownPicture(17);
    } else {
      chk::subFrom(s.mp, s.mp / 10);
      chk::subFrom(friendMp, friendMp / 10);
      log("互いの毒舌ぶりは拮抗している！ お互を傷ついただけだった！！");
      ownPicture(17);
      friendPicture(17);
    }
    game_.closeWordFiles();
    return true;
  });
}

void frmBattle::Command1_Click() {
  guarded(game_, "frmBattle/Command1_Click ", [&] {
    GameState& s = game_.st;
    s.answer2 =
        static_cast<std::int16_t>(game_.MsgBox("戦闘から逃げますか？", mb::kYesNo + mb::kQuestion));
    if (s.answer2 == mb::kNo) return;
    game_.MsgBox("おっとぉ！ セコンドからタオルが投げ込まれた！");
    battleLost = true;
  });
}

}  // namespace myu
