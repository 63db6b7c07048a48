// A pet left on one behaviour option for thousands of status passes, with a seeded random
// source and the dialogs answered by their default buttons: every value stays in range and
// nothing fails.
#include <gtest/gtest.h>

#include <random>

#include "events/mdlEvent.h"
#include "kernel/UserInput.h"
#include "kernel/mdlMain.h"
#include "status/mdlChange.h"
#include "support/TestGame.h"

namespace myu {
namespace {

class LongRun : public ::testing::TestWithParam<std::int16_t> {};

TEST_P(LongRun, KeepsEveryValueInRange) {
  test::TestGame tg;
  GameState& s = tg.st();
  Game& g = tg.game();
  s.petName = "モフ";
  s.userName = "花子";
  s.userSex = "♀";
  s.startTime = g.now().format();
  auto newLife = [&] {
    s.maxHp = s.hp = 100;
    s.maxMp = s.mp = 100;
    s.happy = s.manpuku = 60;
    s.condition = 0;
  };
  newLife();
  std::vector<std::string> errors;
  g.errorLogObserver = [&](const std::string& line) { errors.push_back(line); };
  tg.random.seed(20260101u + static_cast<std::uint32_t>(GetParam()));

  // The owner: default buttons, but words typed from a small mixed list, and a meaning
  // picked at random; "no" to the pleading box so that a cancelled word ends.
  std::mt19937 owner(7);
  static const std::vector<std::string> kTyped = {
      "ばか",   "",    "123", "abc", "ｱｲｳ", "😀", "あいうえおかきくけこさしすせそたちつてとな",
      "１２３", "すき"};
  tg.dialogs.autoMode = true;
  tg.dialogs.onBox = [&](const std::string& prompt) {
    if (prompt == "いいじゃんなんかおしえろよ！") tg.dialogs.answers.push_back(mb::kNo);
    if (prompt.find("を教えておくれ。") != std::string::npos ||
        prompt.find("聞きたい言葉") != std::string::npos ||
        prompt.find("で、オレサマに") != std::string::npos)
      tg.dialogs.inputs.push_back(kTyped[owner() % kTyped.size()]);
  };
  tg.windows.pump = [&](Form& f) {
    if (f.name() == "frmLangMean")
      userClick(f, "OptionL(" + std::to_string(owner() % 12 + 1) + ")");
  };

  std::int16_t code = GetParam();
  for (int pass = 0; pass < 4000; ++pass) {
    ASSERT_TRUE(plusSTATUSpar(g, code)) << pass;
    CHANGEsCONDITION(g);
    ASSERT_TRUE(CONDITIONsCONTOROL(g));
    if (Event_JikoShi(g)) newLife();
    ASSERT_TRUE(Event_GASHI(g));
    ASSERT_TRUE(Event_ALCOHOL(g));
    ASSERT_TRUE(Event_Junk(g));
    ASSERT_TRUE(Event_PetsSpeak(g));
    s.eventBusy = 0;
    ClampStatus(s);
    for (int j = 0; j < kPersonalityCount; ++j) {
      ASSERT_GE(s.personality(j), 0);
      ASSERT_LE(s.personality(j), 100);
    }
    for (std::int32_t v : {s.power, s.speed, s.defense, s.luck, s.happy, s.manpuku}) {
      ASSERT_GE(v, 0) << pass;
      ASSERT_LE(v, 100) << pass;
    }
    ASSERT_GE(s.brain, 0);
    ASSERT_LE(s.brain, 500);
    ASSERT_GE(s.maxHp, 0);
    ASSERT_LE(s.maxHp, 1000);
    ASSERT_GE(s.maxMp, 0);
    ASSERT_LE(s.maxMp, 1000);
    ASSERT_GE(s.hp, 0);
    ASSERT_LE(s.hp, s.maxHp);
    ASSERT_GE(s.mp, 0);
    ASSERT_LE(s.mp, s.maxMp);
    ASSERT_GE(s.condition, -10);
    ASSERT_LE(s.condition, 10);
    ASSERT_TRUE(errors.empty()) << errors.front();
    if (s.hp == 0) newLife();
    if (pass % 50 == 0) s.manpuku = 100;  // fed now and then
    tg.clearTranscript();
  }
  EXPECT_TRUE(tg.dialogs.answers.empty());
  // The toy and study options teach words along the way, never an unstorable one.
  if (code == 1 || code == 6) {
    std::int32_t n = OPENDAT1(g);
    EXPECT_GT(n, 10);
    for (std::int32_t i = 1; i <= n; ++i) EXPECT_EQ(g.lang1.read(i).find('?'), std::string::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryOption, LongRun, ::testing::Values(1, 2, 3, 4, 5, 6, 7, 8));

}  // namespace
}  // namespace myu
