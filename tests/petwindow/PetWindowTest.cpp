// The pet window's status bars, layouts on the screen, and the flight.
#include <gtest/gtest.h>

#include "events/mdlEvent.h"
#include "kernel/Pictures.h"
#include "petwindow/frmKivoMain.h"
#include "petwindow/mdlGraphic.h"
#include "support/TestGame.h"

namespace myu {
namespace {

class PetWindowTest : public ::testing::Test {
 protected:
  test::TestGame tg;
  frmKivoMain& w = tg.game().form<frmKivoMain>();
};

TEST_F(PetWindowTest, HpBarAndWeakPose) {
  struct Case {
    std::int32_t hp, maxHp;
    int width;
    std::int16_t pose;  // petImage afterwards (starts at 3)
  } cases[] = {
      {5, 60, 145, 19},  // 500/60 is below 10 %
      {6, 60, 174, 3},   // exactly 10 %: no change
      {0, 60, 0, 3},     // an empty bar, no weak pose for a dead pet
      {60, 60, 1740, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.hp) + "/" + std::to_string(c.maxHp));
    tg.st().hp = c.hp;
    tg.st().maxHp = c.maxHp;
    tg.st().petImage = 3;
    ASSERT_TRUE(w.ChangeSlidebar());
    EXPECT_EQ(w.ctl("HPblu").width, c.width);
    EXPECT_EQ(w.ctl("HPblu").left, w.ctl("HPred").left);
    EXPECT_EQ(w.ctl("HPblu").top, w.ctl("HPred").top);
    EXPECT_EQ(w.ctl("petHP").caption, std::to_string(c.hp));
    EXPECT_EQ(tg.st().petImage, c.pose);
  }
}

TEST_F(PetWindowTest, FullnessAndHappinessBarsOverHundred) {
  tg.st().hp = tg.st().maxHp = 40;
  tg.st().manpuku = 50;
  tg.st().happy = 1;
  ASSERT_TRUE(w.ChangeSlidebar());
  EXPECT_EQ(w.ctl("HARAblu").width, 870);
  EXPECT_EQ(w.ctl("HAPPYblu").width, 17);
  EXPECT_EQ(w.ctl("petHARA").caption, "50");
}

TEST_F(PetWindowTest, LayoutsKeepTheWindowOnItsScreen) {
  struct Case {
    ScreenArea screen;
    int left, top;
    std::int16_t mode;
    int wantLeft, wantTop, wantWidth, wantHeight;
  } cases[] = {
      // Partly off the right edge: pulled back one twip inside.
      {{0, 0, 15360, 11520}, 14000, 100, 0, 15360 - 5725 - 1, 100, 5725, 4105},
      // Off the bottom, then the picture layout fits.
      {{0, 0, 15360, 11520}, 100, 11000, 2, 100, 11520 - 2545 - 1, 2845, 2545},
      // Above and left of the screen.
      {{0, 0, 15360, 11520}, -500, -20, 0, 1, 1, 5725, 4105},
      // A second screen to the right: the window stays on it.
      {{15360, 0, 15360, 11520}, 15000, 200, 2, 15361, 200, 2845, 2545},
      {{15360, 0, 15360, 11520}, 30000, 200, 2, 30720 - 2845 - 1, 200, 2845, 2545},
      // A screen smaller than the window: the top-left corner stays visible.
      {{0, 0, 3000, 2000}, 100, 100, 0, 1, 1, 5725, 4105},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.left) + "," + std::to_string(c.top));
    tg.windows.screen = c.screen;
    w.me().left = c.left;
    w.me().top = c.top;
    w.PrpWindowMode = c.mode;
    w.Window_Mode();
    EXPECT_EQ(w.me().left, c.wantLeft);
    EXPECT_EQ(w.me().top, c.wantTop);
    EXPECT_EQ(w.me().width, c.wantWidth);
    EXPECT_EQ(w.me().height, c.wantHeight);
  }
}

TEST_F(PetWindowTest, LayoutCycleFollowsTheClockView) {
  auto cycle = [&] {
    std::vector<int> heights;
    for (int i = 0; i < 3; ++i) {
      w.Window_Mode();
      heights.push_back(w.me().height);
    }
    return heights;
  };
  w.PrpWindowMode = 0;
  EXPECT_EQ(cycle(), (std::vector<int>{4105, 2545, 4105}));
  w.timer("TimeTimer")->enabled = true;
  w.PrpWindowMode = 0;
  EXPECT_EQ(cycle(), (std::vector<int>{4105, 2545, 1095}));
  EXPECT_EQ(w.shownLayout(), 1);
  // An unknown mode leaves the size and comes back to the picture layout next.
  w.PrpWindowMode = 7;
  w.Window_Mode();
  EXPECT_EQ(w.me().height, 1095);
  EXPECT_EQ(w.PrpWindowMode, 2);
}

TEST_F(PetWindowTest, FlightBouncesWithinItsScreenAndEndsAfterSevenBounces) {
  tg.windows.screen = {15360, 0, 15360, 11520};
  w.me().left = 15400;
  w.me().top = 5;
  w.me().width = 2845;
  w.me().height = 2545;
  tg.random.queued = {300, 200, 2, 1};  // up 300, right 200
  Event_WindowMoveStart(tg.game());
  EXPECT_TRUE(w.timer("move_timer")->enabled);
  EXPECT_EQ(w.moveRounds, 0);
  tg.random.queued.push_back(100);
  ASSERT_TRUE(Event_WindowMoveRound(tg.game(), w.moveRounds));
  EXPECT_EQ(w.me().top, 1);  // bounced off the top
  EXPECT_EQ(w.moveStepY, 300);
  EXPECT_EQ(w.moveRounds, 1);
  int steps = 0;
  while (w.timer("move_timer")->enabled && steps < 10000) {
    tg.random.queued.push_back(50);
    w.fireTimer("move_timer");
    ++steps;
    ASSERT_GT(w.me().left, 15360);
    ASSERT_LT(w.me().left + w.me().width, 30720);
    ASSERT_GT(w.me().top, 0);
    ASSERT_LT(w.me().top + w.me().height, 11520);
  }
  EXPECT_EQ(w.moveRounds, 7);
  EXPECT_FALSE(w.timer("move_timer")->enabled);
}

TEST_F(PetWindowTest, FlightStopsWhenMinimised) {
  tg.random.queued = {100, 100, 1, 1};
  Event_WindowMoveStart(tg.game());
  w.windowState = 1;
  w.fireTimer("move_timer");
  EXPECT_FALSE(w.timer("move_timer")->enabled);
  // Starting a flight restores the window.
  tg.random.queued = {100, 100, 1, 1};
  Event_WindowMoveStart(tg.game());
  EXPECT_TRUE(w.isNormalState());
}

// Two monitors side by side, the right one smaller (1920 × 1080 and 1280 × 1024 pixels).
class TwoMonitorsTest : public PetWindowTest {
 protected:
  void SetUp() override {
    tg.windows.screen = {0, 0, 28800, 16200};
    tg.windows.monitors = {{28800, 0, 19200, 15360}};
  }
};

TEST_F(TwoMonitorsTest, ASavedPositionIsKeptOnEitherMonitorAndTheLayoutsKeepIt) {
  struct Case {
    double left, top;
    int wantLeft, wantTop;
  } cases[] = {
      {36000, 4500, 36000, 4500},               // on the second monitor
      {27000, 300, 27000, 300},                 // across both
      {36000, 15000, 36000, 15360 - 2545 - 1},  // in the gap below the second
      {50000, 300, 48000 - 2845 - 1, 300},      // past the second's right edge
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.left) + "," + std::to_string(c.top));
    w.PrpWindowMode = 2;
    w.Window_Mode();
    w.setPosition(c.left, c.top);
    EXPECT_EQ(w.me().left, c.wantLeft);
    EXPECT_EQ(w.me().top, c.wantTop);
  }
  // The full panel grows past the second monitor's right edge: pulled back inside that edge.
  w.setPosition(44000, 300);
  w.PrpWindowMode = 0;
  w.Window_Mode();
  EXPECT_EQ(w.me().left, 48000 - 5725 - 1);
  EXPECT_EQ(w.me().top, 300);
}

TEST_F(TwoMonitorsTest, AFlightStaysOnTheMonitorWhereItStarted) {
  for (int startLeft : {27500, 36000}) {
    SCOPED_TRACE(startLeft);
    w.PrpWindowMode = 2;
    w.Window_Mode();
    w.setPosition(startLeft, 5000);
    const ScreenArea m = tg.windows.screenOf(w);
    tg.random.queued = {400, 400, 1, 2};  // down 400, left 400
    Event_WindowMoveStart(tg.game());
    int steps = 0;
    while (w.timer("move_timer")->enabled && steps < 10000) {
      tg.random.queued.push_back(50);
      w.fireTimer("move_timer");
      ++steps;
      ASSERT_GT(w.me().left, m.left);
      ASSERT_LT(w.me().left + w.me().width, m.left + m.width);
      ASSERT_GT(w.me().top, m.top);
      ASSERT_LT(w.me().top + w.me().height, m.top + m.height);
    }
    EXPECT_GE(w.moveRounds, 7);                     // the last step may bounce off two edges
    EXPECT_EQ(tg.windows.screenOf(w).left, 28800);  // 27500: most of it was on the second
  }
}

TEST_F(PetWindowTest, AFlightOnADesktopThatDoesNotMoveWindowsEndsWhereTheWindowIs) {
  w.me().left = 3000;
  w.me().top = 2000;
  tg.windows.placing = false;
  tg.putBytes("Img/Mof_IMG_7a.bmp", "BM7a");
  tg.random.queued = {300, 200, 1, 1};
  Event_WindowMoveStart(tg.game());
  // The pet takes its flying pose, and the window stays where it is.
  EXPECT_NE(w.ctl("Image1").picture.find("Mof_IMG_7a.bmp"), std::string::npos);
  w.fireTimer("move_timer");
  EXPECT_FALSE(w.timer("move_timer")->enabled);
  EXPECT_EQ(w.me().left, 3000);
  EXPECT_EQ(w.me().top, 2000);
}

}  // namespace
}  // namespace myu

namespace myu {
namespace {

TEST(ShowPoseTest, LoadsExactNamesAndKeepsPicturesOfMissingFiles) {
  test::TestGame tg;
  tg.putBytes("Img/Mof_IMG_12a.bmp", "BM12a");
  tg.putBytes("Img/mof_img_12b.bmp", "BM12b");  // differs in letter case: not used
  tg.putBytes("Img/Mof_IMG_0b.bmp", "BM0b");
  auto& w = tg.game().form<frmKivoMain>();
  ShowPose(tg.game(), 0);
  EXPECT_EQ(w.ctl("Image1").picture, "");
  EXPECT_NE(w.ctl("Image2").picture.find("Mof_IMG_0b.bmp"), std::string::npos);
  ShowPose(tg.game(), 12);
  EXPECT_NE(w.ctl("Image1").picture.find("Mof_IMG_12a.bmp"), std::string::npos);
  EXPECT_NE(w.ctl("Image2").picture.find("Mof_IMG_0b.bmp"), std::string::npos);
  EXPECT_EQ(poseFileName("Oth", 3, 'b'), "Oth_IMG_3b.bmp");
  ShowPose(tg.game(), 99);  // nothing there: no change, no message
  EXPECT_NE(w.ctl("Image1").picture.find("Mof_IMG_12a.bmp"), std::string::npos);
  EXPECT_EQ(tg.transcript(), "");
}

}  // namespace
}  // namespace myu
