// The incidents: accidents, hunger, drink, drugs, muscles and the indecent scene.
#include <gtest/gtest.h>

#include "events/mdlEvent.h"
#include "kernel/GameHelpers.h"
#include "support/TestGame.h"
#include "words/WordRecord.h"

namespace myu {
namespace {

struct Incidents : ::testing::Test {
  test::TestGame tg;
  GameState& s = tg.st();
  std::vector<std::string>& errors = tg.errors;
  void SetUp() override {
    tg.healthyPet("花子", 50);
    s.userSex = "♀";
  }
  std::size_t boxes() const {
    std::size_t n = 0;
    for (std::size_t p = tg.transcript().find("msgbox"); p != std::string::npos;
         p = tg.transcript().find("msgbox", p + 1))
      ++n;
    return n;
  }
};

TEST_F(Incidents, AccidentChanceGrowsWithAgeAndKills) {
  tg.random.trace = true;
  tg.random.queued = {4};
  EXPECT_FALSE(Event_JikoShi(tg.game()));
  EXPECT_NE(tg.transcript().find("random 1..3000000 -> 4"), std::string::npos);
  s.startTime = tg.game().now().plusSeconds(-86400LL * 999).format();
  tg.dialogs.autoMode = true;
  tg.random.queued = {2};
  EXPECT_TRUE(Event_JikoShi(tg.game()));
  EXPECT_NE(tg.transcript().find("random 1..3000 -> 2"), std::string::npos);
  EXPECT_EQ(s.hp, 0);
  EXPECT_EQ(s.deadType, "飼い主ふんずけ死");
  EXPECT_EQ(titleFlag(s, "KANASIMI"), 1);
  EXPECT_EQ(boxes(), 6u);
  // A birth date in the future counts as today instead of dividing by zero.
  s.startTime = tg.game().now().plusSeconds(86400LL * 5).format();
  tg.random.queued = {100};
  EXPECT_FALSE(Event_JikoShi(tg.game()));
  EXPECT_TRUE(errors.empty());
}

TEST_F(Incidents, StarvationRows) {
  struct Row {
    std::int32_t manpuku, hp, draw, hpAfter;
    std::int16_t image;
    const char* deadType;
  };
  for (Row r : {Row{20, 100, -1, 99, 10, ""}, Row{0, 50, 1, 49, 2, ""}, Row{0, 50, 0, 50, 2, ""},
                Row{0, 39, 5, 38, 18, "餓死"}, Row{0, 39, 4, 39, 18, "餓死"},
                Row{31, 100, -1, 100, 0, ""}}) {
    s.manpuku = r.manpuku;
    s.hp = r.hp;
    s.petImage = 0;
    s.deadType = "";
    if (r.draw >= 0) tg.random.queued = {r.draw};
    EXPECT_TRUE(Event_GASHI(tg.game()));
    EXPECT_EQ(s.hp, r.hpAfter) << r.manpuku << " " << r.hp;
    EXPECT_EQ(s.petImage, r.image);
    EXPECT_EQ(s.deadType, r.deadType);
    EXPECT_EQ(s.manpuku, r.manpuku <= 30 ? 0 : r.manpuku);
  }
}

TEST_F(Incidents, StarvationWithoutHpCapacityDoesNotFail) {
  s.maxHp = 0;
  s.hp = 0;
  s.manpuku = 0;
  tg.random.queued = {1};
  EXPECT_TRUE(Event_GASHI(tg.game()));
  EXPECT_EQ(s.deadType, "餓死");
  EXPECT_TRUE(errors.empty());
}

TEST_F(Incidents, DrinkCostsByLevel) {
  for (auto [alcohol, loss] :
       {std::pair{3, 0}, std::pair{4, 3}, std::pair{6, 10}, std::pair{11, 90}}) {
    s.alcohol = alcohol;
    s.hp = 100;
    s.condition = 0;
    EXPECT_TRUE(Event_ALCOHOL(tg.game()));
    EXPECT_EQ(s.hp, 100 - loss);
    EXPECT_EQ(s.condition, loss > 0 ? -1 : 0);
    EXPECT_EQ(s.deadType, "急逝中毒死");
  }
}

TEST_F(Incidents, DrugsWithdrawalAndRecovery) {
  tg.dialogs.autoMode = true;
  s.junk = 1;
  s.maxHp = 800;
  s.hp = 800;
  for (int i = 0; i < 15; ++i) Event_Junk(tg.game());
  EXPECT_EQ(s.kindanState, 0);
  Event_Junk(tg.game());
  EXPECT_NE(s.kindanState, 0);
  EXPECT_EQ(s.kindanCount, 1);
  EXPECT_EQ(s.hp, 790);
  for (int i = 0; i < 79; ++i) Event_Junk(tg.game());
  EXPECT_EQ(s.kindanCount, 80);
  Event_Junk(tg.game());
  EXPECT_EQ(s.kindanCount, 0);
  EXPECT_EQ(s.junk, 0);
  EXPECT_EQ(s.kindanState, 0);
  EXPECT_EQ(titleFlag(s, "noJUNKY"), 1);
  EXPECT_EQ(s.userType, "見守った人");
}

TEST_F(Incidents, LaughingFitTurnsToTears) {
  s.waraiDake = -1;
  s.hp = 10;
  EXPECT_TRUE(Event_WaraiDake(tg.game()));
  EXPECT_EQ(s.hp, 9);
  EXPECT_EQ(s.petImage, 4);
  EXPECT_EQ(s.deadType, "笑い死に");
  EXPECT_EQ(s.happy, 47);
}

TEST_F(Incidents, MusclesMeasureTheOwnersAnswer) {
  // A slow answer: the box waits four seconds on the clock.
  tg.dialogs.onBox = [this](const std::string& prompt) {
    if (prompt == "なぁ、オレの筋肉たくましいだろ？") tg.clock.advanceMs(14217);
  };
  tg.dialogs.answers = {6, 1, 1};
  Event_KinNiku(tg.game());
  // The delay is quoted to the millisecond and cut to five characters.
  EXPECT_NE(tg.transcript().find("なぬ？ 返事に14.21秒もかかるって事は…。"), std::string::npos);
  EXPECT_EQ(s.countTYPEw, 0);
  EXPECT_EQ(s.eventBusy, -1);
  // 2.9 seconds is still quick, although the clock passes three whole-second marks.
  tg.clock.advanceMs(900);
  tg.dialogs.onBox = [this](const std::string& prompt) {
    if (prompt == "なぁ、オレの筋肉たくましいだろ？") tg.clock.advanceMs(2900);
  };
  tg.dialogs.answers = {6, 1, 1};
  tg.random.queued = {1};
  Event_KinNiku(tg.game());
  EXPECT_EQ(s.countTYPEw, 1);
  EXPECT_TRUE(tg.dialogs.answers.empty());
}

TEST_F(Incidents, IndecentSceneAddressesTheOwnersSex) {
  struct Case {
    const char* sex;
    std::int32_t draw;
    bool plays;
  };
  for (Case c :
       {Case{"♀", 1, true}, Case{"♀", 3, true}, Case{"♀", 4, false}, Case{"♂", 2, false},
        Case{"♂", 4, true}, Case{"？", 1, false}, Case{"？", 4, false}, Case{"♀", 5, false}}) {
    s.userSex = c.sex;
    s.eventBusy = 0;
    tg.clearTranscript();
    tg.dialogs.autoMode = true;
    tg.random.queued = {c.draw};
    EXPECT_TRUE(Event_SexHara(tg.game()));
    EXPECT_EQ(boxes() > 0, c.plays) << c.sex << c.draw;
    EXPECT_EQ(s.eventBusy, c.draw <= 4 ? -1 : 0);
  }
}

TEST_F(Incidents, IndecentAnswerIsStoredAsAWordUnlessEmpty) {
  tg.dialogs.autoMode = true;
  tg.random.queued = {1};
  tg.dialogs.inputs.push_back("しろ");
  Event_SexHara(tg.game());
  std::string file = tg.bytes("モフ.dat");
  ASSERT_EQ(file.size(), 60u);
  WordRecord r = WordRecord::unpack(file);
  EXPECT_EQ(r.word, "しろ");
  EXPECT_EQ(r.mean, "花子のパンツの色");
  tg.random.queued = {2};
  tg.dialogs.inputs.push_back(std::nullopt);
  Event_SexHara(tg.game());
  EXPECT_EQ(tg.bytes("モフ.dat").size(), 60u);
  EXPECT_NE(tg.transcript().find("なるほどねぇ。イロッペェ～。"), std::string::npos);
  // An answer the language file cannot hold is not stored altered.
  tg.random.queued = {1};
  tg.dialogs.inputs.push_back("🩲");
  Event_SexHara(tg.game());
  EXPECT_EQ(tg.bytes("モフ.dat").size(), 60u);
  tg.random.queued = {3};
  tg.dialogs.answers = {1, 7, 1, 1};
  Event_SexHara(tg.game());
  EXPECT_EQ(s.userType, "ハレンチ娘");
  EXPECT_EQ(s.happy, 7);
}

}  // namespace
}  // namespace myu
