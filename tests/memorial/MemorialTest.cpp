#include <gtest/gtest.h>

#include <filesystem>

#include "memorial/frmDeaD.h"
#include "memorial/frmDendou.h"
#include "support/TestGame.h"

namespace myu {
namespace {

TEST(WillFile, takesTheFirstFreeNameOfTheDay) {
  test::TestGame t;
  const std::string folder = pathToUtf8(t.folder);
  const DateTime day{2026, 3, 4, 21, 0, 0};
  EXPECT_EQ(willFileName(folder, "ピヨ", day), "ピヨの遺言03月04日没.dat");
  t.put("ピヨの遺言03月04日没.dat", "");
  EXPECT_EQ(willFileName(folder, "ピヨ", day), "ピヨの遺言03月04日没0.dat");
  t.put("ピヨの遺言03月04日没0.dat", "");
  EXPECT_EQ(willFileName(folder, "ピヨ", day), "ピヨの遺言03月04日没1.dat");
  // another pet's wills do not count
  EXPECT_EQ(willFileName(folder, "モコ", day), "モコの遺言03月04日没.dat");
}

TEST(LastWords, onlyTheExactCauseCounts) {
  EXPECT_EQ(lastWords("改造手術失敗", "花子"),
            "『花子が俺の中身を弄くったみたい。しかも失敗した。うぅ。』");
  EXPECT_EQ(lastWords("餓死", "花子"), "『なんでもいいからなにか食べたかった。』");
  for (const char* other : {"", "餓死 ", "がし", "原因不明"})
    EXPECT_EQ(lastWords(other, "花子"), "『最悪の飼い主だった。』") << other;
}

TEST(HallPicture, usesTheModelsPrefixAndTheExactLetterCase) {
  test::TestGame t;
  EXPECT_EQ(hallPicturePath(t.game(), "モフリーノ"), "");  // no Img folder
  t.put("Img/mof_IMG_0a.bmp", "BM");
  EXPECT_EQ(hallPicturePath(t.game(), "モフリーノ"), "");
  const auto img = t.folder / "Img";
  if (std::filesystem::exists(img / "MOF_IMG_0A.BMP")) {
    // A file system that ignores letter case: the file written again under the right name
    // keeps the name it has, and the picture is still not found until it is renamed.
    t.put("Img/Mof_IMG_0a.bmp", "BM");
    EXPECT_EQ(hallPicturePath(t.game(), "モフリーノ"), "");
    std::filesystem::rename(img / "mof_IMG_0a.bmp", img / "renamed.bmp");
    std::filesystem::rename(img / "renamed.bmp", img / "Mof_IMG_0a.bmp");
  }
  t.put("Img/Mof_IMG_0a.bmp", "BM");
  t.put("Img/Oth_IMG_0a.bmp", "BM");
  EXPECT_EQ(hallPicturePath(t.game(), "モフリーノ"),
            pathToUtf8(t.folder / "Img" / "Mof_IMG_0a.bmp"));
  EXPECT_EQ(hallPicturePath(t.game(), "ほかの鳥"), pathToUtf8(t.folder / "Img" / "Oth_IMG_0a.bmp"));
}

TEST(DeathWindow, theRollFadesEachLineInTurn) {
  test::TestGame t;
  t.st().petName = "ピヨ";
  t.st().userName = "太郎";
  auto& dead = t.game().form<frmDeaD>();
  t.game().load(dead);
  // after 26 steps brightness is 50: line 1 at grey 50, line 2 just starting at black
  for (int i = 0; i < 26; ++i) dead.Timer2_Timer();
  EXPECT_EQ(dead.ctl("Label1").foreColor, rgb(50, 50, 50));
  EXPECT_EQ(dead.ctl("Label2").foreColor, rgb(0, 0, 0));
  for (int i = 0; i < 102; ++i) dead.Timer2_Timer();
  // brightness 254 was the last applied to line 1; line 3 (starting at 100) is at 154
  EXPECT_EQ(dead.ctl("Label1").foreColor, rgb(254, 254, 254));
  EXPECT_EQ(dead.ctl("Label3").foreColor, rgb(154, 154, 154));
}

}  // namespace
}  // namespace myu
