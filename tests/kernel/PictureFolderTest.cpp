// Pictures of the Img folder are found by their exact names while files come, go and change
// their letter case under the running game, however quickly one lookup follows another.
#include <gtest/gtest.h>

#include <filesystem>

#include "kernel/Pictures.h"
#include "support/TestGame.h"

namespace myu {
namespace {

TEST(PictureFolderTest, FilesThatComeAndGoAreSeenAtTheNextLookup) {
  test::TestGame tg;
  Game& g = tg.game();
  const auto img = g.file("Img");
  tg.putBytes("Img/Mof_IMG_1a.bmp", "BM1a");
  ASSERT_TRUE(existingPicture(g, "Mof_IMG_1a.bmp"));
  EXPECT_FALSE(existingPicture(g, "Mof_IMG_1b.bmp"));
  // Added right after a lookup: found.
  tg.putBytes("Img/Mof_IMG_1b.bmp", "BM1b");
  EXPECT_TRUE(existingPicture(g, "Mof_IMG_1b.bmp"));
  // Renamed to another letter case: neither name is the picture's any more. (In two steps:
  // some file systems that ignore letter case keep the old name on a rename that changes
  // only the case.)
  std::filesystem::rename(img / "Mof_IMG_1a.bmp", img / "renamed.bmp");
  std::filesystem::rename(img / "renamed.bmp", img / "mof_img_1a.bmp");
  EXPECT_FALSE(existingPicture(g, "Mof_IMG_1a.bmp"));
  EXPECT_FALSE(existingPicture(g, "mof_IMG_1a.bmp"));
  EXPECT_TRUE(existingPicture(g, "mof_img_1a.bmp"));
  // Removed: gone at once.
  std::filesystem::remove(img / "Mof_IMG_1b.bmp");
  EXPECT_FALSE(existingPicture(g, "Mof_IMG_1b.bmp"));
  // A folder name is not a picture.
  std::filesystem::create_directory(img / "Mof_IMG_2a.bmp");
  EXPECT_FALSE(existingPicture(g, "Mof_IMG_2a.bmp"));
}

TEST(PictureFolderTest, EachGameLooksInItsOwnFolder) {
  test::TestGame first, second;
  first.putBytes("Img/Mof_IMG_3a.bmp", "BM3a");
  second.putBytes("Img/Mof_IMG_4a.bmp", "BM4a");
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    const auto a = existingPicture(first.game(), "Mof_IMG_3a.bmp");
    ASSERT_TRUE(a);
    EXPECT_EQ(std::filesystem::path(*a).parent_path(), first.game().file("Img"));
    EXPECT_FALSE(existingPicture(first.game(), "Mof_IMG_4a.bmp"));
    EXPECT_TRUE(existingPicture(second.game(), "Mof_IMG_4a.bmp"));
    EXPECT_FALSE(existingPicture(second.game(), "Mof_IMG_3a.bmp"));
  }
}

}  // namespace
}  // namespace myu
