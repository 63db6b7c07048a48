// The drive list's places and the folder list of the feeding and friends windows.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "feeding/frmServe.h"
#include "kernel/FileBrowser.h"
#include "kernel/UserInput.h"
#include "support/TestGame.h"

namespace myu {
namespace {

namespace fs = std::filesystem;

#ifndef _WIN32
// A file system of its own: root/home/taro with its desktop, media mounted for taro (and
// one for another user, and a hidden one), and the pet's folder.
TEST(Places, aLinuxOwnerKnowsHomeDesktopPetFolderRootAndMedia) {
  test::TestGame t;
  const fs::path root = fs::weakly_canonical(t.folder) / "root";
  for (const char* dir :
       {"home/taro/Desktop", "home/taro/デスク", "home/taro/pet", "media/taro/USBメモリ",
        "media/taro/SD", "media/hanako/CD", "run/media/taro/外付け", "media/taro/.hidden"})
    fs::create_directories(root / u8path(dir));
  const std::string r = pathToUtf8(root);
  const std::string home = r + "/home/taro";
  struct Case {
    const char* what;
    PlaceSources sources;
    std::vector<Place> want;
  } cases[] = {
      {"everything",
       {root / "home/taro", root / "home/taro/Desktop", root / "home/taro/pet", "taro", root},
       {{"ホーム", home},
        {"デスクトップ", home + "/Desktop"},
        {"ペットのフォルダ", home + "/pet"},
        {"ルート", r},
        {"SD", r + "/media/taro/SD"},
        {"USBメモリ", r + "/media/taro/USBメモリ"},
        {"外付け", r + "/run/media/taro/外付け"}}},
      {"a desktop named in the user folders",
       {root / "home/taro", root / "home/taro/デスク", root / "home/taro", "hanako", root},
       {{"ホーム", home},
        {"デスクトップ", home + "/デスク"},
        {"ルート", r},
        {"CD", r + "/media/hanako/CD"}}},
      {"a missing desktop, no user",
       {root / "home/taro", root / "home/taro/gone", root / "home/taro/pet", "", root},
       {{"ホーム", home}, {"ペットのフォルダ", home + "/pet"}, {"ルート", r}}},
      {"the desktop is the home folder, no home known",
       {"", root / "home/taro", "", "nobody", root},
       {{"デスクトップ", home}, {"ルート", r}}},
      {"a user name that climbs", {"", "", "", "../media/taro", root}, {{"ルート", r}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(placesOf(c.sources), c.want);
  }
  EXPECT_EQ(placeLine({"ホーム", "/home/taro"}), "ホーム (/home/taro)");
}
#endif

class FolderList : public ::testing::Test {
 protected:
  FolderList() {
    t.dialogs.autoMode = true;
    t.healthyPet("たろう", 50);
    fs::create_directories(t.folder / u8path("箱"));
    fs::create_directories(t.folder / u8path(".隠し"));
    t.put("箱/c.krp", "");
  }
  frmServe& open() {
    frmServe& f = t.game().form<frmServe>();
    t.game().load(f);
    return f;
  }
  static int rowOf(const Control& c, const std::string& text) {
    for (size_t i = 0; i < c.items.size(); ++i)
      if (c.items[i] == text) return static_cast<int>(i);
    return -1;
  }
  test::TestGame t;
};

TEST_F(FolderList, showsTheAncestorsAboveTheSubfoldersAndNoHiddenFolder) {
  frmServe& f = open();
  const Control& dir = f.ctl("Dir1");
  const fs::path here = fs::weakly_canonical(t.folder);
  std::vector<fs::path> chain;
  for (fs::path p = here;; p = p.parent_path()) {
    chain.insert(chain.begin(), p);
    if (!p.has_relative_path()) break;
  }
  std::vector<std::string> want;
  for (size_t i = 0; i < chain.size(); ++i)
    want.push_back(std::string(i * 2, ' ') + (i + 1 == chain.size() ? "▼ " : "▽ ") +
                   pathToUtf8(i == 0 ? chain[i] : chain[i].filename()));
  want.push_back(std::string(chain.size() * 2, ' ') + "▷ 箱");
  EXPECT_EQ(dir.items, want);
  EXPECT_EQ(dir.listIndex, static_cast<int>(chain.size()) - 1);
  EXPECT_EQ(dir.path, pathToUtf8(here));
}

TEST_F(FolderList, aClickSelectsADoubleClickOpensOneLevelAtATime) {
  frmServe& f = open();
  const Control& dir = f.ctl("Dir1");
  const std::string here = pathToUtf8(fs::weakly_canonical(t.folder));
  const std::string inBox = pathToUtf8(fs::weakly_canonical(t.folder) / u8path("箱"));
  const int box = static_cast<int>(dir.items.size()) - 1;
  userSelect(f, "Dir1", box);
  EXPECT_EQ(dir.path, here);
  EXPECT_EQ(dir.listIndex, box);
  userDblClick(f, "Dir1");
  EXPECT_EQ(dir.path, inBox);
  EXPECT_EQ(f.ctl("File1").items, std::vector<std::string>{"c.krp"});
  // The parent is the row above the open folder: a double click there goes up one level.
  const int parent = static_cast<int>(dir.items.size()) - 2;
  userSelect(f, "Dir1", parent);
  userDblClick(f, "Dir1");
  EXPECT_EQ(dir.path, here);
  // The root's row opens the root.
  userSelect(f, "Dir1", 0);
  userDblClick(f, "Dir1");
  EXPECT_EQ(dir.path, pathToUtf8(fs::path(here).root_path()));
  EXPECT_EQ(dir.listIndex, 0);
}

}  // namespace
}  // namespace myu
