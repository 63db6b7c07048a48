// The owner's absence, measured in clock hours, and what each length of it does.
#include <gtest/gtest.h>

#include "events/mdlEvent.h"
#include "kernel/GameHelpers.h"
#include "support/TestGame.h"

namespace myu {
namespace {

struct AbsenceCase {
  std::int32_t hours;
  std::int32_t replayed;  // hours replayed (rest passes run)
  std::int32_t hp;
  const char* deadType;
  const char* box;  // a text the transcript shows, or "" for no box at all
};
void PrintTo(const AbsenceCase& c, std::ostream* os) {
  *os << c.hours << "h";
}

class Absence : public ::testing::TestWithParam<AbsenceCase> {
 protected:
  test::TestGame tg;
  GameState& s = tg.st();
  std::vector<std::string>& errors = tg.errors;

  void SetUp() override { tg.healthyPet("太郎", 100); }
};

TEST_P(Absence, HasItsOutcome) {
  const AbsenceCase& c = GetParam();
  tg.dialogs.autoMode = true;
  // Saved at hh:30, so that the clock hours crossed are exactly the hours passed.
  DateTime now = DateTime{2026, 3, 10, 12, 30, 0};
  tg.clock.set(now);
  s.startTime = now.format();
  s.lastTime = now.plusSeconds(-3600LL * c.hours).format();
  std::int16_t rest = 8;  // rest: full HP and MP stay as they are, every pass is counted
  EXPECT_TRUE(Event_TimeSepareat(tg.game(), rest));
  EXPECT_EQ(s.countTYPEn, c.replayed);
  EXPECT_EQ(s.hp, c.hp);
  EXPECT_EQ(s.deadType, c.deadType);
  if (*c.box == '\0')
    EXPECT_EQ(tg.transcript().find("msgbox"), std::string::npos) << tg.transcript();
  else
    EXPECT_NE(tg.transcript().find(c.box), std::string::npos) << tg.transcript();
  EXPECT_TRUE(errors.empty());
}

INSTANTIATE_TEST_SUITE_P(
    ClockHours, Absence,
    ::testing::Values(AbsenceCase{0, 0, 100, "", ""}, AbsenceCase{1, 1, 100, "", ""},
                      AbsenceCase{23, 23, 100, "", ""}, AbsenceCase{24, 24, 100, "", ""},
                      AbsenceCase{119, 119, 100, "", ""},
                      AbsenceCase{120, 120, 100 / 50 + 5, "", "モフは まさに餓死寸前です。"},
                      AbsenceCase{288, 288, 100 / 120 + 5, "", "モフは まさに餓死寸前です。"},
                      AbsenceCase{289, 0, 100, "", ""}, AbsenceCase{311, 0, 100, "", ""},
                      AbsenceCase{312, 0, 0, "行方不明", "二度と帰ってこない旅にでました。"},
                      AbsenceCase{383, 0, 0, "行方不明", "二度と帰ってこない旅にでました。"},
                      AbsenceCase{384, 0, 0, "孤独死", "モフは孤独死したようです…。"},
                      AbsenceCase{-3, 0, 97, "浦島太郎の煙", "時の煙が モフを襲う！！"}),
    [](const auto& info) {
      auto h = info.param.hours;
      return h < 0 ? "back" + std::to_string(-h) : std::to_string(h) + "h";
    });

TEST_F(Absence, HoursCountBoundariesNotDurations) {
  tg.clock.set(DateTime{2026, 3, 10, 11, 1, 0});
  std::int16_t rest = 8;
  s.lastTime = "2026/03/10 10:59:00";  // two minutes, one boundary
  EXPECT_TRUE(Event_TimeSepareat(tg.game(), rest));
  EXPECT_EQ(s.countTYPEn, 1);
  s.lastTime = "2026/03/10 11:00:00";  // the same hour: a greeting
  s.happy = 50;
  EXPECT_TRUE(Event_TimeSepareat(tg.game(), rest));
  EXPECT_EQ(s.happy, 53);
  EXPECT_EQ(s.petMessage, "こんなに直ぐに逢いに来てくれるなんて、うれしいね。");
}

TEST_F(Absence, ClockTurnedBackAgesThePetPerHour) {
  tg.dialogs.autoMode = true;
  s.defense = s.power = s.speed = 50;
  s.brain = 50;
  s.luck = 10;
  std::int32_t hours = -3;
  EXPECT_TRUE(TimeStateEvent1(tg.game(), hours));
  EXPECT_EQ(s.maxHp, 97);
  EXPECT_EQ(s.maxMp, 76);
  EXPECT_EQ(s.hp, 97);
  EXPECT_EQ(s.mp, 76);
  EXPECT_EQ(s.defense, 47);
  EXPECT_EQ(s.brain, 44);
  EXPECT_EQ(s.speed, 35);
  EXPECT_EQ(s.power, 41);
  EXPECT_EQ(s.luck, 13);
  EXPECT_EQ(titleFlag(s, "TIMETR"), 1);
  EXPECT_EQ(s.userType, "乙姫っぽい亀");
}

TEST_F(Absence, DeadPetStopsTheReplayAndBusyEventEndsIt) {
  std::int16_t rest = 8;
  std::int32_t hours = 5;
  s.hp = 0;
  EXPECT_FALSE(TimeStateEvent0(tg.game(), rest, hours));
  s.hp = 100;
  s.eventBusy = -1;
  hours = 48;
  s.alcohol = 3;
  EXPECT_TRUE(TimeStateEvent0(tg.game(), rest, hours));
  EXPECT_EQ(s.eventBusy, 0);
  EXPECT_EQ(hours, 2);  // overwritten with the days
  EXPECT_EQ(s.countTYPEn, 0);
  EXPECT_EQ(s.alcohol, 4);  // the day rules still apply
  EXPECT_EQ(s.petImage, 6);
}

TEST_F(Absence, UnreadableLastTimeCountsAsNoAbsence) {
  s.lastTime = "きのう";
  std::int16_t rest = 8;
  EXPECT_TRUE(Event_TimeSepareat(tg.game(), rest));
  EXPECT_EQ(s.happy, 53);
  EXPECT_EQ(s.countTYPEn, 0);
  EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace myu
