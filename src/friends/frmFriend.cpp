#include "friends/frmFriend.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unordered_set>

#include "friends/PetPictures.h"
#include "friends/frmBattle.h"
#include "kernel/GameState.h"
#include "kernel/Pictures.h"
#include "kernel/mdlMain.h"
#include "platform/Checked.h"
#include "platform/FileNames.h"
#include "platform/ProcArgs.h"
#include "platform/Sjis.h"
#include "words/WordRecord.h"

namespace myu {
namespace fs = std::filesystem;

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr std::int32_t kMaxWords = 1000;
// Title flags counted by the two dialogues of the battle start.
constexpr std::size_t kTitleUnderdog = 20;
constexpr std::size_t kTitleBully = 23;

constexpr std::array<const char*, 5> kRelationText = {
    "もはや同類さ。", "なんとなく、気が合うんだよね。", "ふつうだよ。", "こいつ苦手なのだ…。",
    "もはや天敵"};

int typeIndex(const std::string& label) {
  for (std::size_t i = 0; i < kTypeLabel.size(); ++i)
    if (label == kTypeLabel[i]) return static_cast<int>(i);
  return 0;
}

// The language file of another pet, opened on the second handle. A missing file is made
// empty beside it; where that folder cannot be written the pet simply knows no words.
std::int32_t openFriendWords(Game& g, const std::string& path) {
  std::error_code ec;
  if (!fs::exists(u8path(path), ec)) {
    std::FILE* probe = nullptr;
#ifdef _WIN32
    probe = _wfopen(u8path(path).c_str(), L"ab");
#else
    probe = std::fopen(u8path(path).c_str(), "ab");
#endif
    if (probe == nullptr) return 0;
    std::fclose(probe);
  }
  return OPENDAT3(g, path);
}

}  // namespace

std::int16_t personalityRelation(const std::string& ownType, const std::string& friendType) {
  if (ownType == "なし" || friendType == "なし") return 2;
  int d = typeIndex(ownType) - typeIndex(friendType);
  if (d < 0) d = -d;
  return static_cast<std::int16_t>(d < 5 ? d : 8 - d);
}

std::string versionText(float version) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.3f", static_cast<double>(version));
  std::string text = buf;
  while (text.size() > 1 && text.back() == '0' && text[text.size() - 2] != '.') text.pop_back();
  if (text == "-0.0") text = "0.0";
  return text;
}

bool isUsableFriendPetName(const std::string& name) {
  // A name that could reach outside the friend's folder, one that some file system refuses
  // and one too long for a file name are all turned away.
  return isUsableDataName(name);
}

frmFriend::frmFriend(Game& g) : Form(g, kName), browser_(*this, Drive1, Dir1, File1) {
  layOut();
  wireEvents();
}

std::array<frmFriend::ValueLabel, 4> frmFriend::petHead() {
  return {{{lbl_F_name, F_name, "名前", "name"},
           {lbl_F_type, F_type, "タイプ", "type"},
           {lbl_F_model, F_model, "型", "model"},
           {lbl_F_ver, F_ver, "ver", "ver"}}};
}

std::array<frmFriend::ValueLabel, 12> frmFriend::petValues() {
  return {{{lbl_F_hp, F_hp, "HP", "hp"},
           {lbl_F_maxhp, F_maxhp, "最大HP", "maxhp"},
           {lbl_F_mp, F_mp, "MP", "mp"},
           {lbl_F_maxmp, F_maxmp, "最大MP", "maxmp"},
           {lbl_F_power, F_power, "力", "power"},
           {lbl_F_defense, F_defense, "守り", "defense"},
           {lbl_F_speed, F_speed, "素早さ", "speed"},
           {lbl_F_luck, F_luck, "運", "luck"},
           {lbl_F_condition, F_condition, "体調", "condition"},
           {lbl_F_lastrec, F_lastrec, "言葉", "lastrec"},
           {lbl_F_intel, F_intel, "知力", "intel"},
           {lbl_F_totalday, F_totalday, "日数", "totalday"}}};
}

std::array<frmFriend::ValueLabel, 4> frmFriend::ownerValues() {
  return {{{lbl_U_name, U_name, "名前", "friend name"},
           {lbl_U_sex, U_sex, "性別", "friend sex"},
           {lbl_U_age, U_age, "年齢", "friend age"},
           {lbl_U_type, U_type, "タイプ", "friend type"}}};
}

void frmFriend::layOut() {
  Control& w = me();
  w.caption = "友達ペットステータス";
  w.width = 9690;
  w.height = 6390;

  place(Drive1, 120, 120, 2760, 300);
  place(Dir1, 120, 480, 2760, 2040);
  place(File1, 120, 2580, 2760, 2280);
  File1.pattern = kFriendPattern;
  File1.tooltip =
      "友達のペットのファイルを選んでください。拡張子はkvoです。ドラック＆ドロップできます。";
  place(btnYuigon, 120, 4980, 2760, 420);
  btnYuigon.caption = "遺言の伝承";
  btnYuigon.tooltip = "死んでしまったペットの遺言から言葉を受け継ぎます。";

  place(Frame1, 3000, 60, 3480, 5400).caption = "友達のペット";
  place(KAO_pic_F, 120, 300, 1560, 1260).stretch = true;
  int y = 300;
  for (const ValueLabel& v : petHead()) {
    place(v.caption, 1740, y, 570, 255).caption = v.text;
    place(v.value, 2340, y, 1080, 255);
    y += 345;
  }
  // Two columns; the condition, told in words, takes a row of its own.
  y = 1740;
  int column = 0;
  for (const ValueLabel& v : petValues()) {
    const bool wide = &v.value == &F_condition;
    if (wide && column == 1) {  // the row begun on the left stays half empty
      column = 0;
      y += 345;
    }
    const int left = column == 0 ? 120 : 1800;
    place(v.caption, left, y, 720, 255).caption = v.text;
    place(v.value, left + 760, y, wide ? 2540 : 860, 255);
    if (wide || column == 1) {
      column = 0;
      y += 345;
    } else {
      column = 1;
    }
  }
  place(lbl_F_relation, 120, 4260, 480, 255).caption = "相性";
  place(F_relation, 640, 4260, 2780, 255).foreColor = rgb(192, 0, 0);
  place(battleStart, 120, 4680, 1560, 600);
  battleStart.caption = "喧嘩上等";
  battleStart.tooltip = "友達のペットと喧嘩します。";
  place(Command2, 1800, 4680, 1560, 600);
  Command2.caption = "雑談会";
  Command2.tooltip = "友達のペットが覚えている言葉を教えてもらいます。";

  place(Frame2, 6600, 60, 2880, 4740).caption = "飼い主";
  y = 300;
  for (const ValueLabel& v : ownerValues()) {
    place(v.caption, 120, y, 720, 255).caption = v.text;
    place(v.value, 880, y, 1920, 255);
    y += 345;
  }
  place(lbl_U_text, 120, y, 720, 255).caption = "メール";
  place(U_text, 120, y + 300, 2640, 2640);
  U_text.multiLine = true;
  U_text.locked = true;

  place(Command1, 6600, 4920, 2880, 540).caption = "OK";
}

void frmFriend::wireEvents() {
  browser_.wire({[this] { Drive1_Change(); }, [this] { Dir1_Change(); }, [this] { File1_Click(); },
                 [this](const EventArgs& e) { File1_OLEDragDrop(e); }});
  on(btnYuigon, Event::Click, [this](const EventArgs&) { btnYuigon_Click(); });
  on(Command2, Event::Click, [this](const EventArgs&) { Command2_Click(); });
  on(battleStart, Event::Click, [this](const EventArgs&) { battleStart_Click(); });
  on(Command1, Event::Click, [this](const EventArgs&) { game_.unload(*this); });
}

void frmFriend::Form_Load() {
  PrpFriendForm = true;
  // The lists start in the program folder, where the wills of dead pets lie.
  browser_.start(pathToUtf8(game_.folder()));
  HyoujiSyokika();
}

bool frmFriend::Form_QueryUnload() {
  guarded(game_, "frmFriend/Form_QueryUnload ", [&] {
    PrpFriendForm = false;
    game_.lang3.close();
  });
  return false;
}

std::string frmFriend::folderWithSeparator() {
  std::string folder = browser_.folder();
  const char sep = static_cast<char>(fs::path::preferred_separator);
  if (folder.empty() || (folder.back() != sep && folder.back() != '/')) folder += sep;
  return folder;
}

// ---- browsing ----

void frmFriend::Drive1_Change() {
  if (!browser_.driveChanged())
    game_.MsgBox(std::string("うぅん！？ ") + kCrLf + "そのドライブほんとに有効！？",
                 mb::kExclamation, "ミュルカ Error");
}

void frmFriend::Dir1_Change() {
  guarded(game_, "frmFriend/Dir1_Change ", [&] { browser_.followFolder(); });
}

void frmFriend::File1_Click() {
  guarded(game_, "frmFriend/File1_Click ", [&] {
    if (browser_.fileName().empty()) return;
    if (File1.pattern == kFriendPattern) {
      FstatusPre();
    } else {
      HyoujiSyokika();
      CopyDeadDat();
    }
  });
}

void frmFriend::File1_OLEDragDrop(const EventArgs& e) {
  guarded(game_, "frmFriend/File1_OLEDragDrop ", [&] {
    auto item = acceptDroppedFile(game_, e.files, File1.pattern);
    if (!item) return;
    browser_.showFolder(pathToUtf8(item->parent_path()));
    browser_.chooseFile(pathToUtf8(item->filename()));
    File1_Click();
  });
}

void frmFriend::btnYuigon_Click() {
  guarded(game_, "frmFriend/btnYuigon_Click ", [&] {
    Control& file = File1;
    Control& button = btnYuigon;
    if (file.pattern != kFriendPattern) {
      file.pattern = kFriendPattern;
      button.caption = "遺言の伝承";
    } else {
      file.pattern = kWillPattern;
      button.caption = "友達ペット";
      HyoujiSyokika();
    }
    file.text.clear();
    browser_.refreshFiles();
  });
}

// ---- the friend shown ----

void frmFriend::HyoujiSyokika() {
  guarded(game_, "frmFriend/HyoujiSyokika ", [&] {
    for (const ValueLabel& v : petHead()) v.value.caption = v.placeholder;
    for (const ValueLabel& v : petValues()) v.value.caption = v.placeholder;
    for (const ValueLabel& v : ownerValues()) v.value.caption = v.placeholder;
    U_text.text = "friend text";
    KAO_pic_F.visible = false;
    battleStart.enabled = false;
    Command2.enabled = false;
    F_relation.caption.clear();
  });
}

bool frmFriend::FstatusPre() {
  return guarded(game_, "frmFriend/FstatusPre ", false, [&] {
    GameState& s = game_.st;
    const std::string folder = folderWithSeparator();
    const std::string path = folder + browser_.fileName();
    if (!GetFriendProfile(game_, path, friendUser)) return false;
    if (!GetFriendPetProfile(game_, path, friendPet)) return false;
    if (!GetFriendTime(game_, path, friendTime)) return false;

    // A file that is no pet file, or a pet whose name cannot name a file beside it, is turned
    // away before anything is made in the friend's folder.
    if (friendPet.PetName == "Error") {
      HyoujiSyokika();
      game_.MsgBox("ごめんなさい。そのファイルはたぶんペットのファイルじゃないです。",
                   mb::kExclamation);
      game_.MsgBox(
          "昔、飼っていたペット。もしくは友達から送ってもらったペットを選択してください。");
      game_.MsgBox("間違って変なファイルを読み込まないように・・・・・・。");
      return false;
    }
    if (!isUsableFriendPetName(friendPet.PetName)) {
      HyoujiSyokika();
      game_.MsgBox(std::string("ごめんなさい。このペットの名前には、ファイルの名前に使えない字が"
                               "入っています。") +
                       kCrLf + "このままでは連れてこられないので、友達に名前を確かめてみてね。",
                   mb::kExclamation);
      return false;
    }
    friendLangPath = folder + friendPet.PetName + ".dat";
    const std::int32_t n = openFriendWords(game_, friendLangPath);

    F_name.caption = friendPet.PetName;
    F_type.caption = friendPet.TYPE;
    F_model.caption = friendPet.MODEL;
    F_hp.caption = std::to_string(friendPet.HP);
    F_mp.caption = std::to_string(friendPet.MP);
    F_maxhp.caption = std::to_string(friendPet.MAXHP);
    F_maxmp.caption = std::to_string(friendPet.MAXMP);
    F_power.caption = std::to_string(friendPet.POWER);
    F_defense.caption = std::to_string(friendPet.DEFENSE);
    F_speed.caption = std::to_string(friendPet.SPEED);
    F_luck.caption = std::to_string(friendPet.LUCK);
    F_condition.caption = CONDITIONsNOTATION(friendPet.CONDITION);
    F_lastrec.caption = std::to_string(n) + "コ";
    // Shown as a sum that cannot overflow, whatever the file holds.
    F_intel.caption = std::to_string(static_cast<std::int64_t>(friendPet.BRAIN) + n);
    auto born = DateTime::parse(friendTime.START);
    auto last = DateTime::parse(friendTime.LASTTIME);
    F_totalday.caption =
        born && last ? std::to_string(daysBetween(*born, *last)) + "日" : std::string("?日");
    F_ver.caption = friendPet.VER != 10.0f ? versionText(friendPet.VER) : "1.0";

    if (friendPet.MODEL == s.petModel && friendPet.VER > s.petVer && friendPet.VER != 10.0f) {
      game_.MsgBox("相手は" + s.petName + "より新型のデジペットです。", mb::kExclamation);
      game_.MsgBox(s.userName + "聞いたか？ オレより新型が出てるんだってよ。");
      game_.MsgBox("おれもバージョンアップしてぇなぁぁあ～。");
    }

    U_name.caption = friendUser.Name;
    U_sex.caption = friendUser.Sex;
    U_age.caption = friendUser.Age;
    U_type.caption = friendUser.Type;
    U_text.text = friendUser.Mail;

    KAO_pic_F.visible = true;
    std::string prefix = "Oth";
    Select_Fpet_IMG(game_, friendPet.MODEL, prefix);
    ShowFriendPicture(game_, *this, 0, prefix);

    battleStart.enabled = true;
    const std::int32_t own = OPENDAT1(game_);
    Command2.enabled = own >= 1 && own <= 999 && n >= 1;

    F_relation.caption = kRelationText[static_cast<std::size_t>(ChackPetType())];
    game_.closeWordFiles();
    return true;
  });
}

std::int16_t frmFriend::ChackPetType() {
  return guarded(game_, "frmFriend/ChackPetType ", std::int16_t{0}, [&] {
    petRelation = personalityRelation(game_.st.petType, friendPet.TYPE);
    return petRelation;
  });
}

// ---- words ----

std::int32_t frmFriend::PutDatCopy(const std::string& path) {
  return guarded(game_, "frmFriend/PutDatCopy ", std::int32_t{0}, [&]() -> std::int32_t {
    const std::int32_t m = OPENDAT1(game_);
    const std::int32_t n = OPENDAT3(game_, path);
    friendWordCount = n;
    if (n == 0 || !game_.lang1.isOpen() || !game_.lang3.isOpen()) return 0;
    // A full vocabulary takes nothing more, from a chat or from a will.
    if (m >= kMaxWords) return 0;
    std::unordered_set<std::string> known;
    game_.lang1.forEach(m, [&](std::int32_t, std::string_view bytes) {
      known.insert(WordRecord::unpack(bytes).word);
      return true;
    });
    std::int32_t copied = 0;
    game_.lang3.forEach(n, [&](std::int32_t, std::string_view bytes) {
      WordRecord r = WordRecord::unpack(bytes);
      if (r.word.empty() || r.mean.empty() || known.contains(r.word)) return true;
      copied = chk::add<std::int32_t>(copied, 1);
      game_.lang1.write(chk::add<std::int32_t>(m, copied), bytes);
      return m + copied < kMaxWords;
    });
    return copied;
  });
}

bool frmFriend::CopyDeadDat() {
  return guarded(game_, "frmFriend/CopyDeadDat ", false, [&] {
    GameState& s = game_.st;
    if (game_.MsgBox("選択した遺言を読みますか？", mb::kYesNo) == mb::kNo) return false;
    const std::int32_t k = PutDatCopy(folderWithSeparator() + browser_.fileName());
    if (k < 1) {
      game_.MsgBox(s.petName + "は、遺言から学ぶことは特になかった。");
    } else {
      game_.MsgBox(s.petName + "は、遺言を " + std::to_string(k) + "コ 伝承した。");
    }
    game_.closeWordFiles();
    return true;
  });
}

void frmFriend::Command2_Click() {
  guarded(game_, "frmFriend/Command2_Click ", [&] {
    GameState& s = game_.st;
    const std::string name = friendPet.PetName;
    if (!isUsableFriendPetName(name)) return;
    const std::string path = folderWithSeparator() + name + ".dat";
    std::error_code ec;
    if (!fs::exists(u8path(path), ec)) {
      game_.MsgBox("友達のファイルがおいてあるフォルダと同じ場所に『" + name +
                       ".dat』 という言語ﾌｧｲﾙが見当たらないヨ。",
                   mb::kInformation);
      return;
    }
    const std::int32_t k = PutDatCopy(path);
    if (k < 1) {
      game_.MsgBox(s.petName + "は、" + name + "から教えて貰うことは特にないようだ。");
    } else {
      game_.MsgBox(s.petName + "が知らない言葉を " + name + "から" + std::to_string(k) +
                   "コ 教えて貰ったようだ。");
    }
    game_.closeWordFiles();
  });
}

// ---- the fight ----

void frmFriend::battleStart_Click() {
  guarded(game_, "frmFriend/battleStart_Click ", [&] {
    GameState& s = game_.st;
    BattleFoe foe;
    foe.maxHp = friendPet.MAXHP;
    foe.hp = friendPet.HP;
    foe.maxMp = friendPet.MAXMP;
    foe.mp = friendPet.MP;
    foe.name = friendPet.PetName;
    foe.defense = friendPet.DEFENSE;
    foe.power = friendPet.POWER;
    foe.wordCount = friendWordCount;
    foe.relation = petRelation;
    foe.langPath = friendLangPath;
    foe.model = friendPet.MODEL;
    foe.speed = friendPet.SPEED;
    const auto f = static_cast<std::int64_t>(friendPet.MAXHP);
    const auto m = static_cast<std::int64_t>(s.maxHp);
    if (2 * m < f) {
      game_.MsgBox("…おりゃ、負け戦は好きじゃないんだよ。");
      s.answer2 = static_cast<std::int16_t>(game_.MsgBox(
          s.petName + "のＨＰが０になると" + s.petName + "は死んでしまいます。それでも戦いますか？",
          mb::kYesNo + mb::kQuestion));
      if (s.answer2 == mb::kNo) return;
      game_.MsgBox("だけどな、負ける…って勝手に割り切って諦めるのは、もっと好きじゃねぇ…。");
      s.userType = "負けず嫌いかただの馬鹿";
      chk::addTo(s.titleFlags[kTitleUnderdog], 1);
    }
    if (2 * f < m) {
      game_.MsgBox("…おりゃ、弱いものイジメは好きじゃないんだよ。");
      if (game_.MsgBox(
              "だけどまっ、胸を貸してやるつもりで…。いっちょ、けちょんけちょんにしてやるか…。",
              mb::kYesNo) == mb::kNo)
        return;
      s.userType = "ジャイアン";
      chk::addTo(s.titleFlags[kTitleBully], 1);
    }
    game_.form<frmBattle>().Battle_INI(foe);
    if (s.hp < 1 && closeOwner) closeOwner();
  });
}

}  // namespace myu
