#include "words/LangForms.h"

#include <array>

#include "kernel/GameHelpers.h"
#include "kernel/mdlMain.h"
#include "platform/Checked.h"
#include "platform/FileNames.h"
#include "platform/IniFile.h"
#include "platform/RecordFile.h"
#include "platform/Sjis.h"
#include "words/LangSteps.h"
#include "words/WordRecord.h"
#include "words/mdlLang.h"

namespace myu {
namespace {

constexpr std::array<const char*, 12> kCaptions{
    "誉め言葉", "悪口",       "好きな人の名前", "嫌いな人の名前", "流行言葉",   "すて台詞",
    "キメ台詞", "呪いの言葉", "愛のささやき",   "お叱りの言葉",   "慰めの言葉", "その他"};

}  // namespace

std::string meaningOfChoice(int k, const std::string& userName) {
  if (k < 1 || k > 12) return "";
  if (k == 3) return userName + "の好きな人";
  if (k == 4) return userName + "の嫌いな人";
  return kCaptions[static_cast<std::size_t>(k - 1)];
}

// ---------------------------------------------------------------- the meaning window

frmLangMean::frmLangMean(Game& g) : Form(g, kName) {
  me().caption = "ミュルカ";
  me().width = 4200;
  me().height = 4450;  // the button whole, with a margin below it
  place(Frame1, 120, 120, 3900, 3300).caption = "教える言葉はどんな意味ですか？";
  for (int k = 1; k <= 12; ++k)
    place(OptionL[k], k <= 6 ? 200 : 2000, 300 + ((k - 1) % 6) * 480, 1700, 360).caption =
        kCaptions[static_cast<std::size_t>(k - 1)];
  place(Command1, 1500, 3550, 1200, 400).caption = "Ｏ Ｋ";
  on(OptionL, Event::Click, [this](const EventArgs&) { game_.unload(*this); });
}

void frmLangMean::Form_Load() {
  game_.MsgBox("意味を選択してください", mb::kOkOnly);
}

bool frmLangMean::Form_QueryUnload() {
  return guarded(game_, "frmLangMean/Form_QueryUnload ", true, [&] {
    int chosen = 0;
    for (int k = 1; k <= 12; ++k)
      if (OptionL[k].value == 1) chosen = k;
    if (chosen == 0) {
      game_.MsgBox("どんな意味の言葉かってオレは聞いたてんだよ！ 怒！！", mb::kOkOnly);
      showPoseNow(game_, 2);
      return true;
    }
    showPoseNow(game_, 15);
    std::string meaning = meaningOfChoice(chosen, game_.st.userName);
    if (game_.MsgBox("『" + meaning + "』だね？", mb::kYesNo) != mb::kYes) return true;
    if (onChosen) onChosen(meaning);
    return false;
  });
}

// ---------------------------------------------------------------- the word-list editor

frmLangEdit::frmLangEdit(Game& g) : Form(g, kName) {
  me().caption = "覚えた言葉一覧";
  me().width = 8000;
  me().height = 6200;
  place(msgLangList, 120, 120, 7700, 3900);
  for (int i = 0; i < 2; ++i) place(txtLang[i], 120, 4150 + i * 420, i == 0 ? 5100 : 2300, 360);
  static const std::array<const char*, 3> kButtons{"覚えなおす", "忘れちまう", "終了"};
  for (int i = 0; i < 3; ++i)
    place(cmdExcute[i], 120 + i * 2000, 5100, 1800, 450).caption =
        kButtons[static_cast<std::size_t>(i)];
  on(cmdExcute, Event::Click, [this](const EventArgs& a) {
    if (a.index == 0) SaveLangEdit();
    if (a.index == 1) Forget();
    if (a.index == 2) {
      game_.lang1.close();
      game_.unload(*this);
    }
  });
  auto follow = [this](const EventArgs&) { selectRow(msgLangList.listIndex + 1); };
  on(msgLangList, Event::Click, follow);
  on(msgLangList, Event::MouseUp, follow);
}

void frmLangEdit::Form_Load() {
  ShowLangList();
}

void frmLangEdit::Form_Unload() {
  game_.lang1.close();
}

std::int32_t frmLangEdit::OpenDat() {
  return guarded(game_, "frmLangEdit/OpenDat ", std::int32_t{0}, [&] {
    game_.lang1.close();
    if (!isUsableDataName(game_.st.petName)) return std::int32_t{0};
    game_.lang1 = RecordFile(game_.file(game_.st.petName + ".dat"), WordRecord::kLength);
    game_.lang1.open();
    langCount = game_.lang1.count();
    return langCount;
  });
}

int frmLangEdit::selectedRow() {
  Control& grid = msgLangList;
  int row = grid.listIndex + 1;
  if (row < 1 || row >= static_cast<int>(grid.cells.size())) return 0;
  return row;
}

void frmLangEdit::selectRow(int row) {
  Control& grid = msgLangList;
  if (row < 1 || row >= static_cast<int>(grid.cells.size())) {
    grid.listIndex = -1;
    return;
  }
  grid.listIndex = row - 1;
  txtLang[0].text = grid.cells[static_cast<std::size_t>(row)][0];
  txtLang[1].text = grid.cells[static_cast<std::size_t>(row)][1];
}

void frmLangEdit::ShowLangList() {
  guarded(game_, "frmLangEdit/ShowLangList ", [&] {
    Control& grid = msgLangList;
    grid.visible = false;
    cmdExcute[0].enabled = false;
    cmdExcute[1].enabled = false;
    grid.columnWidths = {5100, 2300};
    grid.cells = {{"覚えてる言葉", "その言葉の意味"}};
    grid.items.clear();
    grid.listIndex = -1;
    txtLang[0].text.clear();
    txtLang[1].text.clear();
    std::int32_t n = OpenDat();
    if (n == 0) return;
    // The file is read once, in one pass.
    game_.lang1.forEach(n, [&](std::int32_t, std::string_view bytes) {
      WordRecord r = WordRecord::unpack(bytes);
      grid.cells.push_back({r.word, r.mean});
      grid.items.push_back(r.word);
      return true;
    });
    selectRow(1);
    game_.lang1.close();
    cmdExcute[0].enabled = true;
    cmdExcute[1].enabled = true;
    grid.visible = true;
  });
}

void frmLangEdit::SaveLangEdit() {
  guarded(game_, "frmLangEdit/SaveLangEdit ", [&] {
    int row = selectedRow();
    std::int32_t n = OpenDat();
    const std::string& word = txtLang[0].text;
    const std::string& mean = txtLang[1].text;
    if (!fitsCp932(word) || !fitsCp932(mean)) {
      // Never stored altered: the record stays as it was.
      game_.lang1.close();
      game_.MsgBox(kCannotWriteText, mb::kOkOnly);
      return;
    }
    if (n > 0 && row >= 1 && row <= n) {
      WordRecord r{txtLang[1].text, txtLang[0].text, "", ""};
      game_.lang1.write(row, r.pack());
    }
    game_.lang1.close();
    ShowLangList();
  });
}

void frmLangEdit::Forget() {
  guarded(game_, "frmLangEdit/Forget ", [&] {
    GameState& s = game_.st;
    int row = selectedRow();
    if (row == 0) {
      game_.MsgBox("選択されていません。", mb::kOkOnly);
      return;
    }
    const std::string& word = msgLangList.cells[static_cast<std::size_t>(row)][0];
    s.answer2 = static_cast<std::int16_t>(
        game_.MsgBox("[" + word + "] \r\n本当に忘れてしまってもいいですか？", mb::kOkCancel));
    if (s.answer2 == mb::kCancel) return;
    std::int32_t n = OpenDat();
    if (n == 0) return;
    if (row > n) {
      game_.lang1.close();
      return;
    }
    // The shortened list is built whole and then put in place of the old file in one step:
    // a failure on the way leaves the old file as it was.
    std::string kept;
    game_.lang1.forEach(n, [&](std::int32_t i, std::string_view bytes) {
      if (i != row) kept += bytes;
      return true;
    });
    std::filesystem::path file = game_.lang1.path();
    game_.lang1.close();
    replaceFileAtomically(file, kept);
    ShowLangList();
    game_.MsgBox(s.petName + "は何を忘れたのかすらも忘れてしまった。", mb::kOkOnly);
  });
}

}  // namespace myu
