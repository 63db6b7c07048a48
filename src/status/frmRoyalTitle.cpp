#include "status/frmRoyalTitle.h"

#include "kernel/mdlMain.h"
#include "persistence/mdliniFile.h"
#include "platform/Checked.h"
#include "status/frmStatus.h"

namespace myu {

namespace {

struct TitleText {
  const char* caption;
  const char* tooltip;
};

const std::array<TitleText, 26> kTitles = {{
    {"オタク王", "おもちゃで遊びつづけてオタクになろう！"},
    {"猜疑心の鳥", "毒をもられ疑い深くなりつづけると・・・"},
    {"セクハラ鳥", "強壮剤の飲みすぎでスケベを極めろ！！"},
    {"まじめキング", "まじめ一直線になるとなれる。"},
    {"自他ともに認めるなまけもの", "さぁ一緒になまけましょう。"},
    {"究極のあまえんぼう",
     "甘やかされている奴は嫌いです。でもこのマスターを目指すなら甘やかしましょう。"},
    {"やんちゃ王", "ヤンチャ度を極めること。自由気ままに、放任主義！"},
    {"ワイルドでファンキー！", "力強いことよりも、強くなろうとする努力。"},
    {"ご長寿の称号", "30日以上ペットを飼いつづけるともらえます。"},
    {"飛ぶ薬マスター", "飛ぶ薬常用者に与えられる称号です。"},
    {"幸運豆の能力者", "ラッキービーンズが飛び跳ねます。いっぱい幸運豆を食べましょう。"},
    {"迎え酒おやじの称号", "アル中に与えられる称号です。"},
    {"典型的麻薬中毒者の烙印", "麻薬中毒にはならないように。"},
    {"おいしいスープのコック", "おいしい鶏がらスープが作れた人にあたえられる称号です。"},
    {"茸の生存者", "この茸は笑い茸どころじゃありません。まさに奇跡！！ その勇気が買われます。"},
    {"麻薬更正模範囚", "麻薬中毒から立ち直るのは非常に難しいことかもしれません。"},
    {"物知り鳥", "言葉を100個覚えましょう。"},
    {"常勝つねに我にあり", "30回以上の戦闘。勝率80％で称号がもらえます。"},
    {"箱の中の探検家", "むちゃな行動が認められるとなれるかも。"},
    {"悲しみ鳥", "悲劇があなたに称号を。"},
    {"挑む者", "鳥にはな、挑戦しなきゃならない時があるんだ。"},
    {"？？？？", "詳細不明"},
    {"いかさま師の称号", "データを改ざんがバレタひとに付けられる、ちょっと恥ずかしい称号です。"},
    {"いじめっ子", "弱いものイジメをした鳥につけられた称号です。"},
    {"テストプレイありがとう", "テストプレイをしてくれたあたなたへの称号です。"},
    {"", ""},
}};

// Levels 2..8 of the word title.
const std::array<TitleText, 7> kWordLevels = {{
    {"物知り博士", "博士級です。"},
    {"ドクターふくろう", "ふくろうじゃないけどね。"},
    {"口喧嘩王", "言葉をいっぱい知っています。"},
    {"大御所言語学者", "もぉ言葉を覚えられるだけ覚えました。"},
    {"幽玄撰者", "・・・？ 学者の一歩上を行きます。"},
    {"言霊使い", "発する言葉に力が宿ります。"},
    {"意識", "もはや言葉は必要ありません。"},
}};

// Titles that count only above 10.
bool countsAboveTen(int i) {
  return i == 9 || i == 10 || i == 11 || i == 12 || i == 18 || i == 19 || i == 20 || i == 23;
}

}  // namespace

frmRoyalTitle::frmRoyalTitle(Game& g) : Form(g, kName) {
  me().caption = "称号";
  me().width = 4800;
  me().height = 9000;
  place(Label1, 120, 60, 4440, 300);
  Label1.fontSize = 12;
  Label1.fontBold = true;
  for (int i = 0; i < 26; ++i) place(fldTitle[i], 240, 420 + i * 285, 4320, 270);
  place(fldTotal, 120, 420 + 26 * 285 + 60, 4440, 255);
  place(Command1, 1680, fldTotal.top + 330, 1440, 375).caption = "おっけぇ";

  on(fldTitle, Event::Click, [this](const EventArgs& e) { fldTitle_Click(e.index); });
  auto close = [this](const EventArgs&) { game_.unload(*this); };
  on(Command1, Event::Click, close);
  on(Label1, Event::Click, close);
  on(me(), Event::DblClick, close);
}

void frmRoyalTitle::Form_Load() {
  guarded(game_, "frmRoyalTitle/Form_Load ", [&] {
    loadedFlag_ = false;
    me().visible = false;
    GameState& s = game_.st;
    auto& flags = s.titleFlags;
    if (s.battleCount != 0 && s.battleWinCount != 0 &&
        chk::idiv<std::int32_t>(chk::mul<std::int32_t>(s.battleWinCount, 100), s.battleCount) >
            80 &&
        s.battleCount > 30)
      chk::addTo(flags[17], 1);

    Label1.caption = "王家の称号";
    for (int i = 0; i < 26; ++i) {
      Control& c = fldTitle[i];
      c.caption = kTitles[static_cast<std::size_t>(i)].caption;
      c.tooltip = kTitles[static_cast<std::size_t>(i)].tooltip;
      c.value = 0;
    }
    for (int i = 22; i <= 25; ++i) fldTitle[i].visible = false;

    int count = 0;
    for (int i = 0; i < 26; ++i) {
      Control& c = fldTitle[i];
      c.enabled = true;
      const std::int32_t flag = flags[static_cast<std::size_t>(i)];
      if (flag <= 0) continue;
      c.value = 2;
      ++count;
      if (countsAboveTen(i) && flag <= 10) {
        c.value = 0;
        --count;
        continue;
      }
      if (i > 21) c.visible = true;
      if (i == 21) {
        c.caption = "タイムトラベル失敗者";
        c.tooltip = "タイムトラベルを失敗した人に与えられます。";
      }
      if (i == 16 && flag >= 2 && flag <= 8) {
        c.caption = kWordLevels[static_cast<std::size_t>(flag) - 2].caption;
        c.tooltip = kWordLevels[static_cast<std::size_t>(flag) - 2].tooltip;
      }
    }
    for (int i = 0; i < 26; ++i) shownValue_[static_cast<std::size_t>(i)] = fldTitle[i].value;
    fldTotal.caption = count > 0 ? std::to_string(count) + "コのタイトルを持っています。"
                                 : "あなたはタイトルを一個も持っていません！";
    me().visible = true;
    PRE_VIEW(game_, 1, *this);
    loadedFlag_ = true;
  });
}

void frmRoyalTitle::fldTitle_Click(int index) {
  // The boxes only show: whatever a click did, the box goes back to what it showed.
  if (!loadedFlag_ || index < 0 || index >= 26) return;
  fldTitle[index].value = shownValue_[static_cast<std::size_t>(index)];
}

bool frmRoyalTitle::Form_QueryUnload() {
  guarded(game_, "frmRoyalTitle/Form_QueryUnload ", [&] {
    std::int16_t menuType = 0;
    const bool saved = fSave_UserData(game_, menuType);
    // The status window comes back even when the save failed (the failure was reported):
    // otherwise no window of the program would be left on the screen.
    if (Form* status = game_.findForm(frmStatus::kName)) game_.show(*status);
    if (saved) PRE_VIEW(game_, 0, *this);
  });
  return false;
}

}  // namespace myu
