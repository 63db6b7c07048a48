#include "memorial/frmDeaD.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "kernel/mdlMain.h"
#include "persistence/mdliniFile.h"
#include "platform/Checked.h"
#include "platform/FileNames.h"

namespace myu {

namespace {

constexpr int kWidth = 9000, kHeight = 6000;
// The window's frame and caption, in twips: the window is made that much larger than its
// picture so that the whole picture shows.
constexpr int kFrameWidth = 70, kFrameHeight = 370;
constexpr std::array<int, 4> kLineHeight = {360, 360, 600, 600};
constexpr int kGap = 10;
constexpr int kRollStep = 35;

struct LastWords {
  const char* cause;
  const char* words;
};

const std::array<LastWords, 15> kLastWords = {{
    {"戦闘中に死亡", "『このゲーム戦闘で死んだら死にっぱなし…か…ぐふっ。』"},
    {"笑い死に", "『明日からキノコは残さずに食べろ！』"},
    {"下痢による脱水症状", "『まず最初にトイレの位置を確認するように。』"},
    {"孤独死", "『君に会えなくて寂しくて…。』"},
    {"餓死", "『なんでもいいからなにか食べたかった。』"},
    {"飼い主ふんずけ死", "『おれの事は気にするな、上を向いて歩け。』"},
    {"飛行機事故死", "『おれは飛行機の事故にあったんじゃない！挑んだんだ！！』"},
    {"行方不明", "『もぉオレのことは探さないで下さい……』"},
    {"毒殺", "『喩え毒が盛られていても、俺は飼い主の出した餌は食べる。』"},
    {"食われた", "『だから焼き鳥なんて嫌いなんだよ…。』"},
    {"急逝中毒死", "『酒…、酒…。オレの体には血の変わりにワインが流れてるのよ。うふ。』"},
    {"禁断症状", "『薬…！ 薬…！ 薬…！ 薬…！！！！！』"},
    {"アオウミダケ死", "『挑戦。その言葉をのこせただけでオレは満足だった…。』"},
    {"体調悪化死", "『調子が悪い・・・。死ぬほど調子が悪いとはこのことさ･･･。』"},
    {"浦島太郎の煙", "『ほんの一瞬垣間見た、未来のオレはすごいぜ・・・。』"},
}};

}  // namespace

std::string lastWords(const std::string& deadType, const std::string& userName) {
  if (deadType == "改造手術失敗")
    return "『" + userName + "が俺の中身を弄くったみたい。しかも失敗した。うぅ。』";
  for (const auto& row : kLastWords)
    if (deadType == row.cause) return row.words;
  return "『最悪の飼い主だった。』";
}

std::string willFileName(const std::string& folderUtf8, const std::string& petName,
                         const DateTime& death) {
  char date[32];
  std::snprintf(date, sizeof date, "%02d月%02d日没", death.month, death.day);
  const std::string base = petName + "の遺言" + date;
  const auto folder = u8path(folderUtf8);
  std::error_code ec;
  std::string name = base + ".dat";
  for (int i = 0; std::filesystem::exists(folder / u8path(name), ec); ++i)
    name = base + std::to_string(i) + ".dat";
  return name;
}

frmDeaD::frmDeaD(Game& g) : Form(g, kName) {
  me().width = kWidth + kFrameWidth;
  me().height = kHeight + kFrameHeight;
  place(Picture1, 0, 0, kWidth, kHeight).backColor = 0x000000;
  for (int k = 1; k <= 4; ++k) {
    Control& line = place(lines[k], 0, 0, kWidth, kLineHeight[static_cast<std::size_t>(k) - 1]);
    line.visible = false;
    line.opaque = false;
    line.multiLine = k >= 3;
    line.fontSize = 12;
  }
  on(Label1, Event::Click, [this](const EventArgs&) {
    if (ended) game_.unload(*this);
  });
  on(Picture1, Event::Click, [this](const EventArgs&) { game_.unload(*this); });
}

void frmDeaD::Form_Load() {
  guarded(game_, "frmDead/Form_Load ", [&] {
    ActiveKivoMain(game_, false);
    Timer1.enabled = false;
    Timer2.interval = 300;
    Timer2.enabled = true;

    me().width = kWidth + kFrameWidth;
    me().height = kHeight + kFrameHeight;
    Control& pic = Picture1;
    std::error_code ec;
    const auto background = game_.dataFolder() / "Img" / "ending.bmp";
    if (std::filesystem::is_regular_file(background, ec)) pic.picture = pathToUtf8(background);

    const GameState& s = game_.st;
    Label1.caption = s.petName + "はその短い人生を";
    Label2.caption = s.userName + "と一緒に過ごした。";
    Label3.caption = "数日後忘れたように出てきた\r\n" + s.petName + "の日記には…";
    Label4.caption = lastWords(s.deadType, s.userName) + "\r\nと書き記してあった…";
    for (int k = 1; k <= 4; ++k) {
      Control& line = lines[k];
      line.visible = false;
      line.foreColor = 0x000000;
    }
    brightness = 0;
    rollTop = chk::narrow<std::int16_t>(pic.height - Label1.height);
    Label1.top = rollTop;
  });
}

void frmDeaD::Timer2_Timer() {
  guarded(game_, "frmDead/Timer2_Timer ", [&] {
    const Control& pic = Picture1;
    int offset = 0;  // heights and gaps of the lines above line k
    for (int k = 1; k <= 4; ++k) {
      Control& line = lines[k];
      const int lo = 50 * (k - 1);
      if (brightness >= lo && brightness <= 255 + lo) {
        const int grey = brightness - lo;
        line.foreColor = rgb(grey, grey, grey);
      }
      const int top = rollTop + offset;
      if (top <= pic.height && top + line.height > 0) {
        line.top = top;
        line.left = 0;
        line.visible = true;
      } else if (top + line.height <= 0) {
        line.visible = false;  // it has left the picture
      }
      offset += line.height + kGap;
    }
    chk::addTo(brightness, 2);
    chk::subFrom(rollTop, kRollStep);
    if (rollTop < -(offset - kGap)) {
      // The column has left the picture: no sliver of its last line stays at the top.
      for (int k = 1; k <= 4; ++k) lines[k].visible = false;
      Timer2.enabled = false;
      Timer1.interval = 3000;
      Timer1.enabled = true;
    }
  });
}

void frmDeaD::Timer1_Timer() {
  guarded(game_, "frmDead/Form_Load ", [&] {
    Timer1.interval = 10000;
    if (ended) {
      game_.unload(*this);
      return;
    }
    const Control& pic = Picture1;
    Control& line = Label1;
    line.visible = true;
    line.foreColor = rgb(200, 80, 80);
    line.caption = "GAME  OVER";
    line.left = (pic.width - line.width) / 2;
    line.top = pic.height / 2 - line.height / 2;
    ended = true;
  });
}

bool frmDeaD::Form_QueryUnload() {
  bool cancel = false;
  guarded(game_, "frmDead/Form_QueryUnload ", [&] {
    GameState& s = game_.st;
    if (!ended) {
      s.answer2 = static_cast<std::int16_t>(game_.MsgBox("終了しますか？", mb::kYesNo, "確認"));
      if (s.answer2 == mb::kNo) {
        cancel = true;
        return;
      }
      ended = true;
    }
    for (auto* t : timers()) t->enabled = false;
    endOfLife();
  });
  return cancel;
}

void frmDeaD::endWithSession() {
  for (auto* t : timers()) t->enabled = false;
  const Game::QuietErrors quiet(game_);
  guarded(game_, "frmDead/Form_QueryUnload ", [&] { endOfLife(false); });
}

// The end-of-life steps. The pet's record is never lost: the save and the language file are
// touched only after every record is written, and the save goes only once the will exists.
bool frmDeaD::endOfLife(bool farewell) {
  if (lifeWritten_) return true;
  lifeWritten_ = true;
  GameState& s = game_.st;
  game_.closeWordFiles();
  if (!WriteDeadPet(game_) || !WriteRoyalTitle(game_) || !WriteProtect(game_)) return false;
  game_.closeWordFiles();

  std::error_code ec;
  const std::string langName = s.petName + ".dat";
  const bool hasLanguageFile =
      isSafeFileName(langName) && std::filesystem::is_regular_file(game_.file(langName), ec);
  if (hasLanguageFile) {
    const std::string will = willFileName(pathToUtf8(game_.folder()), s.petName, game_.now());
    std::filesystem::rename(game_.file(langName), game_.file(will), ec);
    if (ec) raise(err::kPathFileAccess);
  }
  std::filesystem::remove(game_.userIni(), ec);
  if (ec) raise(err::kPathFileAccess);

  if (!farewell) return true;
  s.answer1 = static_cast<std::int16_t>(game_.MsgBox("さらばっ！", mb::kOkOnly));
  if (game_.petWindow().mainFormLoaded()) {
    s.hp = 0;
    game_.petWindow().close();
  }
  return true;
}

}  // namespace myu
