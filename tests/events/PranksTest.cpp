#include <gtest/gtest.h>

#include <filesystem>

#include "events/mdlEventrakuda.h"
#include "support/TestGame.h"

namespace myu {
namespace {

namespace fs = std::filesystem;

// The hunt stays inside its own tree: a root or a level that is a link to somewhere else is
// never written through.
TEST(TreasureHunt, neverWritesThroughALink) {
  test::TestGame t;
  const fs::path outside = t.folder / "outside";
  fs::create_directories(outside);
  fs::create_directories(t.folder / "Desktop");
  const fs::path root = t.folder / u8path("Desktop/らくだのこぶ");
  std::error_code linked;
  fs::create_directory_symlink(outside, root, linked);
  // Windows lets only an administrator (or developer mode) make a link.
  if (linked) GTEST_SKIP() << "no folder link here: " << linked.message();
  t.dialogs.autoMode = true;
  t.random.queued = {1, 1};
  EXPECT_FALSE(RakudaProject(t.game()));
  EXPECT_TRUE(fs::is_empty(outside));

  fs::remove(root);
  fs::create_directories(root);
  t.put("Desktop/らくだのこぶ/はじまり.txt", "");
  fs::create_directory_symlink(outside, root / u8path("らくだのひとこぶめ"));
  t.random.queued = {2, 1, 1};
  EXPECT_FALSE(RakudaProject(t.game()));
  EXPECT_TRUE(fs::is_empty(outside));
}

TEST(TreasureHunt, notesAreCodePage932LinesEndedByCrLf) {
  test::TestGame t;
  std::deque<std::int32_t> draws;
  for (int i = 0; i < 30; ++i) draws.insert(draws.end(), {1, 1});
  t.random.queued = draws;
  ASSERT_TRUE(RakudaProject(t.game()));
  EXPECT_EQ(t.bytes("Desktop/らくだのこぶ/はじまり.txt"),
            *toCp932("シルクロードのはじまり地点は、ここなのだ！") + "\r\n");
  EXPECT_EQ(t.bytes("Desktop/らくだのこぶ/らくだのひとこぶめ/アタリかハズレか謎なのだ.txt"),
            *toCp932("・・・・・・これでもかってぐらい、ハズレ。") + "\r\n");
}

}  // namespace
}  // namespace myu
