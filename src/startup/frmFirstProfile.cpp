#include "startup/frmFirstProfile.h"

#include <cctype>

#include "kernel/Game.h"
#include "kernel/mdlMain.h"
#include "persistence/mdliniFile.h"
#include "platform/Checked.h"
#include "platform/FileNames.h"
#include "platform/Sjis.h"

namespace myu {
namespace {

constexpr const char* kCheckTitle = "確認ウインドウ";
constexpr const char* kPetNameDefault = "ぺっとの名前";

std::string trimBlanks(const std::string& s) {
  auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  auto last = s.find_last_not_of(' ');
  return s.substr(first, last - first + 1);
}

// Full-width digits, signs, point and blank to their half-width forms.
std::string halfWidth(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size();) {
    auto c = static_cast<unsigned char>(s[i]);
    if (c == 0xEF && i + 2 < s.size()) {
      auto b1 = static_cast<unsigned char>(s[i + 1]);
      auto b2 = static_cast<unsigned char>(s[i + 2]);
      // U+FF01..U+FF5E: EF BC 81..EF BD 9E
      int cp = -1;
      if (b1 == 0xBC && b2 >= 0x81 && b2 <= 0xBF) cp = 0xFF00 + (b2 - 0x80);
      if (b1 == 0xBD && b2 >= 0x80 && b2 <= 0x9E) cp = 0xFF40 + (b2 - 0x80);
      if (cp >= 0) {
        out += static_cast<char>(cp - 0xFF00 + 0x20);
        i += 3;
        continue;
      }
    }
    if (c == 0xE3 && i + 2 < s.size() && static_cast<unsigned char>(s[i + 1]) == 0x80 &&
        static_cast<unsigned char>(s[i + 2]) == 0x80) {
      out += ' ';  // ideographic space
      i += 3;
      continue;
    }
    out += s[i];
    ++i;
  }
  return out;
}

}  // namespace

bool looksNumeric(const std::string& utf8) {
  std::string s = halfWidth(utf8);
  auto first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return false;
  auto last = s.find_last_not_of(" \t");
  s = s.substr(first, last - first + 1);
  size_t i = 0;
  auto digits = [&](auto accept) {
    size_t start = i;
    while (i < s.size() && accept(static_cast<unsigned char>(s[i]))) ++i;
    return i - start;
  };
  if (s.size() > 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h')) {
    i = 2;
    return digits([](unsigned char c) { return std::isxdigit(c) != 0; }) > 0 && i == s.size();
  }
  if (s.size() > 2 && s[0] == '&' && (s[1] == 'O' || s[1] == 'o')) {
    i = 2;
    return digits([](unsigned char c) { return c >= '0' && c <= '7'; }) > 0 && i == s.size();
  }
  auto isDigit = [](unsigned char c) { return c >= '0' && c <= '9'; };
  if (s[i] == '+' || s[i] == '-') ++i;
  size_t n = digits(isDigit);
  if (i < s.size() && s[i] == '.') {
    ++i;
    n += digits(isDigit);
  }
  if (n == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (digits(isDigit) == 0) return false;
  }
  return i == s.size();
}

frmFirstProfile::frmFirstProfile(Game& g) : Form(g, kName) {
  Control& w = me();
  w.caption = "はじめましてだね。";
  w.width = 6150;
  w.height = 4575;
  w.backColor = rgb(255, 192, 192);

  struct Field {
    Control& label;
    const char* labelText;
    Control& box;
    const char* start;
    int top;
  };
  const Field fields[] = {{Label1, "あなたの名前", Text1, "あなたの名前", 240},
                          {Label2, "メールアドレス", Text2, "あなたのメールアドレス", 720},
                          {Label3, "お年頃", Text3, "年齢", 1200},
                          {Label4, "あなたの性格", Combo1, "あなたはどんなひと？", 1680},
                          {Label5, "ぺっとのお名前", Text4, "ぺっとの名前", 2160}};
  for (const Field& f : fields) {
    Control& l = place(f.label, 240, f.top + 60, 1575, 255);
    l.caption = f.labelText;
    l.opaque = false;
    Control& b = place(f.box, 1920, f.top, &f.box == &Text3 ? 975 : 3855, 360);
    b.text = f.start;
  }
  place(Label6, 3000, 1260, 2295, 255);
  Label6.caption = "(数字で入力してね)";
  Label6.opaque = false;
  Combo1.items = {"いいひと", "わるいひと", "ふつうのひと", "煮え切らない人"};

  place(Frame1, 240, 2700, 3375, 735);
  Frame1.caption = "あなたの性別";
  Frame1.backColor = rgb(255, 192, 192);
  Control* sexes[3] = {&Option1, &Option2, &Option3};
  const char* sexNames[3] = {"男", "女", "その他"};
  for (int i = 0; i < 3; ++i) {
    Control& o = place(*sexes[i], 240 + i * 1035, 300, 975, 300);
    o.caption = sexNames[i];
    o.backColor = rgb(255, 192, 192);
  }
  place(Command1, 3840, 2820, 1935, 615);
  Command1.caption = "よろしくね";
  Command1.backColor = rgb(255, 255, 192);

  on(Command1, Event::Click, [this](const EventArgs&) { Command1_Click(); });
}

void frmFirstProfile::Form_Load() {
  game_.st.answer2 = static_cast<std::int16_t>(
      game_.MsgBox("あなたのプロフィールを入力してください。", mb::kOkOnly, ""));
}

void frmFirstProfile::Command1_Click() {
  if (!ErrorChack1stProfile()) return;
  game_.st.answer2 =
      static_cast<std::int16_t>(game_.MsgBox("よろしいですか？", mb::kYesNo, kCheckTitle));
  if (game_.st.answer2 == mb::kNo) return;
  if (WriteFirstProfile() != 0) game_.unload(*this);
}

bool frmFirstProfile::ErrorChack1stProfile() {
  return guarded(game_, "frmFirstProfile/ErrorChack1stProfile ", false, [&] {
    auto refuse = [&](const std::string& message, const Control& field) {
      game_.MsgBox(message, mb::kOkOnly, kCheckTitle);
      focus = field.name;
      return false;
    };
    const std::string crlf = "\r\n";
    const std::string notStorable =
        "その字はおいらには読めないよ…。" + crlf + "ほかの字で書いてくれる？";
    const std::string& name = Text1.text;
    const std::string& mail = Text2.text;
    const std::string& age = Text3.text;
    const std::string& type = Combo1.text;
    Control& pet = Text4;

    if (name.empty()) return refuse("入力してください。", Text1);
    if (sjisLength(name) > 30)
      return refuse("ちょっと長すぎないか？" + crlf +
                        "できれば、一口で呼べるアダナみたいなのがいいんだけど…。",
                    Text1);
    if (!fitsCp932(name)) return refuse(notStorable, Text1);
    // "Error" is what the save reads as "no profile yet": it would register nobody.
    if (trimBlanks(name) == "Error")
      return refuse("えぇっ！？ そんな名前やめようよっ。せめて日本語。", Text1);
    if (sjisLength(mail) > 30)
      return refuse("ちょっと長すぎないか？" + crlf + "どぉしようもないって…？ まぁそうだよね…。",
                    Text2);
    if (!fitsCp932(mail)) return refuse(notStorable, Text2);
    if (age.empty() || !looksNumeric(age)) return refuse("半角の数字を入力してください。", Text3);
    {
      size_t chars = 0;
      for (unsigned char c : age)
        if ((c & 0xC0) != 0x80) ++chars;
      if (chars > 3) return refuse("さすがにそれはウソでしょう。", Text3);
    }
    if (type == "選んでください") return refuse("選択してください。", Combo1);
    if (!fitsCp932(type) || trimBlanks(type) == "Error") return refuse(notStorable, Combo1);
    if (pet.text.empty() || pet.text == kPetNameDefault) {
      bool r = refuse("って、なに？ おいらナナシのごんべぇ？？", Text4);
      pet.text = "ごんべぇ";
      return r;
    }
    if (pet.text == "Error") {
      bool r = refuse("えぇっ！？ そんな名前やめようよっ。せめて日本語。", Text4);
      pet.text = "えらー";
      return r;
    }
    if (sjisLength(pet.text) > 30)
      return refuse("ちょっと長がいよ…" + crlf + "もっとキュートなのにしてよ…。", Text4);
    // The pet's name becomes the name of its word file.
    const std::string petName = trimBlanks(pet.text);
    if (!fitsCp932(petName) || !isSafeFileName(petName + ".dat") || petName.empty() ||
        petName.find_first_of('.') == 0)
      return refuse(
          "その名前だと、おいらの言葉をしまっておけないよ…。" + crlf + "ほかの名前にしてよ。",
          Text4);

    GameState& s = game_.st;
    if (Option1.value == 1)
      s.userSex = "♂";
    else if (Option2.value == 1)
      s.userSex = "♀";
    else
      s.userSex = "？";
    return true;
  });
}

std::int32_t frmFirstProfile::WriteFirstProfile() {
  std::int32_t written = guarded(game_, "frmFirstProfile/WriteFirstProfile ", std::int32_t{0}, [&] {
    GameState& s = game_.st;
    s.userName = trimBlanks(Text1.text);
    s.userMail = trimBlanks(Text2.text);
    s.userSex = trimBlanks(s.userSex);
    s.userAge = trimBlanks(Text3.text);
    s.userType = trimBlanks(Combo1.text);
    s.petName = trimBlanks(Text4.text);

    auto roll16 = [&](int lo, int hi) {
      return chk::narrow<std::int16_t>(RandomBetween(game_, lo, hi));
    };
    s.otaku = roll16(15, 23);
    s.sukebe = roll16(15, 23);
    s.utaguria = roll16(15, 23);
    s.yantya = roll16(15, 23);
    s.wild = roll16(15, 23);
    s.majime = roll16(15, 23);
    s.amaenbou = roll16(15, 23);
    s.namakemono = roll16(15, 23);
    s.power = RandomBetween(game_, 15, 23);
    s.defense = RandomBetween(game_, 15, 23);
    s.speed = RandomBetween(game_, 15, 23);
    s.luck = RandomBetween(game_, 15, 23);
    s.brain = RandomBetween(game_, 15, 23);
    s.maxHp = RandomBetween(game_, 25, 75);
    s.hp = s.maxHp;
    s.maxMp = RandomBetween(game_, 25, 75);
    s.mp = s.maxMp;
    s.condition = RandomBetween(game_, 0, 3);
    s.happy = RandomBetween(game_, 65, 100);
    s.manpuku = RandomBetween(game_, 40, 100);

    if (!WriteProfile(game_)) return std::int32_t{0};
    const std::string now = game_.now().format();
    game_.ini.write(game_.userIni(), "TIME", "START", now);
    game_.ini.write(game_.userIni(), "TIME", "LASTTIME", now);
    return std::int32_t{-1};
  });
  // Not registered after all: the window's close still asks before ending the program.
  if (written == 0) game_.st.userName = "Error";
  return written;
}

bool frmFirstProfile::Form_QueryUnload() {
  if (game_.st.userName != "Error") return false;
  game_.st.answer2 = static_cast<std::int16_t>(
      game_.MsgBox("まだ、プロフィールの登録が済んでいませんが終了いたしますか？",
                   mb::kQuestion + mb::kOkCancel, ""));
  return game_.st.answer2 != mb::kOk;
}

}  // namespace myu
