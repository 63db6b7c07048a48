// Where windows go on a desktop of two monitors of unequal sizes.
#include <gtest/gtest.h>

#include "platform/Screens.h"

namespace myu {
namespace {

// 1920 × 1080 pixels on the left, 1280 × 1024 on its right, tops aligned (15 twips a pixel):
// below the smaller one lies a gap of 56 pixels that no monitor shows.
const std::vector<ScreenArea> kTwoMonitors = {{0, 0, 28800, 16200}, {28800, 0, 19200, 15360}};
// The pet window in its picture layout.
constexpr int kWidth = 2845, kHeight = 2545;

TEST(ScreensTest, APositionIsKeptOnAnyMonitorAndBroughtBackOntoTheNearestOtherwise) {
  struct Case {
    const char* where;
    int left, top;
    int wantLeft, wantTop;
  } cases[] = {
      {"inside the larger monitor", 1000, 1000, 1000, 1000},
      {"inside the smaller monitor", 36000, 4500, 36000, 4500},
      {"across the border of the two", 27000, 1000, 27000, 1000},
      {"at the larger one's right edge, against the smaller", 28800 - kWidth, 1000, 28800 - kWidth,
       1000},
      {"reaching into the gap below the smaller", 36000, 14360, 36000, 15360 - kHeight - 1},
      {"wholly in the gap below the smaller", 36000, 15500, 36000, 15360 - kHeight - 1},
      {"across the border and into the gap: onto the monitor holding most of it", 27000, 14000,
       28800 - kWidth - 1, 16200 - kHeight - 1},
      {"past the smaller one's right edge", 47000, 1000, 48000 - kWidth - 1, 1000},
      {"touching the smaller one's right edge: one twip inside it", 48000 - kWidth, 1000,
       48000 - kWidth - 1, 1000},
      {"past the larger one's left edge", -500, 1000, 1, 1000},
      {"above the smaller one", 36000, -300, 36000, 1},
      {"touching the top", 1000, 0, 1000, 1},
      {"below the larger one", 1000, 20000, 1000, 16200 - kHeight - 1},
      {"far beyond the bottom right: the smaller one is nearest", 60000, 30000, 48000 - kWidth - 1,
       15360 - kHeight - 1},
      {"far beyond the top left: the larger one is nearest", -90000, -90000, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    int left = c.left, top = c.top;
    keepOnDesktop(kTwoMonitors, left, top, kWidth, kHeight);
    EXPECT_EQ(left, c.wantLeft);
    EXPECT_EQ(top, c.wantTop);
    EXPECT_EQ(onDesktop(kTwoMonitors, left, top, kWidth, kHeight), true);
  }
}

TEST(ScreensTest, TheMonitorOfAWindowIsTheOneHoldingMostOfIt) {
  struct Case {
    int left, top;
    int wantMonitor;
  } cases[] = {
      {1000, 1000, 0},   {36000, 4500, 1},
      {27000, 1000, 0},   // 1800 of its 2845 twips across are on the larger one
      {27500, 1000, 1},   // 1300 on the larger one, 1545 on the smaller
      {36000, 15500, 1},  // in the gap: the nearest
      {-5000, 40000, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.left) + "," + std::to_string(c.top));
    const ScreenArea m = monitorOf(kTwoMonitors, c.left, c.top, kWidth, kHeight);
    EXPECT_EQ(m.left, kTwoMonitors[static_cast<size_t>(c.wantMonitor)].left);
  }
}

TEST(ScreensTest, OneMonitorKeepsTheWindowOneTwipInsideEveryEdge) {
  const std::vector<ScreenArea> one = {{0, 0, 15360, 11520}};
  struct Case {
    int left, top, wantLeft, wantTop;
  } cases[] = {
      {14000, 100, 15360 - kWidth - 1, 100},
      {1, 1, 1, 1},
      {0, 5, 1, 5},
      {100, 11520 - kHeight, 100, 11520 - kHeight - 1},
      {-1, -1, 1, 1},
      {15360 - kWidth - 1, 11520 - kHeight - 1, 15360 - kWidth - 1, 11520 - kHeight - 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.left) + "," + std::to_string(c.top));
    int left = c.left, top = c.top;
    keepOnDesktop(one, left, top, kWidth, kHeight);
    EXPECT_EQ(left, c.wantLeft);
    EXPECT_EQ(top, c.wantTop);
  }
  // No monitor known: the default screen.
  int left = 20000, top = 20000;
  keepOnDesktop({}, left, top, kWidth, kHeight);
  EXPECT_EQ(left, 15360 - kWidth - 1);
  EXPECT_EQ(top, 11520 - kHeight - 1);
}

}  // namespace
}  // namespace myu
