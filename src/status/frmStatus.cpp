#include "status/frmStatus.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "friends/Friends.h"
#include "friends/frmFriend.h"
#include "kernel/mdlMain.h"
#include "memorial/frmDendou.h"
#include "persistence/mdliniFile.h"
#include "platform/Checked.h"
#include "platform/FileNames.h"
#include "platform/FileSystem.h"
#include "platform/Sjis.h"
#include "status/frmRoyalTitle.h"
#include "status/mdlChange.h"
#include "words/mdlLang.h"

namespace myu {

namespace {

const std::array<const char*, 10> kAlcoholRanks = {"1 酒好き",
                                                   "2 かなりの酒好き",
                                                   "3 ひまさえあれば飲んでいる",
                                                   "4 キッチンドランカー",
                                                   "5 いつでも酩酊状態",
                                                   "6 泥酔状態",
                                                   "7 意識不明はあたりまえ",
                                                   "8 死ぬまでぐてんぐてん",
                                                   "9 急逝＆慢性＆真性アルコール中毒",
                                                   "10 幻のチキンドランカー"};

const std::array<const char*, 10> kJunkRanks = {"1 中毒初心者",
                                                "2 初期中毒症状",
                                                "3 幻惑幻視幻聴発生",
                                                "4 床から小人はあたりまえ",
                                                "5 痛覚感覚並行感覚麻痺",
                                                "6 誇大妄想分裂症状",
                                                "7 夢想状態兼Ｒ指定",
                                                "8 末期中毒症状",
                                                "9 廃人",
                                                "10 平和と拒絶"};

std::string rankText(const std::array<const char*, 10>& ranks, std::int32_t level) {
  if (level <= 0) return {};
  return ranks[static_cast<std::size_t>(level > 10 ? 10 : level) - 1];
}

// Directions clockwise from the top: x and y steps (diagonals move along both axes).
constexpr std::array<std::pair<int, int>, 8> kDirections = {
    {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}}};

constexpr int kChartHeight = 2400;  // twips

// The friends window, while it is open.
Form* friendsWindow(Game& g) {
  return g.findForm(frmFriend::kName);
}

}  // namespace

std::string alcoholRankText(std::int32_t alcohol) {
  return rankText(kAlcoholRanks, alcohol);
}
std::string junkRankText(std::int32_t junk) {
  return rankText(kJunkRanks, junk);
}

ChartPoints radarValuePoints(int boxHeight, const std::array<std::int16_t, 8>& counters) {
  const int c = boxHeight / 2;
  const int r = boxHeight - 200 - c;
  ChartPoints pts;
  for (std::size_t i = 0; i < 8; ++i) {
    const double v = counters[i];
    const auto [dx, dy] = kDirections[i];
    int step = 0;
    if (dx == 0 || dy == 0) {
      step = static_cast<int>(std::floor(v / 100.0 * r));
    } else {
      step = static_cast<int>(std::floor(r / std::sqrt(2.0) * v / 100.0));
    }
    pts.emplace_back(c + dx * step, c + dy * step);
  }
  return pts;
}

ChartPoints radarOutlinePoints(int boxHeight) {
  const int c = boxHeight / 2;
  const int r = boxHeight - 200 - c;
  const int d = static_cast<int>(std::lround(r / std::sqrt(2.0)));
  ChartPoints pts;
  for (const auto& [dx, dy] : kDirections) {
    const int step = (dx == 0 || dy == 0) ? r : d;
    pts.emplace_back(c + dx * step, c + dy * step);
  }
  return pts;
}

std::string formatVersion(float version) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.3f", static_cast<double>(version));
  std::string s = buf;
  auto point = s.find('.');
  while (s.size() > point + 2 && s.back() == '0') s.pop_back();
  if (s == "-0.0") s = "0.0";
  return s;
}

frmStatus::frmStatus(Game& g) : Form(g, kName) {
  me().caption = "ちょうしはいかがかしら？";
  me().width = 9600;
  me().height = 7200;

  // The pet's pictures are wider than high: the box keeps their proportion and the picture
  // is fitted into it.
  place(KAO_Pic, 120, 120, 1440, 1170).stretch = true;

  // Field labels: caption beside each value, in rows of two columns.
  struct Field {
    Control& caption;
    Control& value;
    const char* label;
  };
  const Field left[] = {{lbl_petname, petname, "名前"},
                        {lbl_fldpettype, fldpettype, "タイプ"},
                        {lbl_modeltype, modeltype, "型"},
                        {lbl_ver, ver, "ver"},
                        {lbl_hp, hp, "HP"},
                        {lbl_maxhp, maxhp, "最大HP"},
                        {lbl_mp, mp, "MP"},
                        {lbl_maxmp, maxmp, "最大MP"},
                        {lbl_power, power, "力"},
                        {lbl_defense, defense, "守り"},
                        {lbl_speed, speed, "素早さ"},
                        {lbl_luck, luck, "運"},
                        {lbl_condition, condition, "調子"},
                        {lbl_happy, happy, "幸福度"},
                        {lbl_manpuku, manpuku, "満腹度"},
                        {lbl_lastrecnum, lastrecnum, "言葉"},
                        {lbl_intel, intel, "知力"},
                        {lbl_totalday, totalday, "日数"}};
  const Field right[] = {{lbl_uname, uname, "飼い主"},
                         {lbl_sex, sex, "性別"},
                         {lbl_age, age, "年齢"},
                         {lbl_utype, utype, "タイプ"},
                         {lbl_fldTYPEo, fldTYPEo, "オタク"},
                         {lbl_fldTYPEs, fldTYPEs, "スケベ"},
                         {lbl_fldTYPEu, fldTYPEu, "疑い深い"},
                         {lbl_fldTYPEy, fldTYPEy, "ヤンチャ"},
                         {lbl_fldTYPEw, fldTYPEw, "ワイルド"},
                         {lbl_fldTYPEm, fldTYPEm, "まじめ"},
                         {lbl_fldTYPEa, fldTYPEa, "甘えん坊"},
                         {lbl_fldTYPEn, fldTYPEn, "なまけもの"}};
  auto field = [](const Field& f, int x, int y) {
    place(f.caption, x, y, 900, 255).caption = f.label;
    place(f.value, x + 960, y, 1500, 255);
  };
  int y = 1680;
  for (const Field& f : left) {
    field(f, 120, y);
    y += 270;
  }
  y = 120;
  for (const Field& f : right) {
    field(f, 2760, y);
    y += 270;
  }
  // The owner's type is a text of the owner's own ("あなたはどんなひと？" when untouched): as
  // wide as the mail box below it.
  utype.width = 2400;
  place(lbl_mail, 2760, y, 900, 255).caption = "メール";
  place(mail, 3720, y, 2400, 285);

  place(fldALCOHOL, 2760, y + 360, 3360, 600).caption = "アルコール";
  fldALCOHOL.visible = false;
  place(aLco, 120, 240, 3120, 255);
  place(fldJUNK, 2760, y + 1020, 3360, 600).caption = "薬物";
  fldJUNK.visible = false;
  place(fld_junkRANK, 120, 240, 3120, 255);

  place(Picture1, 6480, 120, 2600, kChartHeight);  // made square when the chart is drawn

  struct Button {
    Control& button;
    const char* caption;
    const char* tooltip;
  };
  const Button buttons[] = {
      {Command1, "OK", "ステータスを閉じます。"},
      {select1btn, "友達のペット", "お友達のペットが居れば遊ぶ事ができます。"},
      {deadpetBtn, "死んだペットの墓", "今までに飼ったペットの記録です。"},
      {Command2, "覚えた言葉の復習", "ペットが覚えた言葉一覧です。"},
      {CopyCopy, "分身作成", "ペットを友達の所に送るためにディスクトップにクローンを作ります"},
      {fldRoyaltitle, "称          号", "あなたが飼ったペットが今までに獲得した称号です。"}};
  y = 2760;
  for (const Button& b : buttons) {
    Control& c = place(b.button, 6600, y, 2400, 375);
    c.caption = b.caption;
    c.tooltip = b.tooltip;
    y += 435;
  }

  on(Command1, Event::Click, [this](const EventArgs&) { Command1_Click(); });
  on(Command2, Event::Click, [this](const EventArgs&) { Command2_Click(); });
  on(select1btn, Event::Click, [this](const EventArgs&) { select1btn_Click(); });
  on(deadpetBtn, Event::Click, [this](const EventArgs&) { deadpetBtn_Click(); });
  on(CopyCopy, Event::Click, [this](const EventArgs&) { CopyCopy_Click(); });
  on(fldRoyaltitle, Event::Click, [this](const EventArgs&) { fldRoyaltitle_Click(); });
  on(mail, Event::Change, [this](const EventArgs&) { mail_Change(); });
}

void frmStatus::Form_Load() {
  guarded(game_, "frmStatus/Form_Load ", [&] {
    game_.petWindow().hide();
    ActiveKivoMain(game_, false);
    ClampStatus(game_.st);
    if (WriteProfile(game_)) {
      GetUserProfile(game_);
      writeStatusForm();
      visibleBtnHantei();
      exPolygon();
    }
  });
}

std::int64_t frmStatus::daysSinceBirth() {
  auto born = DateTime::parse(game_.st.startTime);
  if (!born) raise(err::kTypeMismatch);
  return daysBetween(*born, game_.now());
}

void frmStatus::writeStatusForm() {
  guarded(game_, "frmStatus/writeStatusForm ", [&] {
    const GameState& s = game_.st;
    if (std::string picture = game_.petWindow().posePicture(); !picture.empty())
      KAO_Pic.picture = picture;
    wordCount_ = OPENDAT1(game_);
    petname.caption = s.petName;
    fldpettype.caption = s.petType;
    hp.caption = std::to_string(s.hp);
    mp.caption = std::to_string(s.mp);
    maxhp.caption = std::to_string(s.maxHp);
    maxmp.caption = std::to_string(s.maxMp);
    power.caption = std::to_string(s.power);
    defense.caption = std::to_string(s.defense);
    speed.caption = std::to_string(s.speed);
    luck.caption = std::to_string(s.luck);
    modeltype.caption = s.petModel;
    condition.caption = CONDITIONsNOTATION(s.condition);
    happy.caption = std::to_string(s.happy);
    manpuku.caption = std::to_string(s.manpuku);
    lastrecnum.caption = std::to_string(wordCount_) + "コ";
    intel.caption = std::to_string(chk::add<std::int32_t>(wordCount_, s.brain));
    totalday.caption = std::to_string(daysSinceBirth()) + "日";
    ver.caption = formatVersion(s.petVer);
    uname.caption = s.userName;
    sex.caption = s.userSex;
    age.caption = s.userAge;
    utype.caption = s.userType;
    mail.text = s.userMail;
    Control* counters[] = {&fldTYPEo, &fldTYPEs, &fldTYPEu, &fldTYPEy,
                           &fldTYPEw, &fldTYPEm, &fldTYPEa, &fldTYPEn};
    for (int i = 0; i < kPersonalityCount; ++i)
      counters[i]->caption = std::to_string(s.personality(i));
    if (s.alcohol > 0) WritefldAlcohol();
    if (s.junk > 0) WritefldJunk();
  });
}

void frmStatus::WritefldAlcohol() {
  guarded(game_, "frmStatus/WritefldAlcohol ", [&] {
    fldALCOHOL.visible = true;
    aLco.caption = alcoholRankText(game_.st.alcohol);
  });
}

void frmStatus::WritefldJunk() {
  guarded(game_, "frmStatus/WritefldJunk ", [&] {
    fldJUNK.visible = true;
    fld_junkRANK.caption = junkRankText(game_.st.junk);
  });
}

void frmStatus::visibleBtnHantei() {
  guarded(game_, "frmStatus/visibleBtnHantei ", [&] {
    const GameState& s = game_.st;
    // A pet without a maximum HP is never ready (the ratio would divide by zero).
    const bool ready = s.hp > 0 && s.maxHp > 0 &&
                       static_cast<double>(s.hp) / static_cast<double>(s.maxHp) >= 0.3 &&
                       s.condition >= -3 && s.hp >= 30;
    select1btn.enabled = ready;
    DeadPetRecord first;
    if (GetDeadPet(game_, 1, first) != 0) deadpetBtn.enabled = first.petNAME != "Error";
    Command2.enabled = wordCount_ >= 1;
  });
}

void frmStatus::TitleHantei() {
  guarded(game_, "frmStatus/TitleHantei ", [&] {
    GameState& s = game_.st;
    auto& flags = s.titleFlags;
    const std::int64_t days = daysSinceBirth();
    std::int32_t& nagaiki = flags[8];
    if (days >= 30 && nagaiki < 1) {
      nagaiki = 1;
    } else if (days >= 50 && nagaiki < 2) {
      nagaiki = 2;
    } else if (days >= 60 && nagaiki < 3) {
      nagaiki = 3;
    }
    const std::int32_t words = wordCount_;
    std::int32_t& monoshiri = flags[16];
    static constexpr std::array<std::int32_t, 8> kWords = {50, 100, 200, 300, 500, 700, 800, 1000};
    for (std::int32_t level = 1; level <= 8; ++level) {
      if (monoshiri < level && words >= kWords[static_cast<std::size_t>(level) - 1]) {
        monoshiri = level;
        break;
      }
    }
    if (s.battleCount > 0) {
      const auto rate =
          chk::idiv<std::int32_t>(chk::mul<std::int32_t>(s.battleWinCount, 100), s.battleCount);
      // The rule only ever raises the title: a count the titles window has added to stays.
      if (rate > 80 && s.battleCount > 30 && flags[17] < 1) flags[17] = 1;
    }
  });
}

void frmStatus::exPolygon() {
  guarded(game_, "frmStatus/exPolygon ", [&] {
    Control& box = Picture1;
    if (box.width != box.height) box.width = box.height;
    std::array<std::int16_t, 8> counters{};
    for (int i = 0; i < kPersonalityCount; ++i)
      counters[static_cast<std::size_t>(i)] = game_.st.personality(i);
    ChartPoints pts = radarOutlinePoints(box.height);
    ChartPoints values = radarValuePoints(box.height, counters);
    pts.insert(pts.end(), values.begin(), values.end());
    box.points = std::move(pts);
  });
}

void frmStatus::Command1_Click() {
  game_.unload(*this);
}

void frmStatus::Command2_Click() {
  guarded(game_, "frmStatus/Command2_Click ", [&] {
    Form* friends = friendsWindow(game_);
    const bool friendsShown = friends != nullptr && friends->shown;
    game_.hide(*this);
    if (friendsShown) game_.hide(*friends);
    showLangEdit(game_);
    if (friendsShown) {
      if (Form* again = friendsWindow(game_)) game_.show(*again);
    }
    if (!closed) game_.show(*this);
  });
}

void frmStatus::select1btn_Click() {
  guarded(game_, "frmStatus/select1btn_Click ", [&] {
    // The friends window belongs to this one: a pet that dies in its fight closes both.
    game_.form<frmFriend>().closeOwner = [&g = game_] {
      if (Form* status = g.findForm(kName)) g.unload(*status);
    };
    showFriendsWindow(game_);
  });
}

void frmStatus::deadpetBtn_Click() {
  guarded(game_, "frmStatus/deadpetBtn_Click ", [&] { game_.show(game_.form<frmDendou>()); });
}

void frmStatus::fldRoyaltitle_Click() {
  guarded(game_, "frmStatus/fldRoyaltitle_Click ", [&] {
    TitleHantei();
    game_.hide(*this);
    game_.show(game_.form<frmRoyalTitle>());
  });
}

void frmStatus::mail_Change() {
  guarded(game_, "frmStatus/mail_Change ", [&] {
    if (!fitsCp932(mail.text)) {
      // The save file cannot hold this character: the box goes back to the stored text.
      game_.MsgBox("その文字はメールに使えません。", mb::kExclamation);
      mail.text = game_.st.userMail;
      return;
    }
    game_.st.userMail = mail.text;
  });
}

void frmStatus::CopyCopy_Click() {
  guarded(game_, "frmStatus/CopyCopy_Click ", [&] {
    GameState& s = game_.st;
    if (game_.MsgBox(s.petName + "の分身を作成しますか？", mb::kQuestion + mb::kOkCancel) ==
        mb::kCancel)
      return;
    game_.closeWordFiles();

    const std::string langName = s.petName + ".dat";
    const std::string kvoName = s.userName + ".kvo";
    if (!isSafeFileName(langName)) {
      game_.MsgBox(
          "ペットの名前「" + s.petName + "」はファイル名に使えないので、分身を作れません。",
          mb::kExclamation);
      return;
    }
    if (!isSafeFileName(kvoName)) {
      game_.MsgBox(
          "飼い主の名前「" + s.userName + "」はファイル名に使えないので、分身を作れません。",
          mb::kExclamation);
      return;
    }
    std::error_code ec;
    // A missing desktop folder is made; never the working folder instead.
    const std::string desktop = ownersDesktop(game_);
    const auto langFrom = game_.file(langName);
    const auto iniFrom = game_.userIni();
    const auto dir = u8path(desktop);
    const auto langTo = dir / u8path(langName);
    const auto kvoTo = dir / u8path(kvoName);
    if (!std::filesystem::is_regular_file(langFrom, ec) ||
        !std::filesystem::is_regular_file(iniFrom, ec))
      raise(err::kFileNotFound);

    // Files already on the desktop are replaced only when the owner agrees.
    std::string existing;
    for (const auto& [path, name] : {std::pair{langTo, langName}, std::pair{kvoTo, kvoName}})
      if (std::filesystem::exists(path, ec)) existing += "\r\n" + name;
    if (!existing.empty()) {
      s.answer1 = static_cast<std::int16_t>(game_.MsgBox(
          "ディスクトップに同じ名前のファイルがあります。" + existing + "\r\n置き換えますか？",
          mb::kYesNo + mb::kQuestion, "確認ウインドウ"));
      if (s.answer1 != mb::kYes) return;
    }
    for (const auto& [from, to] : {std::pair{langFrom, langTo}, std::pair{iniFrom, kvoTo}})
      if (!copyFileReplacing(from, to)) raise(err::kPathFileAccess);

    if (game_.MsgBox("分身をディスクトップに作りました。\r\n"
                     "友達に分身ファイルを送る時についての注意事項を読みますか？",
                     mb::kYesNo) == mb::kYes) {
      const int result = game_.services().shell->open(pathToUtf8(game_.dataFile("注意事項.txt")),
                                                      pathToUtf8(game_.dataFolder()));
      if (result <= 32)
        game_.MsgBox("指定されたファイルを開けません。\r\nエラー番号：" + std::to_string(result));
    }
    game_.unload(*this);
  });
}

bool frmStatus::Form_QueryUnload() {
  guarded(game_, "frmStatus/Form_QueryUnload ", [&] {
    if (Form* friends = friendsWindow(game_)) game_.unload(*friends);
    ActiveKivoMain(game_, true);
    game_.petWindow().show();
  });
  return false;
}

}  // namespace myu
