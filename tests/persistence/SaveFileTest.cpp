// user.ini, title.ini, the stamps, dead.ini and friend files, through the save procedures.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "kernel/mdlMain.h"
#include "persistence/mdliniFile.h"
#include "support/TestGame.h"

namespace myu {
namespace {

std::string fixture(const std::string& name) {
  std::ifstream f(std::filesystem::path(MYURUKA_TEST_DATA) / name, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

// A pet some weeks old, with a few values out of range that the save clamps.
void raisedPet(GameState& s) {
  s.userName = "太郎";
  s.userMail = "taro@example.jp";
  s.userSex = "♂";
  s.userAge = "21";
  s.userType = "のんびり屋";
  s.petName = "ぴよ";
  s.petType = "オタク";
  s.petModel = "モフリーノ";
  s.petVer = 1.51f;
  s.otaku = 30, s.sukebe = 12, s.utaguria = 5, s.yantya = 0, s.wild = 7, s.majime = 9,
  s.amaenbou = 20, s.namakemono = 3;
  s.power = 45, s.defense = 38, s.speed = 52, s.luck = 61;
  s.maxHp = 120, s.hp = 95, s.maxMp = 80, s.mp = 44;
  s.brain = 650;  // saved as 500
  s.happy = 70, s.manpuku = 55, s.condition = -9, s.alcohol = 3, s.junk = 2;
  s.timeSec = 40, s.timeMin = 12, s.timeHour = 3;
  s.eventCount = 1234;
  s.countTYPEo = 11, s.countTYPEs = 2, s.countTYPEu = 3, s.countTYPEy = 4, s.countTYPEw = 5,
  s.countTYPEm = 6, s.countTYPEa = 7, s.countTYPEn = 8;
  s.junkCount = 1, s.kindanCount = 0, s.battleCount = 4, s.battleWinCount = 3;
  s.titleFlags[0] = 2, s.titleFlags[8] = 1, s.titleFlags[9] = 10, s.titleFlags[16] = 3,
  s.titleFlags[22] = 1;
}

class SaveFileTest : public ::testing::Test {
 protected:
  SaveFileTest() {
    t.dialogs.autoMode = true;
    g().petWindow().setPosition(1440, 720);
  }
  Game& g() { return t.game(); }
  GameState& st() { return t.st(); }
  bool save(std::int16_t menuType = 6) { return fSave_UserData(g(), menuType); }
  bool loadAll() {
    std::int16_t menuType = 0;
    return GetUserProfile(g()) && GetState(g()) && GetCount(g(), menuType) && GetRoyalTitle(g());
  }
  std::string log() { return t.text("KivoError.log"); }

  test::TestGame t;
};

TEST_F(SaveFileTest, FullSaveWritesBothFilesByteExact) {
  raisedPet(st());
  ASSERT_TRUE(save());
  EXPECT_EQ(t.bytes("user.ini"), fixture("full-save/user.ini"));
  EXPECT_EQ(t.bytes("title.ini"), fixture("full-save/title.ini"));
  EXPECT_FALSE(t.exists("user.ini.tmp"));
  EXPECT_TRUE(t.transcript().empty()) << t.transcript();
}

TEST_F(SaveFileTest, SaveThenLoadGivesTheSameRecordAndPassesTheStamp) {
  raisedPet(st());
  ASSERT_TRUE(save());
  GameState saved = st();
  st() = GameState{};
  ASSERT_TRUE(loadAll());
  EXPECT_TRUE(ChackProfile(g()));
  EXPECT_EQ(st().brain, 500);
  EXPECT_EQ(st().petType, "オタク");
  EXPECT_EQ(st().condition, -9);
  EXPECT_EQ(st().titleFlags, saved.titleFlags);
  EXPECT_EQ(st().countTYPEn, 8);
  EXPECT_EQ(st().lastTime, "2026/01/01 09:00:00");
}

TEST_F(SaveFileTest, ASaveThatCannotBeWrittenLeavesBothOldFiles) {
  raisedPet(st());
  ASSERT_TRUE(save());
  const std::string oldUser = t.bytes("user.ini");
  const std::string oldTitle = t.bytes("title.ini");
  st().hp = 1;
  st().titleFlags[3] = 7;
  // A directory where the temporary file goes: no write can happen, even as root.
  std::filesystem::create_directory(t.folder / "user.ini.tmp");
  EXPECT_FALSE(save());
  EXPECT_EQ(t.bytes("user.ini"), oldUser);
  EXPECT_EQ(t.bytes("title.ini"), oldTitle);
  EXPECT_FALSE(t.exists("title.ini.tmp"));
  EXPECT_NE(log().find("mdliniFile/fSave_UserData ErrorHandle:(75)"), std::string::npos) << log();
}

TEST_F(SaveFileTest, SaveKeepsStartAndAnOldMenuTypeOfZero) {
  t.put("user.ini", "[TIME]\r\nSTART=2025/12/24 18:00:00\r\n[ONTYPE]\r\nTYPE=7\r\n");
  raisedPet(st());
  ASSERT_TRUE(save(0));
  const std::string text = t.text("user.ini");
  EXPECT_EQ(text.rfind("[TIME]\r\nSTART=2025/12/24 18:00:00\r\nLASTTIME=", 0), 0u) << text;
  EXPECT_NE(text.find("[ONTYPE]\r\nTYPE=7\r\n"), std::string::npos) << text;
}

TEST_F(SaveFileTest, AMinimisedWindowKeepsItsSavedPosition) {
  t.put("user.ini", "[POSITION]\r\nLeft=10\r\nTop=20\r\n");
  raisedPet(st());
  static_cast<DetachedPetWindow&>(g().petWindow()).normal_ = false;
  ASSERT_TRUE(save());
  EXPECT_EQ(t.text("user.ini").rfind("[POSITION]\r\nLeft=10\r\nTop=20\r\nMode=0\r\n", 0), 0u);
}

TEST(Stamp, Values) {
  struct Case {
    std::int32_t hp, maxHp, maxMp;
    const char* expected;
  } cases[] = {
      {0, 0, 0, "3E1"},    // |7 - 1000| = 993
      {142, 0, 0, "1"},    // 143 * 7 - 1000
      {141, 0, 0, "6"},    // |994 - 1000|
      {0, 71, 0, "1"},     // maxHp counts twice
      {0, 0, 500, "3E1"},  // maxMp does not count
  };
  for (const auto& c : cases) {
    GameState s;
    s.hp = c.hp, s.maxHp = c.maxHp, s.maxMp = c.maxMp;
    EXPECT_EQ(stampText(statusStampValue(s)), c.expected) << c.hp << " " << c.maxHp;
  }
  GameState s;
  EXPECT_EQ(stampText(titleStampValue(s)), "3DB");
  s.titleFlags[25] = 76;  // (77 * 13) - 1000 = 1
  EXPECT_EQ(stampText(titleStampValue(s)), "1");
  s.maxHp = 0x7FFFFFFF;
  EXPECT_THROW(statusStampValue(s), VbError);
}

TEST_F(SaveFileTest, StampCheck) {
  struct Case {
    const char* user;
    const char* title;
    bool passes;
  } cases[] = {
      {"", "", true},  // no [PASSWORD] anywhere
      {"[PASSWORD]\r\nPASSCODE2=3E1\r\n", "[PASSWORD]\r\nPASSCODE2=3DB\r\n", true},
      {"[PASSWORD]\r\nPASSCODE2=3e1\r\n", "", false},  // case counts
      {"[PASSWORD]\r\nPASSCODE2=8261\r\n", "[PASSWORD]\r\nPASSCODE2=8261\r\n", true},
      {"[PASSWORD]\r\nPASSCODE2=3E2\r\n", "", false},
      {"", "[PASSWORD]\r\nPASSCODE2=3DC\r\n", false},
  };
  for (const auto& c : cases) {
    t.put("user.ini", c.user);
    t.put("title.ini", c.title);
    EXPECT_EQ(ChackProfile(g()), c.passes) << c.user << " / " << c.title;
  }
}

TEST_F(SaveFileTest, EditingMaxHpInTheFileIsNoticedEditingMaxMpIsNot) {
  raisedPet(st());
  ASSERT_TRUE(save());
  std::string text = t.text("user.ini");
  auto edit = [&](const std::string& from, const std::string& to) {
    std::string copy = text;
    copy.replace(copy.find(from), from.size(), to);
    t.put("user.ini", copy);
    st() = GameState{};
    EXPECT_TRUE(loadAll());
    return ChackProfile(g());
  };
  EXPECT_FALSE(edit("MAXHP=120", "MAXHP=121"));
  EXPECT_TRUE(edit("MAXMP=80", "MAXMP=81"));
}

TEST_F(SaveFileTest, PersonalityTypeIsTheOneLargestCounter) {
  struct Case {
    const char* counters;
    const char* type;
  } cases[] = {
      {"OTAKU=30\r\nSUKEBE=12\r\n", "オタク"},
      {"YANTYA=40\r\nMAJIME=40\r\nOTAKU=3\r\n", "なし"},
      {"", "なし"},
      {"NAMAKEMONO=1\r\n", "なまけものぉ"},
      {"WILD=-1\r\n", "なし"},  // the other seven share 0
  };
  for (const auto& c : cases) {
    t.put("user.ini",
          std::string("[PROFILE]\r\nName=a\r\nSex=♀\r\nAge=3\r\nType=b\r\n[PETPROFILE]\r\n") +
              c.counters);
    ASSERT_TRUE(GetUserProfile(g())) << c.counters;
    EXPECT_EQ(st().petType, c.type) << c.counters;
  }
}

TEST_F(SaveFileTest, ProfileNeedsNameSexAgeAndTypeButNotMail) {
  t.put("user.ini", "[PROFILE]\r\nName=a\r\nSex=？\r\nAge=3\r\nType=b\r\n");
  EXPECT_TRUE(GetUserProfile(g()));
  EXPECT_EQ(st().userMail, "Error");
  EXPECT_EQ(st().petName, "Error");
  EXPECT_EQ(st().maxHp, 30);
  EXPECT_EQ(st().userSex, "？");
  t.put("user.ini", "[PROFILE]\r\nName=a\r\nSex=？\r\nType=b\r\n");
  EXPECT_FALSE(GetUserProfile(g()));
  std::filesystem::remove(t.folder / "user.ini");
  EXPECT_FALSE(GetUserProfile(g()));
  EXPECT_FALSE(t.exists("KivoError.log")) << "no profile is not an error";
}

TEST_F(SaveFileTest, ValuesBeyondTheirTypeAreReadIntoRangesThatCannotOverflow) {
  t.put("user.ini",
        "[PROFILE]\r\nName=a\r\nSex=♂\r\nAge=3\r\nType=b\r\n[PETPROFILE]\r\nSUKEBE=40000\r\n"
        "OTAKU=-99999\r\nJUNK=2147483647\r\n[COUNT]\r\nJUNK=2147483647\r\nEVENT=-2147483648\r\n"
        "[ONTYPE]\r\nTYPE=70000\r\n[POSITION]\r\nMode=40000\r\n");
  t.put("title.ini", "[SERVE]\r\nMUTYA=2147483647\r\n[SYORI]\r\nIKASAMA=-2147483648\r\n");
  ASSERT_TRUE(GetUserProfile(g()));
  std::int16_t menuType = 0;
  ASSERT_TRUE(GetCount(g(), menuType));
  ASSERT_TRUE(GetState(g()));
  ASSERT_TRUE(GetRoyalTitle(g()));
  EXPECT_EQ(st().sukebe, 32767);
  EXPECT_EQ(st().otaku, -32767);
  EXPECT_EQ(st().junk, 1000000);
  EXPECT_EQ(st().junkCount, 100000000);
  EXPECT_EQ(st().eventCount, -100000000);
  EXPECT_EQ(menuType, 32767);
  EXPECT_EQ(g().petWindow().windowMode(), 32767);
  EXPECT_EQ(st().titleFlags[18], 1000000);
  EXPECT_EQ(st().titleFlags[22], -1000000);
  EXPECT_EQ(log(), "");
  // Whatever was read, the save and its stamps can be written.
  EXPECT_TRUE(fSave_UserData(g(), menuType));
  EXPECT_TRUE(ChackProfile(g()));
}

TEST_F(SaveFileTest, AStampOverValuesNoSaveCanHoldMatchesNothingWithoutAnError) {
  t.put("user.ini",
        "[PETPROFILE]\r\nHP=2147483647\r\nMAXHP=2147483647\r\n"
        "[PASSWORD]\r\nPASSCODE2=0\r\n");
  st().hp = st().maxHp = 2147483647;
  EXPECT_FALSE(ChackProfile(g()));
  EXPECT_EQ(log(), "");
}

TEST_F(SaveFileTest, LoadedValuesAreNotClampedUntilTheNextSave) {
  t.put("user.ini",
        "[PROFILE]\r\nName=a\r\nSex=♂\r\nAge=3\r\nType=b\r\n[PETPROFILE]\r\nHP=1200\r\nMAXHP="
        "1000\r\n");
  ASSERT_TRUE(GetUserProfile(g()));
  EXPECT_EQ(st().hp, 1200);
  ASSERT_TRUE(WriteProfile(g()));
  EXPECT_NE(t.text("user.ini").find("\r\nHP=1000\r\n"), std::string::npos);
}

TEST_F(SaveFileTest, MenuTypeSelectsTheBehaviourOption) {
  struct Case {
    const char* stored;
    std::int16_t menuType;
    int option;
  } cases[] = {{"TYPE=8", 8, 0}, {"TYPE=6", 6, 1}, {"TYPE=7", 7, 2}, {"TYPE=5", 5, 3},
               {"", 4, 4},       {"TYPE=1", 1, 5}, {"TYPE=3", 3, -1}};
  for (const auto& c : cases) {
    auto& w = static_cast<DetachedPetWindow&>(g().petWindow());
    w.selected_ = -1;
    t.put("user.ini", std::string("[ONTYPE]\r\n") + c.stored + "\r\n");
    std::int16_t menuType = 0;
    ASSERT_TRUE(GetCount(g(), menuType));
    EXPECT_EQ(menuType, c.menuType) << c.stored;
    EXPECT_EQ(w.selected_, c.option) << c.stored;
  }
}

TEST(FormatSingle, PlainDecimalsAsThePlatformWritesThem) {
  struct Case {
    float value;
    const char* text;
  } cases[] = {{1.51f, "1.51"}, {1440, "1440"},        {-720, "-720"},
               {30, "30"},      {1.05f, "1.05"},       {0, "0"},
               {0.5f, "0.5"},   {12345.5f, "12345.5"}, {1e20f, "1e+20"}};
  for (const auto& c : cases) EXPECT_EQ(formatSingle(c.value), c.text) << c.text;
}

TEST(ClampStatus, Ranges) {
  struct Case {
    const char* what;
    void (*before)(GameState&);
    bool (*holds)(const GameState&);
  } cases[] = {
      {"negative maxHp becomes 30, hp then 0", [](GameState& s) { s.maxHp = -5, s.hp = 12; },
       [](const GameState& s) { return s.maxHp == 30 && s.hp == 0; }},
      {"maxHp 1500 and hp 1200 become 1000", [](GameState& s) { s.maxHp = 1500, s.hp = 1200; },
       [](const GameState& s) { return s.maxHp == 1000 && s.hp == 1000; }},
      {"mp follows maxMp", [](GameState& s) { s.maxMp = 50, s.mp = 70; },
       [](const GameState& s) { return s.maxMp == 50 && s.mp == 50; }},
      {"brain 650 becomes 500", [](GameState& s) { s.brain = 650; },
       [](const GameState& s) { return s.brain == 500; }},
      {"happy -3 becomes 0", [](GameState& s) { s.happy = -3; },
       [](const GameState& s) { return s.happy == 0; }},
      {"100 caps",
       [](GameState& s) {
         s.power = 101, s.speed = 200, s.defense = 101, s.luck = 999, s.manpuku = 101;
       },
       [](const GameState& s) {
         return s.power == 100 && s.speed == 100 && s.defense == 100 && s.luck == 100 &&
                s.manpuku == 100;
       }},
      {"counters 140 and -2", [](GameState& s) { s.otaku = 140, s.namakemono = -2; },
       [](const GameState& s) { return s.otaku == 100 && s.namakemono == 0; }},
      {"condition, alcohol, junk, counters and titles untouched",
       [](GameState& s) {
         s.condition = -9, s.alcohol = 999, s.junk = -4, s.eventCount = -1, s.titleFlags[0] = -3;
       },
       [](const GameState& s) {
         return s.condition == -9 && s.alcohol == 999 && s.junk == -4 && s.eventCount == -1 &&
                s.titleFlags[0] == -3;
       }},
      {"maxHp 0 keeps hp at 0", [](GameState& s) { s.maxHp = 0, s.hp = 5; },
       [](const GameState& s) { return s.maxHp == 0 && s.hp == 0; }},
  };
  for (const auto& c : cases) {
    GameState s;
    s.maxHp = 100, s.maxMp = 100;
    c.before(s);
    ClampStatus(s);
    EXPECT_TRUE(c.holds(s)) << c.what;
  }
}

TEST_F(SaveFileTest, MissingTitleFileLoadsZerosAndABadFlagReadsZero) {
  EXPECT_TRUE(GetRoyalTitle(g()));
  EXPECT_EQ(st().titleFlags, (std::array<std::int32_t, kTitleCount>{}));
  EXPECT_TRUE(ChackProfile(g()));
  t.put("title.ini", "[SERVE]\r\nMUTYA=abc\r\nTOBUKUSURI=12\r\n[syori]\r\nnodata=4\r\n");
  EXPECT_TRUE(GetRoyalTitle(g()));
  EXPECT_EQ(st().titleFlags[18], 0);
  EXPECT_EQ(st().titleFlags[9], 12);
  EXPECT_EQ(st().titleFlags[25], 4);
}

TEST_F(SaveFileTest, DeadPetGoesIntoTheFirstGap) {
  raisedPet(st());
  struct Case {
    const char* existing;
    const char* written;
  } cases[] = {
      {"[1PROFILE]\r\nuserName=a\r\n[2PROFILE]\r\nuserName=b\r\n", "3PROFILE"},
      {"[1PROFILE]\r\nuserName=a\r\n[3PROFILE]\r\nuserName=c\r\n", "2PROFILE"},
      {"[1PROFILE]\r\nuserName=Error\r\n", "1PROFILE"},
      {"", "1PROFILE"},
  };
  for (const auto& c : cases) {
    t.put("dead.ini", c.existing);
    ASSERT_TRUE(WriteDeadPet(g()));
    EXPECT_NE(t.text("dead.ini").find(std::string("[") + c.written + "]\r\nuserName=太郎\r\n"),
              std::string::npos)
        << t.text("dead.ini");
  }
}

TEST_F(SaveFileTest, DeadPetRecordHoldsDaysWordsAndTheMoment) {
  raisedPet(st());
  st().startTime = "2026/01/01 23:59:00";
  st().deadType = "老衰";
  t.clock.set({2026, 1, 2, 0, 1, 0});
  t.putBytes("ぴよ.dat", std::string(120, ' '));
  ASSERT_TRUE(WriteDeadPet(g()));
  EXPECT_EQ(t.text("dead.ini"),
            "[1PROFILE]\r\nuserName=太郎\r\nuserType=のんびり屋\r\npetNAME=ぴよ\r\npetDAY=1日\r\n"
            "petTYPE=オタク\r\npetVER=1.51\r\npetLANG=2コ\r\npetFDAY=2026/01/02 00:01:00\r\n"
            "deadTYPE=老衰\r\npetMODEL=モフリーノ\r\n");
  DeadPetRecord r;
  EXPECT_NE(GetDeadPet(g(), 1, r), 0);
  EXPECT_EQ(r.petDAY, "1日");
  EXPECT_EQ(r.petLANG, "2コ");
}

TEST_F(SaveFileTest, DeadPetBeyondTheEndOrIncompleteGivesDefaults) {
  t.put("dead.ini", "[1PROFILE]\r\nuserName=a\r\npetNAME=b\r\n");
  DeadPetRecord r;
  EXPECT_NE(GetDeadPet(g(), 2, r), 0);
  EXPECT_EQ(r.userName, "Error");
  EXPECT_EQ(r.petNAME, "Error");
  EXPECT_EQ(r.petMODEL, "ポンコツ");
  EXPECT_EQ(r.petDAY, "生存日数不明");
  EXPECT_EQ(r.petFDAY, "享年不明");
  EXPECT_EQ(r.petLANG, "不明");
  EXPECT_EQ(r.petTYPE, "つかみどころなし");
  EXPECT_EQ(r.deadTYPE, "原因不明");
  EXPECT_NE(GetDeadPet(g(), 1, r), 0);
  EXPECT_EQ(r.userType, "ｼｰｸﾚｯﾄ");
  EXPECT_EQ(r.petNAME, "b");
}

TEST_F(SaveFileTest, FriendFileWithoutSectionsGivesDefaults) {
  t.put("friend.kvo", "ただのテキスト\r\nName=x\r\n");
  t.clock.set({2026, 5, 6, 7, 8, 9});
  const std::string path = pathToUtf8(t.folder / "friend.kvo");
  FriendUser u;
  FriendPet p;
  FriendTime tm;
  EXPECT_TRUE(GetFriendProfile(g(), path, u));
  EXPECT_TRUE(GetFriendPetProfile(g(), path, p));
  EXPECT_TRUE(GetFriendTime(g(), path, tm));
  for (const auto* v : {&u.Name, &u.Mail, &u.Sex, &u.Age, &u.Type, &p.PetName})
    EXPECT_EQ(*v, "Error");
  EXPECT_EQ(p.MAXHP, 30);
  EXPECT_EQ(p.MAXMP, 30);
  EXPECT_EQ(p.HP, 30);
  EXPECT_EQ(p.MP, 30);
  EXPECT_EQ(p.POWER, 0);
  EXPECT_EQ(p.VER, 1.0f);
  EXPECT_EQ(p.TYPE, "なし");
  EXPECT_EQ(p.MODEL, "ポンコツ");
  EXPECT_EQ(tm.START, "2026/05/06 07:08:09");
  EXPECT_EQ(tm.LASTTIME, "2026/05/06 07:08:09");
}

TEST_F(SaveFileTest, FriendValuesAreTakenAsTheyAre) {
  t.put("friend.kvo",
        "[PETPROFILE]\r\nHP=500\r\nMAXHP=100\r\nVER=2.3\r\nTYPE=まじめ\r\nOTAKU=90\r\n");
  const std::string before = t.bytes("friend.kvo");
  FriendPet p;
  EXPECT_TRUE(GetFriendPetProfile(g(), pathToUtf8(t.folder / "friend.kvo"), p));
  EXPECT_EQ(p.HP, 500);
  EXPECT_EQ(p.MAXHP, 100);
  EXPECT_EQ(p.VER, 2.0f);
  EXPECT_EQ(p.TYPE, "まじめ");
  EXPECT_EQ(t.bytes("friend.kvo"), before) << "a friend's file is never written";
  EXPECT_EQ(st().hp, 0) << "the own record is not touched";
}

}  // namespace
TEST_F(SaveFileTest, AHallOfFameLargerThanEightMegabytesIsKeptWhole) {
  std::string dead;
  const int records = 30000;
  for (int n = 1; n <= records; ++n)
    dead += "[" + std::to_string(n) +
            "PROFILE]\r\nuserName=a\r\nuserType=b\r\npetNAME=c\r\n"
            "petDAY=1日\r\npetTYPE=なし\r\npetVER=1.51\r\npetLANG=0コ\r\n"
            "petFDAY=2026/01/01 09:00:00\r\ndeadTYPE=老衰\r\npetMODEL=モフリーノ\r\n"
            "note=" +
            std::string(120, 'x') + "\r\n";
  t.put("dead.ini", dead);
  ASSERT_GT(t.bytes("dead.ini").size(), std::size_t{8} << 20);
  st().userName = "最後";
  st().petName = "ぴよ";
  ASSERT_TRUE(WriteDeadPet(g()));
  const std::string after = t.text("dead.ini");
  EXPECT_EQ(after.substr(0, dead.size()), dead);
  EXPECT_NE(after.find("[30001PROFILE]\r\nuserName=最後\r\n"), std::string::npos);
  DeadPetRecord r;
  ASSERT_EQ(GetDeadPet(g(), records, r), 1);
  EXPECT_EQ(r.petNAME, "c");
}

TEST_F(SaveFileTest, AFileTooLargeToBeASaveIsRefusedAndNeverRewritten) {
  t.put("title.ini", "[SERVE]\r\nMUTYA=1\r\n");
  std::filesystem::resize_file(t.folder / "title.ini", IniStore::kMaxFileBytes + 1);
  EXPECT_FALSE(GetRoyalTitle(g()));
  EXPECT_NE(log().find("が大きすぎて読み込めません。"), std::string::npos) << log();
  std::int16_t menuType = 4;
  EXPECT_FALSE(fSave_UserData(g(), menuType));
  EXPECT_EQ(std::filesystem::file_size(t.folder / "title.ini"), IniStore::kMaxFileBytes + 1);
  EXPECT_FALSE(t.exists("user.ini"));
}

}  // namespace myu
