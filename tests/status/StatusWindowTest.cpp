#include <gtest/gtest.h>

#include "status/frmStatus.h"
#include "support/TestGame.h"

namespace myu {
namespace {

using Points = ChartPoints;

TEST(RadarChart, allCountersZeroCollapseToTheCentre) {
  EXPECT_EQ(radarValuePoints(2400, {}), Points(8, {1200, 1200}));
}

TEST(RadarChart, pointsRunClockwiseFromTheTopWithTruncatedSteps) {
  struct Case {
    int height;
    std::int16_t value;
    Points expected;
  };
  // H 2400: centre 1200, radius 1000, r/√2 = 707.1; H 2402: radius 1001, r/√2 = 707.8.
  const Case cases[] = {
      {2400,
       100,
       {{1200, 200},
        {1907, 493},
        {2200, 1200},
        {1907, 1907},
        {1200, 2200},
        {493, 1907},
        {200, 1200},
        {493, 493}}},
      {2400,
       50,
       {{1200, 700},
        {1553, 847},
        {1700, 1200},
        {1553, 1553},
        {1200, 1700},
        {847, 1553},
        {700, 1200},
        {847, 847}}},
      {2402,
       100,
       {{1201, 200},
        {1908, 494},
        {2202, 1201},
        {1908, 1908},
        {1201, 2202},
        {494, 1908},
        {200, 1201},
        {494, 494}}},
  };
  for (const Case& c : cases) {
    std::array<std::int16_t, 8> counters;
    counters.fill(c.value);
    EXPECT_EQ(radarValuePoints(c.height, counters), c.expected)
        << "height " << c.height << " value " << c.value;
  }
}

TEST(RadarChart, eachCounterMovesOnlyItsOwnPoint) {
  std::array<std::int16_t, 8> counters{};
  counters[2] = 30;  // utaguria, to the right
  Points pts = radarValuePoints(2400, counters);
  EXPECT_EQ(pts[2], std::make_pair(1500, 1200));
  for (int i : {0, 1, 3, 4, 5, 6, 7})
    EXPECT_EQ(pts[static_cast<std::size_t>(i)], std::make_pair(1200, 1200));
}

TEST(RadarChart, outlineRoundsTheDiagonalsWhereTheValuesTruncate) {
  // r/√2 = 707.8: the outline's diagonal is 708, a full counter's is 707.
  Points outline = radarOutlinePoints(2402);
  EXPECT_EQ(outline[0], std::make_pair(1201, 200));
  EXPECT_EQ(outline[1], std::make_pair(1909, 493));
  EXPECT_EQ(outline[7], std::make_pair(493, 493));
}

TEST(RankTexts, levelsAboveTenShowTheTopRankAndNoneShowsNothing) {
  struct Case {
    std::int32_t level;
    const char* alcohol;
    const char* junk;
  };
  const Case cases[] = {
      {0, "", ""},
      {-3, "", ""},
      {1, "1 酒好き", "1 中毒初心者"},
      {5, "5 いつでも酩酊状態", "5 痛覚感覚並行感覚麻痺"},
      {9, "9 急逝＆慢性＆真性アルコール中毒", "9 廃人"},
      {10, "10 幻のチキンドランカー", "10 平和と拒絶"},
      {14, "10 幻のチキンドランカー", "10 平和と拒絶"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(alcoholRankText(c.level), c.alcohol) << c.level;
    EXPECT_EQ(junkRankText(c.level), c.junk) << c.level;
  }
}

TEST(VersionText, showsOneToThreeDecimals) {
  const std::pair<float, const char*> cases[] = {{1.5F, "1.5"},      {2.0F, "2.0"},
                                                 {1.51F, "1.51"},    {0.0F, "0.0"},
                                                 {1.2345F, "1.235"}, {10.125F, "10.125"}};
  for (const auto& [v, text] : cases) EXPECT_EQ(formatVersion(v), text) << v;
}

// The word title rises one level per run, to the first level the word count reaches.
TEST(TitleRules, wordTitleRisesOneLevelPerRun) {
  struct Case {
    std::int32_t words, before, after;
  };
  const Case cases[] = {{49, 0, 0},  {50, 0, 1},   {1000, 0, 1}, {1000, 1, 2},
                        {250, 2, 3}, {250, 3, 3},  {699, 5, 5},  {700, 5, 6},
                        {999, 7, 7}, {1000, 7, 8}, {1001, 8, 8}, {1000, 9, 9}};
  for (const Case& c : cases) {
    test::TestGame t;
    t.st().petName = "ピヨ";
    t.st().userName = "太郎";
    t.st().startTime = t.game().now().format();
    t.putBytes("ピヨ.dat", std::string(static_cast<std::size_t>(c.words) * 60, ' '));
    auto& status = t.game().form<frmStatus>();
    t.game().show(status);
    ASSERT_EQ(status.wordCount(), c.words);
    t.st().titleFlags[16] = c.before;
    status.TitleHantei();
    EXPECT_EQ(t.st().titleFlags[16], c.after) << c.words << " words from level " << c.before;
  }
}

TEST(StatusWindow, chartHoldsTheOutlineThenTheValuesInASquareBox) {
  test::TestGame t;
  t.st().petName = "ピヨ";
  t.st().userName = "太郎";
  t.st().startTime = t.game().now().format();
  t.st().otaku = 100;
  auto& status = t.game().form<frmStatus>();
  t.game().show(status);
  const Control& chart = status.ctl("Picture1");
  EXPECT_EQ(kindName(chart.kind), "Chart");
  EXPECT_EQ(chart.width, chart.height);
  ASSERT_EQ(chart.points.size(), 16U);
  EXPECT_EQ(chart.points[8], chart.points[0]);  // a full otaku reaches the outline's top
  EXPECT_EQ(chart.points[9], std::make_pair(chart.height / 2, chart.height / 2));
}

}  // namespace
}  // namespace myu
