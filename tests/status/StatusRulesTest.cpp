// The status passes: the counter pattern of every member, the every-n-th-run rules, the
// condition rows.
#include <gtest/gtest.h>

#include "kernel/mdlMain.h"
#include "status/mdlChange.h"
#include "support/TestGame.h"

namespace myu {
namespace {

struct StatusFixture : ::testing::Test {
  test::TestGame tg;
  GameState& s = tg.st();
  std::vector<std::string>& errors = tg.errors;

  void SetUp() override {
    tg.healthyPet("太郎", 50);
    tg.dialogs.autoMode = true;
  }
};

struct MemberCase {
  const char* name;
  void (*fn)(Game&);
  int index;
  std::int32_t GameState::*runCounter;
  std::vector<std::int32_t> draws;  // the draws of a first run with nothing else going on
};
void PrintTo(const MemberCase& c, std::ostream* os) {
  *os << c.name;
}

class CounterPattern : public StatusFixture, public ::testing::WithParamInterface<MemberCase> {};

TEST_P(CounterPattern, MovesEveryCounterByTheCircularDistance) {
  const MemberCase& m = GetParam();
  for (int j = 0; j < kPersonalityCount; ++j) s.personality(j) = 50;
  tg.random.queued.assign(m.draws.begin(), m.draws.end());
  m.fn(tg.game());
  static const int kChange[] = {2, 1, 0, -1, -2, -1, 0, 1};
  for (int j = 0; j < kPersonalityCount; ++j)
    EXPECT_EQ(s.personality(j), 50 + kChange[((j - m.index) % 8 + 8) % 8]) << kTypeKey[j];
  EXPECT_EQ(s.*m.runCounter, 1);
  EXPECT_TRUE(tg.random.queued.empty());
  EXPECT_TRUE(errors.empty());
}

INSTANTIATE_TEST_SUITE_P(
    AllMembers, CounterPattern,
    ::testing::Values(MemberCase{"o", plusTYPEo, 0, &GameState::countTYPEo, {}},
                      MemberCase{"s", plusTYPEs, 1, &GameState::countTYPEs, {}},
                      MemberCase{"u", plusTYPEu, 2, &GameState::countTYPEu, {}},
                      MemberCase{"y", plusTYPEy, 3, &GameState::countTYPEy, {}},
                      MemberCase{"w", plusTYPEw, 4, &GameState::countTYPEw, {1}},
                      MemberCase{"m", plusTYPEm, 5, &GameState::countTYPEm, {1}},
                      MemberCase{"a", plusTYPEa, 6, &GameState::countTYPEa, {0}},
                      MemberCase{"n", plusTYPEn, 7, &GameState::countTYPEn, {1}}),
    [](const auto& info) { return std::string(info.param.name); });

struct RunRule {
  const char* label;
  void (*fn)(Game&);
  std::int32_t GameState::*runCounter;
  std::int32_t before;              // the run counter before the run
  std::vector<std::int32_t> draws;  // every draw of the run, in order
  std::vector<std::pair<const char*, const char*>> expect;
};
// Test listings name a row by its label, not by its bytes.
void PrintTo(const RunRule& r, std::ostream* os) {
  *os << r.label;
}

class EveryNthRun : public StatusFixture, public ::testing::WithParamInterface<RunRule> {};

TEST_P(EveryNthRun, RaisesItsValues) {
  const RunRule& r = GetParam();
  s.*r.runCounter = r.before;
  s.happy = 10;
  s.hp = 90;
  s.mp = 90;
  tg.random.queued.assign(r.draws.begin(), r.draws.end());
  tg.dialogs.answers = {7};  // a word asked for: not now
  r.fn(tg.game());
  for (auto [field, value] : r.expect) EXPECT_EQ(getField(s, field), value) << field;
  EXPECT_TRUE(tg.random.queued.empty());
  EXPECT_TRUE(errors.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Members, EveryNthRun,
    ::testing::Values(RunRule{"toy36",
                              plusTYPEo,
                              &GameState::countTYPEo,
                              35,
                              {3},
                              {{"brain", "3"}, {"answer2", "7"}}},
                      RunRule{"wild1980",
                              plusTYPEy,
                              &GameState::countTYPEy,
                              1979,
                              {7, 1, 2, 3},
                              {{"maxHp", "107"},
                               {"power", "1"},
                               {"defense", "2"},
                               {"speed", "3"},
                               {"manpuku", "48"}}},
                      RunRule{"wild7",
                              plusTYPEy,
                              &GameState::countTYPEy,
                              6,
                              {},
                              {{"maxHp", "100"}, {"manpuku", "48"}}},
                      RunRule{"train10",
                              plusTYPEw,
                              &GameState::countTYPEw,
                              9,
                              {2, 1, 1, 2, 0, 1, 4},
                              {{"maxHp", "102"},
                               {"hp", "89"},
                               {"power", "1"},
                               {"defense", "2"},
                               {"speed", "0"},
                               {"petMessage", "鍛えた体が健全な成長を助けます。"},
                               {"manpuku", "46"}}},
                      RunRule{"study10",
                              plusTYPEm,
                              &GameState::countTYPEm,
                              9,
                              {2, 2, 1, 5},
                              {{"maxMp", "102"},
                               {"hp", "88"},
                               {"brain", "1"},
                               {"petMessage", "すこしづつ賢くなっているようです。"}}},
                      RunRule{"pamper10",
                              plusTYPEa,
                              &GameState::countTYPEa,
                              9,
                              {2, 2},
                              {{"happy", "16"},
                               {"luck", "2"},
                               {"manpuku", "50"},
                               {"petMessage", "そして何故か運が向いてきました。"}}},
                      RunRule{"pamper5",
                              plusTYPEa,
                              &GameState::countTYPEa,
                              4,
                              {2, 1},
                              {{"happy", "20"}, {"luck", "1"}, {"manpuku", "49"}}},
                      RunRule{"rest",
                              plusTYPEn,
                              &GameState::countTYPEn,
                              0,
                              {1, 3, 2},
                              {{"hp", "93"},
                               {"mp", "100"},
                               {"petMessage", "少しづつ元気を取り戻してきているようです。"}}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(StatusFixture, UnknownCodeOnlyClamps) {
  s.hp = 150;
  std::int16_t code = 9;
  EXPECT_TRUE(plusSTATUSpar(tg.game(), code));
  EXPECT_EQ(s.hp, 100);
  EXPECT_EQ(s.petMessage, "");
  EXPECT_EQ(s.otaku, 0);
}

TEST_F(StatusFixture, ToyPassSetsTitleAtHundredAndTheClampBringsItBack) {
  s.otaku = 99;
  std::int16_t code = 1;
  EXPECT_TRUE(plusSTATUSpar(tg.game(), code));
  EXPECT_EQ(s.titleFlags[0], 1);
  EXPECT_EQ(s.otaku, 100);
  EXPECT_EQ(s.petImage, 14);
  EXPECT_EQ(s.petMessage, "モフは、おもちゃに夢中です。");
}

TEST_F(StatusFixture, ToyTenthRunAsksAWordAndStopsWhenItFails) {
  s.countTYPEo = 9;
  s.otaku = 120;
  tg.random.queued = {7};           // maxMp += 7
  tg.dialogs.inputs.push_back("");  // nothing asked: AnserWordMean fails
  plusTYPEo(tg.game());
  EXPECT_EQ(s.maxMp, 107);
  EXPECT_NE(tg.transcript().find("聞きたい言葉"), std::string::npos);
  EXPECT_EQ(s.titleFlags[0], 0);
}

TEST_F(StatusFixture, ToyTwentiethRunTeachesInsteadOfAsking) {
  s.countTYPEo = 19;
  tg.random.queued = {5};
  tg.dialogs.answers = {7};  // does not want to teach
  plusTYPEo(tg.game());
  EXPECT_EQ(s.maxMp, 105);
  EXPECT_NE(tg.transcript().find("が言葉を知りたがっています"), std::string::npos);
  EXPECT_EQ(tg.transcript().find("聞きたい言葉"), std::string::npos);
}

TEST_F(StatusFixture, MedicineOverdoseGivesANosebleedAndNoScene) {
  s.maxHp = 35;
  s.hp = 40;
  s.sukebe = 90;
  plusTYPEs(tg.game());
  EXPECT_EQ(s.hp, 35);
  EXPECT_EQ(s.answer1, 1);
  EXPECT_NE(tg.transcript().find("薬の飲み過ぎでモフは鼻血をたらしています。"), std::string::npos);
  EXPECT_EQ(s.eventBusy, 0);
}

TEST_F(StatusFixture, PoisonBelowZeroKillsWithTwoBoxes) {
  s.hp = -3;
  plusTYPEu(tg.game());
  EXPECT_EQ(s.hp, 0);
  EXPECT_EQ(s.deadType, "毒殺");
  EXPECT_EQ(s.userType, "毒殺犯人");
  EXPECT_NE(tg.transcript().find("太郎、あなたはやりすぎです。"), std::string::npos);
}

TEST_F(StatusFixture, TrainingSweatsOutTheLastDrink) {
  s.countTYPEw = 1;  // the second run is even
  s.alcohol = 1;
  tg.random.queued = {1, 1, 3};  // maxHp +1, hp −1, no muscles
  plusTYPEw(tg.game());
  EXPECT_EQ(s.alcohol, 0);
  EXPECT_EQ(s.maxHp, 101);
  EXPECT_EQ(s.hp, 99);
  EXPECT_EQ(s.petMessage, "汗と一緒に体のアルコールもぬけてくる！");
  EXPECT_NE(tg.transcript().find("スポーツに励んだ結果 モフの体からすっかり酒が抜けた！"),
            std::string::npos);
}

TEST_F(StatusFixture, RestRaisesConditionOnlyUpToTwo) {
  for (auto [before, after] : {std::pair{1, 2}, std::pair{2, 2}, std::pair{-5, -4}}) {
    s.condition = before;
    tg.random.queued = {1};
    plusTYPEn(tg.game());
    EXPECT_EQ(s.condition, after) << before;
  }
}

TEST_F(StatusFixture, StudyAtHundredRaisesItsTitleEveryRun) {
  s.majime = 100;
  for (int i = 0; i < 3; ++i) {
    if (i == 1) {  // run 2 is even: maxMp, hp
      tg.random.queued.push_back(0);
      tg.random.queued.push_back(0);
    }
    tg.random.queued.push_back(1);  // r = 1: no word
    plusTYPEm(tg.game());
  }
  EXPECT_EQ(s.titleFlags[3], 3);
  EXPECT_EQ(s.majime, 100);
}

TEST_F(StatusFixture, OverflowIsReportedAsErrorSix) {
  s.countTYPEo = 2147483647;
  std::int16_t code = 1;
  plusSTATUSpar(tg.game(), code);  // the member reports its own failure
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("mdlChange/plusTYPEo ErrorHandle:(6)"), std::string::npos);
}

struct ControlRow {
  std::int32_t conditionBefore, conditionAfter, hpAfter;
  const char* message;  // nullptr: unchanged
  const char* deadType;
  std::int16_t image;  // -1: unchanged
};
void PrintTo(const ControlRow& c, std::ostream* os) {
  *os << "condition " << c.conditionBefore;
}

class ConditionRows : public StatusFixture, public ::testing::WithParamInterface<ControlRow> {};

TEST_P(ConditionRows, ApplyTheirEffect) {
  const ControlRow& r = GetParam();
  s.hp = 50;
  s.condition = r.conditionBefore;
  s.petMessage = "前";
  s.petImage = 99;
  EXPECT_TRUE(CONDITIONsCONTOROL(tg.game()));
  EXPECT_EQ(s.condition, r.conditionAfter);
  EXPECT_EQ(s.hp, r.hpAfter);
  EXPECT_EQ(s.petMessage, r.message ? std::string(r.message) : "前");
  EXPECT_EQ(s.deadType, r.deadType);
  EXPECT_EQ(s.petImage, r.image < 0 ? 99 : r.image);
}

INSTANTIATE_TEST_SUITE_P(
    EveryRow, ConditionRows,
    ::testing::Values(ControlRow{-14, -10, 35, "モフは危篤状態です。", "体調悪化死", 19},
                      ControlRow{-10, -10, 35, "モフは危篤状態です。", "体調悪化死", 19},
                      ControlRow{-9, -9, 42, "モフは体調が悪いので死にそうです。", "体調悪化死", 5},
                      ControlRow{-8, -8, 45, "モフは体調が悪く体力が奪われています。", "", 18},
                      ControlRow{-6, -6, 45, "モフは体調が悪く体力が奪われています。", "", 18},
                      ControlRow{-5, -5, 49, "モフの体調が優れません。", "", 10},
                      ControlRow{-3, -3, 49, "モフの体調が優れません。", "", 10},
                      ControlRow{-2, -2, 50, nullptr, "", 0}, ControlRow{2, 2, 50, nullptr, "", 0},
                      ControlRow{3, 3, 52, "モフの体調は快調です。", "", 15},
                      ControlRow{5, 5, 52, "モフの体調は快調です。", "", 15},
                      ControlRow{6, 6, 54, "モフから元気があふれ出ています。", "", 3},
                      ControlRow{8, 8, 54, "モフから元気があふれ出ています。", "", 3},
                      ControlRow{9, 9, 50, nullptr, "", -1},
                      ControlRow{10, 10, 60, "モフは、これでもか！ ってぐらい元気です。", "", 7},
                      ControlRow{13, 10, 60, "モフは、これでもか！ ってぐらい元気です。", "", 7}),
    [](const auto& info) {
      auto c = info.param.conditionBefore;
      return c < 0 ? "minus" + std::to_string(-c) : "plus" + std::to_string(c);
    });

TEST(ConditionNotation, TextsAtTheEdges) {
  EXPECT_EQ(CONDITIONsNOTATION(-10), "↓10 死神と雑談中");
  EXPECT_EQ(CONDITIONsNOTATION(0), "→ ふつう");
  EXPECT_EQ(CONDITIONsNOTATION(1), "1↑ちょっといい");
  EXPECT_EQ(CONDITIONsNOTATION(10), "10↑ 青春を満喫中");
  EXPECT_EQ(CONDITIONsNOTATION(11), "?? もはやエラー");
  EXPECT_EQ(CONDITIONsNOTATION(-11), "?? もはやエラー");
}

TEST_F(StatusFixture, ConditionDriftUsesHappinessAndAgeBounds) {
  struct Case {
    std::int32_t happy;
    int daysOld;
    int bonusHi, penaltyHi;
  };
  for (Case c : {Case{40, 0, 0, 1}, Case{41, 11, 1, 1}, Case{89, 12, 1, 2}, Case{90, 20, 2, 3},
                 Case{90, 31, 2, 4}, Case{90, 41, 2, 6}, Case{90, -3, 2, 1}}) {
    s.happy = c.happy;
    s.condition = 0;
    s.startTime = tg.game().now().plusSeconds(-86400LL * c.daysOld).format();
    tg.random.trace = true;
    tg.clearTranscript();
    tg.random.queued = {0, 0};
    CHANGEsCONDITION(tg.game());
    std::string expected = "random 0.." + std::to_string(c.bonusHi) + " -> 0\nrandom 0.." +
                           std::to_string(c.penaltyHi) + " -> 0\n";
    EXPECT_EQ(tg.transcript(), expected) << c.happy << " " << c.daysOld;
  }
}

}  // namespace
}  // namespace myu
