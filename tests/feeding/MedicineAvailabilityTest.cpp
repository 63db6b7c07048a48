// Which potion and poison buttons of the feeding window are usable, at the edges of their
// conditions. The set-up runs once per opening; each case opens the window with the baseline
// pet, changes what the case is about and runs the set-up again.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "feeding/frmServe.h"
#include "kernel/GameState.h"
#include "support/TestGame.h"

namespace myu {
namespace {

// The buttons, by the medicine each gives.
constexpr const char* kYunheru = "potion1";            // ユンヘル
constexpr const char* kAkaMamusu = "potion2";          // 赤マムス
constexpr const char* kColdMedicine = "potion3";       // 風邪薬
constexpr const char* kAntibiotics = "potion4";        // 抗生物質
constexpr const char* kAntidote = "potion5";           // 解毒剤
constexpr const char* kMusclePills = "potion6";        // 筋肉増強剤
constexpr const char* kDha = "potion7";                // ＤＨＡ
constexpr const char* kFlyingDrug = "potion8";         // 飛ぶ薬
constexpr const char* kPanacea = "potion9";            // 万能薬
constexpr const char* kLuckyBeans = "potion10";        // 幸運豆
constexpr const char* kLaxative = "poison1";           // 下剤
constexpr const char* kLaughingMushroom = "poison2";   // 笑い茸
constexpr const char* kSlowPoison = "poison3";         // 三年殺し
constexpr const char* kAphrodisiac = "poison4";        // 媚薬
constexpr const char* kOfficeLadysGrudge = "poison5";  // ＯＬの怨み
constexpr const char* kPillOfCorruption = "poison6";   // 堕落の粒
constexpr const char* kSake = "poison7";               // お酒
constexpr const char* kNarcotic = "poison8";           // 麻薬
constexpr const char* kBirdSoup = "poison9";           // 鳥スープ
constexpr const char* kAoumiMushroom = "poison10";     // アオウミ茸

struct Expected {
  const char* button;
  bool enabled;
  const char* caption = nullptr;  // checked when given: the hidden buttons show "???"
};

// A field of the pet set by its name, as scripts set it.
struct Set {
  const char* field;
  std::int32_t value;
};

struct Case {
  const char* name;
  std::vector<Set> changes;  // what differs from the baseline pet
  // The draws of the set-up: 幸運豆 (1..80), then アオウミ茸 (1..180); each shows at 1.
  std::vector<std::int32_t> draws;
  std::vector<Expected> expected;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

const std::vector<std::int32_t> kNotDrawn = {2, 2};

const Case kCases[] = {
    {"atFullHpYunheruIsOffAndTheLaxativeOn", {}, kNotDrawn, {{kYunheru, false}, {kLaxative, true}}},
    {"lustAt70IsNotEnoughForYunheru", {{"sukebe", 70}}, kNotDrawn, {{kYunheru, false}}},
    {"lustAt71OpensYunheruEvenAtFullHp",
     {{"sukebe", 71}},
     kNotDrawn,
     {{kYunheru, true}, {kLaxative, true}}},
    {"oneHpShortOpensYunheruAndClosesTheLaxative",
     {{"hp", 99}},
     kNotDrawn,
     {{kYunheru, true}, {kLaxative, false}}},
    {"conditionMinus2ClosesTheLaxative", {{"condition", -2}}, kNotDrawn, {{kLaxative, false}}},
    {"conditionMinus1KeepsTheLaxative", {{"condition", -1}}, kNotDrawn, {{kLaxative, true}}},
    {"akaMamusuNeedsMaxHpAbove200",
     {{"hp", 199}, {"maxHp", 200}},
     kNotDrawn,
     {{kAkaMamusu, false}}},
    {"akaMamusuForAHurtPetWithMaxHp201",
     {{"hp", 200}, {"maxHp", 201}},
     kNotDrawn,
     {{kAkaMamusu, true}}},
    {"hp78Of100AndConditionMinus3OpenColdMedicineNotAntibiotics",
     {{"hp", 78}, {"condition", -3}},
     kNotDrawn,
     {{kColdMedicine, true}, {kAntibiotics, false}}},
    {"hp80Of100IsTooMuchForColdMedicine",
     {{"hp", 80}, {"condition", -3}},
     kNotDrawn,
     {{kColdMedicine, false}, {kAntibiotics, false}}},
    {"conditionMinus2IsNotEnoughForColdMedicine",
     {{"hp", 10}, {"condition", -2}},
     kNotDrawn,
     {{kColdMedicine, false}}},
    {"hp68Of100AndConditionMinus4OpenColdMedicineAndAntibiotics",
     {{"hp", 68}, {"condition", -4}},
     kNotDrawn,
     {{kColdMedicine, true}, {kAntibiotics, true}}},
    {"hp69Of100CountsAs70PercentTooMuchForAntibiotics",
     {{"hp", 69}, {"condition", -4}},
     kNotDrawn,
     {{kAntibiotics, false}}},
    {"withoutMaxHpNeitherColdMedicineNorAntibiotics",
     {{"hp", 0}, {"maxHp", 0}, {"condition", -5}},
     kNotDrawn,
     {{kColdMedicine, false}, {kAntibiotics, false}}},
    {"antidoteWhileLaughing", {{"waraiDake", -1}}, kNotDrawn, {{kAntidote, true}}},
    {"noAntidoteWithoutTheLaughingPoison", {}, kNotDrawn, {{kAntidote, false}}},
    {"musclePillsForPower51Brain11Wildness71",
     {{"power", 51}, {"brain", 11}, {"wild", 71}},
     kNotDrawn,
     {{kMusclePills, true}}},
    {"musclePillsNotAtWildness70",
     {{"power", 51}, {"brain", 11}, {"wild", 70}},
     kNotDrawn,
     {{kMusclePills, false}}},
    {"dhaForBrain251Happiness76Seriousness71",
     {{"brain", 251}, {"happy", 76}, {"majime", 71}},
     kNotDrawn,
     {{kDha, true}}},
    {"dhaNotAtHappiness75",
     {{"brain", 251}, {"happy", 75}, {"majime", 71}},
     kNotDrawn,
     {{kDha, false}}},
    {"flyingDrugShowsItsNameWhenAvailable",
     {{"hp", 451}, {"maxHp", 999}, {"mp", 451}, {"maxMp", 999}, {"condition", 3}, {"otaku", 81}},
     kNotDrawn,
     {{kFlyingDrug, true, "飛ぶ薬"}}},
    {"flyingDrugHiddenAtOtaku80",
     {{"hp", 451}, {"maxHp", 999}, {"mp", 451}, {"maxMp", 999}, {"condition", 3}, {"otaku", 80}},
     kNotDrawn,
     {{kFlyingDrug, false, "???"}}},
    {"panaceaWhenMpIsExactlyATenthOfMaxMp",
     {{"hp", 9}, {"mp", 30}, {"maxMp", 300}, {"happy", 59}, {"manpuku", 29}, {"condition", -1}},
     kNotDrawn,
     {{kPanacea, true, "万能薬"}}},
    {"panaceaHiddenWhenMpIsNotExactlyATenth",
     {{"hp", 9}, {"mp", 31}, {"maxMp", 300}, {"happy", 59}, {"manpuku", 29}, {"condition", -1}},
     kNotDrawn,
     {{kPanacea, false, "???"}}},
    {"panaceaHiddenWhenHpIsATenthNotLess",
     {{"hp", 10}, {"mp", 30}, {"maxMp", 300}, {"happy", 59}, {"manpuku", 29}, {"condition", -1}},
     kNotDrawn,
     {{kPanacea, false, "???"}}},
    {"luckyBeansAndAoumiMushroomWhenBothDrawsAreOne",
     {},
     {1, 1},
     {{kLuckyBeans, true, "幸運豆"}, {kAoumiMushroom, true, "アオウミ茸"}}},
    {"luckyBeansAndAoumiMushroomHiddenAtTheTopOfTheirDraws",
     {},
     {80, 180},
     {{kLuckyBeans, false, "???"}, {kAoumiMushroom, false, "???"}}},
    {"laughingMushroomForHappiness60MaxHp130Lust29",
     {{"hp", 130}, {"maxHp", 130}, {"happy", 60}, {"sukebe", 29}},
     kNotDrawn,
     {{kLaughingMushroom, true}}},
    {"laughingMushroomNotAtLust30",
     {{"hp", 130}, {"maxHp", 130}, {"happy", 60}, {"sukebe", 30}},
     kNotDrawn,
     {{kLaughingMushroom, false}}},
    {"slowPoisonForHappiness30AndHp200",
     {{"hp", 200}, {"maxHp", 200}, {"happy", 30}},
     kNotDrawn,
     {{kSlowPoison, true}}},
    {"slowPoisonNotAtHappiness31",
     {{"hp", 200}, {"maxHp", 200}, {"happy", 31}},
     kNotDrawn,
     {{kSlowPoison, false}}},
    {"slowPoisonForLust91Alone", {{"sukebe", 91}}, kNotDrawn, {{kSlowPoison, true}}},
    {"aphrodisiacForBrain81AndHappiness50",
     {{"brain", 81}, {"happy", 50}},
     kNotDrawn,
     {{kAphrodisiac, true}}},
    {"aphrodisiacNotAtBrain80AndSeriousness80",
     {{"brain", 80}, {"happy", 50}, {"majime", 80}},
     kNotDrawn,
     {{kAphrodisiac, false}}},
    {"aphrodisiacForSeriousness81Alone", {{"majime", 81}}, kNotDrawn, {{kAphrodisiac, true}}},
    {"officeLadysGrudgeForDefense71Happiness80Fullness49",
     {{"defense", 71}, {"happy", 80}, {"manpuku", 49}},
     kNotDrawn,
     {{kOfficeLadysGrudge, true}}},
    {"officeLadysGrudgeNotAtFullness50",
     {{"defense", 71}, {"happy", 80}, {"manpuku", 50}},
     kNotDrawn,
     {{kOfficeLadysGrudge, false}}},
    {"pillOfCorruptionForSeriousness100AndMaxHp500",
     {{"hp", 500}, {"maxHp", 500}, {"majime", 100}},
     kNotDrawn,
     {{kPillOfCorruption, true}}},
    {"pillOfCorruptionNotAtMaxHp499",
     {{"hp", 499}, {"maxHp", 499}, {"majime", 100}},
     kNotDrawn,
     {{kPillOfCorruption, false}}},
    {"sakeForATotalOf211WithSeriousnessAbove90",
     {{"wild", 100}, {"majime", 100}, {"namakemono", 11}},
     kNotDrawn,
     {{kSake, true}}},
    {"sakeNotForATotalOf210",
     {{"wild", 100}, {"majime", 100}, {"namakemono", 10}},
     kNotDrawn,
     {{kSake, false}}},
    {"sakeNotForATotalOf211WithSeriousness90",
     {{"wild", 100}, {"majime", 90}, {"namakemono", 21}},
     kNotDrawn,
     {{kSake, false}}},
    {"sakeForLaziness31Alone", {{"namakemono", 31}}, kNotDrawn, {{kSake, true}}},
    {"sakeForAPetThatHasDrunk", {{"alcohol", 1}}, kNotDrawn, {{kSake, true}}},
    {"narcoticShowsForCountersTotalling431",
     {{"otaku", 54},
      {"sukebe", 54},
      {"utaguria", 54},
      {"yantya", 54},
      {"wild", 54},
      {"majime", 54},
      {"amaenbou", 54},
      {"namakemono", 53}},
     kNotDrawn,
     {{kNarcotic, true, "麻薬"}}},
    {"narcoticHiddenForCountersTotalling430",
     {{"otaku", 54},
      {"sukebe", 54},
      {"utaguria", 54},
      {"yantya", 54},
      {"wild", 54},
      {"majime", 54},
      {"amaenbou", 53},
      {"namakemono", 53}},
     kNotDrawn,
     {{kNarcotic, false, "???"}}},
    {"narcoticShowsForAnAddict", {{"junk", 1}}, kNotDrawn, {{kNarcotic, true, "麻薬"}}},
    {"birdSoupForLaziness100MaxHp351MaxMp401",
     {{"hp", 351}, {"maxHp", 351}, {"maxMp", 401}, {"namakemono", 100}},
     kNotDrawn,
     {{kBirdSoup, true, "鳥スープ"}}},
    {"birdSoupHiddenAtMaxMp400",
     {{"hp", 351}, {"maxHp", 351}, {"maxMp", 400}, {"namakemono", 100}},
     kNotDrawn,
     {{kBirdSoup, false, "???"}}},
};

class MedicineAvailability : public ::testing::TestWithParam<Case> {
 protected:
  // At full HP and MP, happy and full, ordinary in every status value and counter.
  static void baseline(GameState& s) {
    s.hp = 100;
    s.maxHp = 100;
    s.mp = 100;
    s.maxMp = 100;
    s.power = 10;
    s.defense = 10;
    s.speed = 10;
    s.luck = 10;
    s.brain = 10;
    s.happy = 100;
    s.manpuku = 100;
    s.condition = 0;
    s.alcohol = 0;
    s.junk = 0;
    s.waraiDake = 0;
    for (int i = 0; i < kPersonalityCount; ++i) s.personality(i) = 0;
  }

  frmServe& open() {
    t.st().petName = "ぴよ";
    baseline(t.st());
    t.random.queued = {2, 2};
    frmServe& f = t.game().form<frmServe>();
    t.game().show(f, true);
    return f;
  }

  test::TestGame t;
};

TEST_P(MedicineAvailability, buttonsFollowThePet) {
  const Case& c = GetParam();
  frmServe& f = open();
  ASSERT_TRUE(t.random.queued.empty());
  for (const Set& s : c.changes) {
    ASSERT_TRUE(setField(t.st(), s.field, std::to_string(s.value))) << s.field;
  }
  t.random.queued.assign(c.draws.begin(), c.draws.end());
  f.setUpMedicines();
  EXPECT_TRUE(t.random.queued.empty()) << "draws left unused";
  for (const Expected& e : c.expected) {
    const Control& button = f.ctl(e.button);
    EXPECT_EQ(button.enabled, e.enabled) << e.button;
    if (e.caption) {
      EXPECT_EQ(button.caption, e.caption) << e.button;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(, MedicineAvailability, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace myu
