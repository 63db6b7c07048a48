#include <gtest/gtest.h>

#include <string>

#include "friends/PetPictures.h"
#include "friends/frmBattle.h"
#include "friends/frmFriend.h"
#include "kernel/FileBrowser.h"
#include "kernel/Pictures.h"
#include "kernel/UserInput.h"
#include "support/TestGame.h"
#include "words/WordRecord.h"

namespace myu {
namespace {

std::string words(int count, const std::string& meaning, const std::string& stem) {
  std::string all;
  for (int i = 0; i < count; ++i)
    all += WordRecord{meaning, stem + std::to_string(i), "", ""}.pack();
  return all;
}

TEST(PersonalityRelation, followsTheCircleOfTypes) {
  struct Case {
    const char* own;
    const char* other;
    int relation;
  } cases[] = {
      {"オタク", "オタク", 0},
      {"オタク", "なまけものぉ", 1},  // neighbours round the end
      {"オタク", "わいるど", 4},
      {"スケベ", "まじめ", 4},
      {"やんちゃ", "スケベ", 2},
      {"まじめ", "オタク", 3},
      {"なし", "オタク", 2},
      {"わいるど", "なし", 2},
      {"なし", "なし", 2},
      {"だれか", "わいるど", 4},  // unknown counts as オタク
      {"あまえん坊", "ウタガイ屋", 4},
      {"なまけものぉ", "ウタガイ屋", 3},
  };
  for (const Case& c : cases)
    EXPECT_EQ(personalityRelation(c.own, c.other), c.relation) << c.own << " / " << c.other;
}

TEST(FriendWindowTexts, versionShowsOneToThreeDecimals) {
  EXPECT_EQ(versionText(1.0f), "1.0");
  EXPECT_EQ(versionText(2.0f), "2.0");
  EXPECT_EQ(versionText(1.51f), "1.51");
  EXPECT_EQ(versionText(0.1234f), "0.123");
  EXPECT_EQ(versionText(-3.0f), "-3.0");
  EXPECT_EQ(versionText(0.0f), "0.0");
}

TEST(FriendWindowTexts, aFriendPetNameMustNameAFileInItsFolder) {
  for (const char* good : {"ぴよ吉", "Piyo 2", "ぴ.よ"})
    EXPECT_TRUE(isUsableFriendPetName(good)) << good;
  for (const char* bad :
       {"", "..", "../x", "a/b", "a\\b", "/etc/passwd", "C:x", "CON", "nul", "x\x01y", "😀", "a*b"})
    EXPECT_FALSE(isUsableFriendPetName(bad)) << "[" << bad << "]";
  EXPECT_TRUE(isUsableFriendPetName(std::string(251, 'a')));
  EXPECT_FALSE(isUsableFriendPetName(std::string(252, 'a')));
}

TEST(FileLists, patternsMatchWithStarsAndLetterCaseAside) {
  EXPECT_TRUE(matchesPattern("太郎.kvo", "*.kvo"));
  EXPECT_TRUE(matchesPattern("太郎.KVO", "*.kvo"));
  EXPECT_FALSE(matchesPattern("太郎.kvo.txt", "*.kvo"));
  EXPECT_TRUE(matchesPattern("ポチの遺言03月01日没.dat", "*遺言*.dat"));
  EXPECT_TRUE(matchesPattern("遺言.dat", "*遺言*.dat"));
  EXPECT_FALSE(matchesPattern("ポチ.dat", "*遺言*.dat"));
  EXPECT_TRUE(matchesPattern("a1.krp", "a?.krp"));
  EXPECT_TRUE(matchesPattern("あ.krp", "?.krp"));  // one character, not one byte
}

// The friends window with a friend shown from the folder "f".
class FriendsWindow : public ::testing::Test {
 protected:
  void SetUp() override { t.healthyPet("花子", 50); }
  frmFriend& openWith(const std::string& friendWords) {
    t.put("f/太郎.kvo", "[PETPROFILE]\r\nPetName=ぴよ吉\r\n");
    t.putBytes("f/ぴよ吉.dat", friendWords);
    frmFriend& f = t.game().form<frmFriend>();
    t.game().show(f);
    userType(f, "Dir1", "f");
    userSelect(f, "File1", 0);
    return f;
  }
  test::TestGame t;
};

TEST_F(FriendsWindow, chatStopsAtAThousandWords) {
  t.putBytes("モフ.dat", words(999, "悪口", "own"));
  frmFriend& f = openWith(words(5, "悪口", "new"));
  ASSERT_TRUE(f.ctl("Command2").enabled);
  t.dialogs.answers = {1};
  userClick(f, "Command2");
  EXPECT_EQ(t.bytes("モフ.dat").size(), 1000u * WordRecord::kLength);
  EXPECT_NE(t.transcript().find("から1コ 教えて貰ったようだ。"), std::string::npos);
  // Full now: a will or a second chat adds nothing.
  EXPECT_EQ(f.PutDatCopy(pathToUtf8(t.folder / u8path("f/ぴよ吉.dat"))), 0);
  EXPECT_EQ(t.bytes("モフ.dat").size(), 1000u * WordRecord::kLength);
}

TEST_F(FriendsWindow, aFullVocabularyCannotChat) {
  t.putBytes("モフ.dat", words(1000, "悪口", "own"));
  frmFriend& f = openWith(words(5, "悪口", "new"));
  EXPECT_EQ(f.ctl("F_lastrec").caption, "5コ");
  EXPECT_FALSE(f.ctl("Command2").enabled);
  EXPECT_TRUE(f.ctl("battleStart").enabled);
}

TEST_F(FriendsWindow, copiedRecordsKeepTheirBytes) {
  t.putBytes("モフ.dat", words(1, "悪口", "own"));
  // a record with a NUL inside its word field and trailing bytes after it
  std::string odd = WordRecord{"悪口", "ねこ", "", ""}.pack();
  odd[24] = '\0';
  odd[25] = 'x';
  frmFriend& f = openWith(odd);
  EXPECT_EQ(f.PutDatCopy(pathToUtf8(t.folder / u8path("f/ぴよ吉.dat"))), 1);
  EXPECT_EQ(t.bytes("モフ.dat").substr(WordRecord::kLength), odd);
  EXPECT_EQ(f.friendWordCount, 1);
}

TEST_F(FriendsWindow, aChatWithoutTheFriendsLanguageFileSaysWhereItLooked) {
  t.putBytes("モフ.dat", words(1, "悪口", "own"));
  frmFriend& f = openWith(words(2, "悪口", "new"));
  std::filesystem::remove(t.folder / u8path("f/ぴよ吉.dat"));
  t.dialogs.answers = {1};
  userClick(f, "Command2");
  EXPECT_NE(
      t.transcript().find("msgbox style=64 title=\"\" text=\"友達のファイルがおいてあるフォルダと"
                          "同じ場所に『ぴよ吉.dat』 という言語ﾌｧｲﾙが見当たらないヨ。\""),
      std::string::npos);
  EXPECT_FALSE(t.exists("f/ぴよ吉.dat"));
  EXPECT_EQ(t.bytes("モフ.dat").size(), WordRecord::kLength);
}

// The battle window set up by hand, without showing it.
class Battle : public ::testing::Test {
 protected:
  void SetUp() override {
    t.healthyPet("花子", 50);
    t.st().power = 40;
    t.st().defense = 50;
    b.friendName = "ぴよ吉";
    b.friendMaxHp = b.friendHp = 100;
    b.friendMaxMp = b.friendMp = 40;
    t.game().load(b);
  }
  test::TestGame t;
  frmBattle& b = t.game().form<frmBattle>();
};

TEST_F(Battle, blowsFollowEachSidesFormula) {
  // own: int(f × power × a/2) − round(f × friend defence), f = (5 − relation) / 5, at least
  // a draw of 1 to 5; friend: int(g × power × a/2) − int(g × own defence), g = (5 − relation)
  // / 4, at least a draw of 1 to 15.
  struct Case {
    bool own;
    int relation, power, defense, a;
    int draw;  // the draw for a hit below 1, 0 when none is made
    int damage;
  } cases[] = {
      {true, 0, 40, 10, 2, 0, 30},    // 40 − 10
      {true, 4, 40, 10, 2, 0, 6},     // 8 − 2
      {true, 3, 45, 9, 2, 0, 14},     // 18 − round(3.6)
      {true, 2, 50, 5, 3, 0, 42},     // 45 − 3
      {true, 3, 45, 25, 1, 4, 4},     // 9 − 10: drawn
      {false, 1, 40, 10, 2, 0, 30},   // 40 − 10
      {false, 4, 40, 14, 3, 0, 12},   // 15 − int(3.5)
      {false, 0, 10, 50, 2, 11, 11},  // 12 − 62: drawn
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << (c.own ? "own" : "friend") << " relation " << c.relation << " a " << c.a);
    b.petRelation = static_cast<std::int16_t>(c.relation);
    b.friendHp = 100;
    t.st().hp = 100;
    t.random.queued = {c.a};
    if (c.draw != 0) t.random.queued.push_back(c.draw);
    if (c.own) {
      t.st().power = c.power;
      b.friendDefense = c.defense;
      ASSERT_TRUE(b.AttackU());
      EXPECT_EQ(100 - b.friendHp, c.damage);
    } else {
      b.friendPower = c.power;
      t.st().defense = c.defense;
      ASSERT_TRUE(b.AttackF());
      EXPECT_EQ(100 - t.st().hp, c.damage);
    }
    EXPECT_TRUE(t.random.queued.empty());
  }
}

TEST_F(Battle, theFleeLimitRoundsATieToEven) {
  struct Case {
    int hp, maxHp, a;
    bool flees;
  } cases[] = {{2, 25, 10, false}, {3, 35, 10, true}, {3, 30, 10, false}, {2, 30, 10, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.hp << " of " << c.maxHp << " with a " << c.a);
    b.battleLost = false;
    t.st().maxHp = c.maxHp;
    t.st().hp = c.hp;
    // not fleeing: a blow follows (k = 3, a = 1, the own pet's turn)
    t.random.queued = {c.a};
    if (!c.flees) t.random.queued.insert(t.random.queued.end(), {3, 1, 1});
    t.dialogs.autoMode = true;
    b.ownTurn = true;
    ASSERT_TRUE(b.DoBattle());
    EXPECT_EQ(b.battleLost, c.flees);
    EXPECT_TRUE(t.random.queued.empty());
  }
}

TEST_F(Battle, wordsOfAMeaningCountUpToThreeHundred) {
  // 350 own insults against 300: both count 300, a draw
  t.putBytes("モフ.dat", words(350, "悪口", "own"));
  t.putBytes("f.dat", words(300, "ひどい悪口", "foe"));
  b.friendWordCount = 1;
  b.friendLangPath = pathToUtf8(t.folder / "f.dat");
  t.random.queued = {1, 2, 3, 4, 5, 6};
  const std::int32_t mp = t.st().mp;
  ASSERT_TRUE(b.Battle2(0));
  EXPECT_EQ(t.st().mp, mp - mp / 10);
  EXPECT_EQ(b.friendMp, 36);
  EXPECT_EQ(b.friendWordCount, 300);
  EXPECT_EQ(b.ctl("List1").items.back(),
            "互いの毒舌ぶりは拮抗している！ お互を傷ついただけだった！！");
  EXPECT_LE(b.ctl("List1").items.size(), 4u);
}

TEST_F(Battle, picturesOfAnUnknownSpeciesStayAtPoseZero) {
  for (const char* name : {"Mof_IMG_0a.bmp", "Mof_IMG_0b.bmp", "Oth_IMG_0a.bmp", "Oth_IMG_0b.bmp",
                           "Fwa_IMG_18a.bmp", "fwa_IMG_0a.bmp"})
    t.put(std::string("Img/") + name, "bmp");
  ShowBattlePose(t.game(), b, 0);
  std::int32_t pose = 18;
  DrawBattlePictures(t.game(), b, pose, "Oth");
  EXPECT_EQ(pose, 0);
  const std::string first = b.ctl("PicIMG", 1).picture;
  const std::string ownFirst = b.ctl("PicIMG", 0).picture;
  EXPECT_TRUE(b.ctl("PicIMG", 1).mirrored);
  pose = 18;
  DrawBattlePictures(t.game(), b, pose, "Oth");
  EXPECT_NE(b.ctl("PicIMG", 1).picture, first);  // the two pictures alternate
  EXPECT_NE(b.ctl("PicIMG", 0).picture, ownFirst);
  // the sister species has its own poses; a name in another letter case is not used
  pose = 18;
  DrawBattlePictures(t.game(), b, pose, "Fwa");
  EXPECT_EQ(pose, 18);
  EXPECT_EQ(b.ctl("ImgKao", 2).picture, pathToUtf8(t.folder / "Img" / "Fwa_IMG_18a.bmp"));
  std::string prefix = "?";
  Select_Fpet_IMG(t.game(), "フワリーノ", prefix);
  EXPECT_EQ(prefix, "Fwa");
  Select_Fpet_IMG(t.game(), "モフリーノ", prefix);
  EXPECT_EQ(prefix, "Mof");
  Select_Fpet_IMG(t.game(), "ポンコツ", prefix);
  EXPECT_EQ(prefix, "Oth");
}

}  // namespace
}  // namespace myu
