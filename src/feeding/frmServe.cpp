#include "feeding/frmServe.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <system_error>

#include "kernel/FileBrowser.h"
#include "kernel/mdlMain.h"
#include "platform/Checked.h"
#include "platform/Sjis.h"

namespace myu {
namespace fs = std::filesystem;

namespace {
constexpr const char* kCrLf = "\r\n";
// A list box holds at most this many entries; a larger file lists its first records.
constexpr std::int32_t kMaxListed = 32767;

std::string trimBlanks(const std::string& s) {
  auto b = s.find_first_not_of(' ');
  if (b == std::string::npos) return "";
  auto e = s.find_last_not_of(' ');
  return s.substr(b, e - b + 1);
}
}  // namespace

frmServe::frmServe(Game& g) : Form(g, kName), browser_(*this, Drive1, Dir1, File1) {
  layOut();
  wireEvents();
}

void frmServe::layOut() {
  Control& w = me();
  w.caption = "御賞味あれ。";
  w.width = 9840;
  w.height = 6360;

  place(Frame1, 120, 60, 5520, 5220).caption = "ご飯を盛る";

  place(Drive1, 120, 300, 2400, 300);
  place(Dir1, 120, 690, 2400, 2100);
  place(File1, 120, 2880, 2400, 2160);
  File1.pattern = kPattern;
  File1.tooltip =
      "餌が入っているファイルを選択してください。拡張子はkrpです。ドラック＆ドロップできます。";

  place(Frame3, 2640, 180, 2760, 4860).visible = false;
  place(List1, 120, 240, 2520, 2760).tooltip = "エサを選んでください。";
  place(Label1, 120, 3120, 840, 255).caption = "残数";
  place(Text1, 1080, 3060, 1560, 330).locked = true;
  place(Label2, 120, 3540, 840, 255).caption = "満腹度";
  place(Text2, 1080, 3480, 1560, 330).locked = true;
  place(Command1, 120, 4020, 1200, 600);
  Command1.caption = "使用";
  Command1.tooltip = "選んだエサをペットに与えます。";
  place(Command5, 1440, 4020, 1200, 600);
  Command5.caption = "お料理する";
  Command5.tooltip = "ＭＰを使用して新しくエサを料理します。";

  place(Frame2, 5760, 60, 3960, 5220);
  Frame2.caption = "一服盛る";
  Frame2.tooltip = "条件がそろうとボタンがあらわれます。";
  place(potionFR, 120, 240, 1800, 4860).caption = "薬";
  place(poisonFR, 2040, 240, 1800, 4860).caption = "毒";

  static const std::array<std::pair<const char*, const char*>, 10> potions = {{
      {"ユンヘル", "HPが30ｐ回復する"},
      {"赤マムス", "HPが80ｐ回復する"},
      {"風邪薬", "体調が少し改善する"},
      {"抗生物質", "体調がけっこぉ改善する"},
      {"解毒剤", "持続性の毒が消える"},
      {"筋肉増強剤", "少し強くなるが…"},
      {"ＤＨＡ", "少し頭がよくなるが…"},
      {"飛ぶ薬", "飛べる…！？ そんで逝ける！"},
      {"万能薬", "まさに万能！"},
      {"幸運豆", "運がいいと出現するとにかく幸運な豆"},
  }};
  static const std::array<std::pair<const char*, const char*>, 10> poisons = {{
      {"下剤", "下痢により体力が奪われます。"},
      {"笑い茸", "幸せな気分になれますが、笑い茸は毒キノコです。"},
      {"三年殺し", "徐々に体調を悪化させます。"},
      {"媚薬", "幸せがあがります…が…"},
      {"ＯＬの怨み", "雑巾の絞り汁入りお茶です。"},
      {"堕落の粒", "まじめ度が下がり・・・・・・。"},
      {"お酒", "中毒症状が強いお酒です。"},
      {"麻薬", "一度だけ、その好奇心が死をまねく。"},
      {"鳥スープ", "最高級鶏がらスープです。"},
      {"アオウミ茸", "生きるか死ぬかです。"},
  }};
  for (int i = 0; i < 10; ++i) {
    auto idx = static_cast<size_t>(i);
    Control& p = place(potion[i + 1], 120, 240 + i * 450, 1560, 420);
    p.caption = potions[idx].first;
    p.tooltip = potions[idx].second;
    p.enabled = false;
    Control& x = place(poison[i + 1], 120, 240 + i * 450, 1560, 420);
    x.caption = poisons[idx].first;
    x.tooltip = poisons[idx].second;
    x.enabled = false;
    if (i >= 7) {
      hiddenCaptions_[p.name] = p.caption;
      hiddenCaptions_[x.name] = x.caption;
    }
  }

  place(cancelbtn, 120, 5400, 9600, 480).caption = "盛らない";
}

std::pair<ControlArray, ControlArray> frmServe::addMedicineButtons() {
  std::vector<Control*> potions, poisons;
  for (int i = 1; i <= 10; ++i) {
    potions.push_back(&add(Kind::Button, "potion" + std::to_string(i), potionFR));
    poisons.push_back(&add(Kind::Button, "poison" + std::to_string(i), poisonFR));
  }
  return {ControlArray({}, std::move(potions), 1), ControlArray({}, std::move(poisons), 1)};
}

void frmServe::wireEvents() {
  browser_.wire({[this] { Drive1_Change(); }, [this] { Dir1_Change(); }, [this] { File1_Click(); },
                 [this](const EventArgs& e) { File1_OLEDragDrop(e); }});
  on(List1, Event::Click, [this](const EventArgs&) { List1_Click(); });
  on(Command1, Event::Click, [this](const EventArgs&) { SPEND_ITEM(); });
  on(Command5, Event::Click, [this](const EventArgs&) { RYOURI(); });
  on(cancelbtn, Event::Click, [this](const EventArgs&) { closeWindow(); });
  for (int i = 1; i <= 10; ++i) {
    on(potion[i], Event::Click, [this, i](const EventArgs&) { potionClick(i); });
    on(poison[i], Event::Click, [this, i](const EventArgs&) { poisonClick(i); });
  }
}

void frmServe::closeWindow() {
  game_.unload(*this);
}

void frmServe::Form_Load() {
  guarded(game_, "frmServe/Form_Load ", [&] {
    if (game_.st.hp == 0) {
      closeWindow();
      return;
    }
    Command5.enabled = game_.st.mp >= 75;
    setUpMedicines();
    // The lists start in the program folder, where the sample food files are.
    browser_.start(pathToUtf8(game_.folder()));
    Frame3.visible = false;
  });
}

bool frmServe::Form_QueryUnload() {
  guarded(game_, "frmServe/Form_QueryUnload ", [&] { food_.close(); });
  return false;
}

// ---- browsing ----

void frmServe::Drive1_Change() {
  Control& drive = Drive1;
  if (drive.listIndex < 0 || drive.listIndex >= static_cast<int>(drive.items.size())) return;
  if (!browser_.driveChanged()) {
    game_.MsgBox(
        std::string("えっと、そのディレクトリはほんとに有効かめ？") + kCrLf + "というか亀！！！？",
        mb::kExclamation, "ミュルカ Error");
  }
}

void frmServe::Dir1_Change() {
  Control& file = File1;
  if (file.path != Dir1.path) {
    // The dish list belongs to a file of the old folder: it goes with it.
    file.text.clear();
    List1.items.clear();
    List1.listIndex = -1;
    Frame3.visible = false;
  }
  browser_.followFolder();
}

std::string frmServe::fileName() {
  return browser_.fileName();
}

fs::path frmServe::chosenFile() {
  return browser_.chosenFile();
}

// ---- the food file ----

bool frmServe::OPENDAT2() {
  return guarded(game_, "frmServe/OPENDAT2 ", false, [&] {
    food_.close();
    if (fileName().empty()) raise(err::kBadFileName);
    foodPath = chosenFile();
    std::error_code ec;
    // A file chosen from the list or dropped must still be there; none is made up here.
    if (!fs::exists(foodPath, ec)) raise(err::kFileNotFound);
    food_ = RecordFile(foodPath, FoodRecord::kLength);
    food_.open();
    nextRecord = chk::add<std::int32_t>(food_.count(), 1);
    return true;
  });
}

bool frmServe::canWriteFood() {
  std::error_code ec;
  auto perms = fs::status(foodPath, ec).permissions();
  bool writable = !ec && (perms & (fs::perms::owner_write | fs::perms::group_write |
                                   fs::perms::others_write)) != fs::perms::none;
  if (writable) {
    std::fstream probe(foodPath, std::ios::binary | std::ios::in | std::ios::out);
    writable = static_cast<bool>(probe);
  }
  if (!writable)
    game_.MsgBox(std::string("このエサのファイルは書き換えられません（読み取り専用です）。") +
                     kCrLf + "ほかのファイルを選んでください。",
                 mb::kExclamation);
  return writable;
}

void frmServe::File1_Click() {
  guarded(game_, "frmServe/File1_Click ", [&] {
    if (!OPENDAT2()) return;
    Control& list = List1;
    list.items.clear();
    list.listIndex = -1;
    Text1.text.clear();
    Text2.text.clear();
    std::int32_t last = std::min(nextRecord, kMaxListed);
    for (std::int32_t n = 1; n <= last; ++n) {
      buffer = FoodRecord(food_.read(n));
      list.items.push_back(buffer.name());
    }
    Frame3.visible = true;
    food_.close();
  });
}

void frmServe::File1_OLEDragDrop(const EventArgs& e) {
  guarded(game_, "frmServe/File1_OLEDragDrop ", [&] {
    auto item = acceptDroppedFile(game_, e.files, File1.pattern);
    if (!item) return;
    browser_.showFolder(pathToUtf8(item->parent_path()));
    browser_.chooseFile(pathToUtf8(item->filename()));
    File1_Click();
    File1.pattern = kPattern;
  });
}

void frmServe::List1_Click() {
  guarded(game_, "frmServe/List1_Click ", [&] {
    Control& list = List1;
    if (list.listIndex < 0) return;
    if (!OPENDAT2()) return;
    buffer = FoodRecord(food_.read(chk::add<std::int32_t>(list.listIndex, 1)));
    Text1.text = fromCp932Lossy(trimField(buffer.remainBytes()));
    Text2.text = fromCp932Lossy(trimField(buffer.fullnessBytes()));
    food_.close();
  });
}

// ---- serving ----

void frmServe::SPEND_ITEM() {
  guarded(game_, "frmServe/SPEND_ITEM ", [&] {
    Control& list = List1;
    if (list.listIndex < 0) {
      game_.MsgBox("なにも選択されていません。");
      return;
    }
    if (!OPENDAT2()) return;
    std::int32_t record = chk::add<std::int32_t>(list.listIndex, 1);
    // The dish as the file holds it now.
    buffer = FoodRecord(food_.read(record));
    if (leadingNumber(trimField(buffer.remainBytes())) <= 0) {
      game_.MsgBox("お皿をひっくり返してもグリーンピースすらでてこないぐらい、なにもありません。");
      food_.close();
      return;
    }
    if (!canWriteFood()) {
      food_.close();
      return;
    }
    if (BeforeEat() == 0) {
      food_.close();
      return;
    }
    // Both numbers are read before anything changes: a broken dish leaves pet and file alone.
    std::int16_t fullness = toInteger16(trimField(buffer.fullnessBytes()));
    std::int16_t remain = toInteger16(trimField(buffer.remainBytes()));
    std::int32_t manpuku = chk::add<std::int32_t>(game_.st.manpuku, fullness);
    std::int16_t left = chk::sub<std::int16_t>(remain, 1);
    game_.st.manpuku = manpuku;
    buffer.setRemain(left);
    game_.MsgBox(game_.st.petName + "は" + FoodRecord::fieldText(buffer.fullnessBytes()) +
                 "ポイント お腹いっぱいになりました。");
    food_.write(record, buffer.bytes);
    food_.close();
    Text1.text = fromCp932Lossy(trimField(buffer.remainBytes()));
    if (AfterEat() != 0) closeWindow();
  });
}

std::int16_t frmServe::BeforeEat() {
  return guarded(game_, "frmServe/BeforeEat ", std::int16_t{0}, [&]() -> std::int16_t {
    static const std::array<const char*, 6> birds = {"鳥",     "とり", "どり",
                                                     "チキン", "トリ", "ドリ"};
    std::string name = buffer.paddedName();
    for (const char* word : birds) {
      if (name.find(word) == std::string::npos) continue;
      game_.MsgBox("あんた、おいらがいくら腹減ってても共食いできるわきゃないでしょ！");
      if (game_.st.manpuku != 0) return 0;
      game_.MsgBox(
          "でもまぁ、ここまで腹が減ってたら別だよね。だって、もぉ料理になっちゃってるしさ。");
      game_.MsgBox("逆に残すのも失礼かなってもんでさぁ。");
      return 1;
    }
    return 1;
  });
}

std::int16_t frmServe::AfterEat() {
  return guarded(game_, "frmServe/AfterEat ", std::int16_t{0}, [&]() -> std::int16_t {
    std::string name = buffer.paddedName();
    GameState& s = game_.st;
    if (name.find("手羽先") != std::string::npos || name.find("親子丼") != std::string::npos) {
      game_.MsgBox("ねぇ…これ、もしかして鳥入ってた？");
      s.happy = 0;
      s.petMessage = "めちゃめちゃにブルーになってます。";
    } else if (name.find("カシューナッツ") != std::string::npos) {
      game_.MsgBox(std::string("わぉう。カシューナッツ好きなんだよね。") + kCrLf +
                   "一緒に居ると落ち着くんだ。");
      chk::addTo(s.happy, 30);
      s.petMessage = "少し機嫌がよくなったようです。";
    } else if (name.find("からし酢味噌") != std::string::npos) {
      game_.MsgBox(std::string("わぉう。からし酢味噌だっ。レアだよね。この味。") + kCrLf +
                   "一緒に居ると落ち着くんだ。");
      chk::addTo(s.condition, 1);
      s.petMessage = "少し健康になったようです。";
    }
    return 1;
  });
}

// ---- cooking ----

void frmServe::RYOURI() {
  guarded(game_, "frmServe/RYOURI ", [&] {
    if (!OPENDAT2()) return;
    if (!canWriteFood()) {
      food_.close();
      return;
    }
    if (game_.MsgBox(
            fileName() + "に新しくお料理を追加します" + kCrLf + "MPを消費しますが お料理しますか？",
            mb::kYesNo) != mb::kYes) {
      food_.close();
      return;
    }
    std::string answer;
    for (;;) {
      answer = game_.InputBox("何を料理しますか？", "お料理ウインドウ");
      if (answer.empty()) {
        food_.close();
        return;
      }
      if (fitsCp932(answer)) break;
      // A character the food file cannot hold is refused here; the box asks again.
      game_.MsgBox(std::string("その料理名には、エサのファイルに書けない文字が入っています。") +
                   kCrLf + "ほかの字で書いてください。");
    }
    if (sjisLength(answer) > 50) {
      game_.MsgBox(std::string("料理名が長すぎます。") + kCrLf +
                   "料理人なら美しく、簡潔にまとめてください！ プンスカ！");
      food_.close();
      return;
    }
    GameState& s = game_.st;
    buffer = FoodRecord();
    buffer.setName(trimBlanks(answer));
    std::int32_t hi = chk::idiv<std::int32_t>(chk::add<std::int32_t>(s.mp, 1), 5);
    std::int32_t n = RandomBetween(game_, 15, hi);
    buffer.setRemain(n / 8);
    std::int32_t r = RandomBetween(game_, 15, hi);
    buffer.setFullness(r / 3);
    game_.MsgBox(buffer.paddedName() + "を" + kCrLf + FoodRecord::fieldText(buffer.remainBytes()) +
                 "個 料理しました。");
    game_.MsgBox("満腹度は" + FoodRecord::fieldText(buffer.fullnessBytes()) + "です。");
    std::int32_t cost = chk::mul<std::int32_t>(r, 5);
    chk::subFrom(s.mp, cost);
    game_.MsgBox("ＭＰを" + std::to_string(cost) + "消費しました。");
    food_.write(nextRecord, buffer.bytes);
    food_.close();
    closeWindow();
  });
}

}  // namespace myu
