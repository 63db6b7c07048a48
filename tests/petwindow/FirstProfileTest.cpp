// The first profile's checks, in order, and what they leave in the fields.
#include <gtest/gtest.h>

#include "startup/frmFirstProfile.h"
#include "support/TestGame.h"

namespace myu {
namespace {

struct Entry {
  const char* name;
  const char* mail;
  const char* age;
  const char* type;
  const char* pet;
  bool pass;
  const char* message;  // start of the complaint, "" when passing
  const char* focus;
  const char* petAfter;
};

std::string full(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += "あ";
  return s;
}

TEST(FirstProfileTest, ChecksInOrder) {
  const std::string name15 = full(15), name16 = full(16);
  const std::string mail30(30, 'm'), mail31(31, 'm');
  const Entry cases[] = {
      {"たろう", "", "25", "いいひと", "ぴよ", true, "", "", "ぴよ"},
      {name15.c_str(), mail30.c_str(), "25", "いいひと", "ぴよ", true, "", "", "ぴよ"},
      {"", "", "25", "いいひと", "ぴよ", false, "入力してください。", "Text1", "ぴよ"},
      {name16.c_str(), "", "25", "いいひと", "ぴよ", false, "ちょっと長すぎないか？\r\nできれば",
       "Text1", "ぴよ"},
      {"   ", "", "25", "いいひと", "ぴよ", true, "", "", "ぴよ"},
      {"Error", "", "25", "いいひと", "ぴよ", false, "えぇっ！？", "Text1", "ぴよ"},
      {"たろう", mail31.c_str(), "25", "いいひと", "ぴよ", false,
       "ちょっと長すぎないか？\r\nどぉしようも", "Text2", "ぴよ"},
      {"たろう", "", "", "いいひと", "ぴよ", false, "半角の数字を入力してください。", "Text3",
       "ぴよ"},
      {"たろう", "", "二十", "いいひと", "ぴよ", false, "半角の数字を入力してください。", "Text3",
       "ぴよ"},
      {"たろう", "", "1000", "いいひと", "ぴよ", false, "さすがにそれはウソでしょう。", "Text3",
       "ぴよ"},
      {"たろう", "", "２５", "いいひと", "ぴよ", true, "", "", "ぴよ"},
      {"たろう", "", "-1", "いいひと", "ぴよ", true, "", "", "ぴよ"},
      {"たろう", "", "25", "選んでください", "ぴよ", false, "選択してください。", "Combo1", "ぴよ"},
      {"たろう", "", "25", "あなたはどんなひと？", "ぴよ", true, "", "", "ぴよ"},
      {"たろう", "", "25", "いいひと", "ぺっとの名前", false, "って、なに？", "Text4", "ごんべぇ"},
      {"たろう", "", "25", "いいひと", "", false, "って、なに？", "Text4", "ごんべぇ"},
      {"たろう", "", "25", "いいひと", "Error", false, "えぇっ！？", "Text4", "えらー"},
      {"たろう", "", "25", "いいひと", name16.c_str(), false, "ちょっと長がいよ…", "Text4",
       name16.c_str()},
      // Names that cannot become the word file's name, or that a save file cannot hold.
      {"たろう", "", "25", "いいひと", "ぴ/よ", false, "その名前だと", "Text4", "ぴ/よ"},
      {"たろう", "", "25", "いいひと", "..", false, "その名前だと", "Text4", ".."},
      {"たろう", "", "25", "いいひと", "CON", false, "その名前だと", "Text4", "CON"},
      {"たろう", "", "25", "いいひと", "a:b", false, "その名前だと", "Text4", "a:b"},
      {"たろう", "", "25", "いいひと", "   ", false, "その名前だと", "Text4", "   "},
      {"たろう", "", "25", "いいひと", "ぴよ😀", false, "その名前だと", "Text4", "ぴよ😀"},
      {"たろう😀", "", "25", "いいひと", "ぴよ", false, "その字はおいらには読めないよ", "Text1",
       "ぴよ"},
      {"たろう", "", "25", "한국", "ぴよ", false, "その字はおいらには読めないよ", "Combo1", "ぴよ"},
  };
  for (const Entry& e : cases) {
    SCOPED_TRACE(std::string(e.name) + " / " + e.age + " / " + e.pet);
    test::TestGame tg;
    tg.dialogs.autoMode = true;
    auto& f = tg.game().form<frmFirstProfile>();
    f.ctl("Text1").text = e.name;
    f.ctl("Text2").text = e.mail;
    f.ctl("Text3").text = e.age;
    f.ctl("Combo1").text = e.type;
    f.ctl("Text4").text = e.pet;
    f.focus = "";
    EXPECT_EQ(f.ErrorChack1stProfile(), e.pass);
    if (e.pass) {
      EXPECT_EQ(tg.transcript(), "");
    } else {
      EXPECT_NE(
          tg.transcript().find("title=\"確認ウインドウ\" text=\"" +
                               quoteText(e.message).substr(1, quoteText(e.message).size() - 2)),
          std::string::npos)
          << tg.transcript();
      EXPECT_EQ(f.focus, e.focus);
    }
    EXPECT_EQ(f.ctl("Text4").text, e.petAfter);
  }
}

TEST(FirstProfileTest, UntouchedPetNameIsAcceptedTheSecondTime) {
  test::TestGame tg;
  tg.dialogs.autoMode = true;
  auto& f = tg.game().form<frmFirstProfile>();
  f.ctl("Text1").text = "たろう";
  f.ctl("Text3").text = "25";
  EXPECT_FALSE(f.ErrorChack1stProfile());
  EXPECT_EQ(f.ctl("Text4").text, "ごんべぇ");
  EXPECT_TRUE(f.ErrorChack1stProfile());
  EXPECT_EQ(tg.st().userSex, "？");
}

TEST(FirstProfileTest, WriteRollsInRangeAndSaves) {
  test::TestGame tg;
  auto& f = tg.game().form<frmFirstProfile>();
  f.ctl("Text1").text = " たろう ";
  f.ctl("Text2").text = "";
  f.ctl("Text3").text = " 25";
  f.ctl("Combo1").text = "わるいひと";
  f.ctl("Text4").text = " ぴよ";
  tg.st().userSex = "♂";
  tg.random.seed(7);
  EXPECT_NE(f.WriteFirstProfile(), 0);
  const GameState& s = tg.st();
  EXPECT_EQ(s.userName, "たろう");
  EXPECT_EQ(s.userAge, "25");
  EXPECT_EQ(s.petName, "ぴよ");
  for (int i = 0; i < kPersonalityCount; ++i) {
    EXPECT_GE(s.personality(i), 15);
    EXPECT_LE(s.personality(i), 23);
  }
  for (std::int32_t v : {s.power, s.defense, s.speed, s.luck, s.brain}) {
    EXPECT_GE(v, 15);
    EXPECT_LE(v, 23);
  }
  EXPECT_EQ(s.hp, s.maxHp);
  EXPECT_EQ(s.mp, s.maxMp);
  EXPECT_GE(s.maxHp, 25);
  EXPECT_LE(s.maxHp, 75);
  EXPECT_GE(s.condition, 0);
  EXPECT_LE(s.condition, 3);
  EXPECT_GE(s.happy, 65);
  EXPECT_GE(s.manpuku, 40);
  std::string ini = tg.text("user.ini");
  EXPECT_NE(ini.find("Name=たろう"), std::string::npos);
  EXPECT_NE(ini.find("START=2026/01/01 09:00:00"), std::string::npos);
  EXPECT_NE(ini.find("LASTTIME=2026/01/01 09:00:00"), std::string::npos);
}

TEST(FirstProfileTest, ClosingBeforeRegisteringAsks) {
  test::TestGame tg;
  tg.st().userName = "Error";
  auto& f = tg.game().form<frmFirstProfile>();
  tg.dialogs.answers = {1};
  tg.game().load(f);
  EXPECT_NE(tg.transcript().find("あなたのプロフィールを入力してください。"), std::string::npos);
  tg.dialogs.answers = {2};
  EXPECT_FALSE(tg.game().unload(f));
  EXPECT_FALSE(f.closed);
  tg.dialogs.answers = {1};
  EXPECT_TRUE(tg.game().unload(f));
  EXPECT_NE(tg.transcript().find("まだ、プロフィールの登録が済んでいませんが終了いたしますか？"),
            std::string::npos);
}

TEST(FirstProfileTest, NumericTest) {
  for (const char* yes : {"25", " 25 ", "-3", "+4", "1.5", ".5", "1e3", "&H1F", "２５", "　７"})
    EXPECT_TRUE(looksNumeric(yes)) << yes;
  for (const char* no : {"", " ", "abc", "1-", "e3", "1e", "&H", "二十", "25歳", "-"})
    EXPECT_FALSE(looksNumeric(no)) << no;
}

}  // namespace
}  // namespace myu
