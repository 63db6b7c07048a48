// Which folder holds what: a program run from its own folder keeps everything there; an
// installed one reads PREFIX/share/myuruka and keeps the pet in the user's data folder, into
// which the sample food files are copied once.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "kernel/Pictures.h"
#include "kernel/ProgramFolders.h"
#include "support/TestGame.h"

namespace myu {
namespace {

namespace fs = std::filesystem;

class ProgramFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = tg.folder / "root";
    fs::create_directories(root / "usr" / "bin");
    fs::create_directories(root / "build" / "myuruka");
  }
  void write(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
  }
  static std::string read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  test::TestGame tg;
  fs::path root;
};

TEST_F(ProgramFoldersTest, AnInstalledCopyIsAnExecutableBesideShareMyuruka) {
  fs::create_directories(root / "usr" / "share" / "myuruka");
  const std::string home = (root / "home").string(), xdg = (root / "xdg").string();
  struct Case {
    const char* what;
    fs::path exe;
    const char* xdg;
    const char* home;
    bool installed;
    fs::path data, pet;
  };
  const fs::path bin = root / "usr" / "bin", build = root / "build" / "myuruka";
  const fs::path share = root / "usr" / "share" / "myuruka";
  const Case cases[] = {
      {"build folder", build, xdg.c_str(), home.c_str(), false, build, build},
      {"installed, XDG_DATA_HOME", bin, xdg.c_str(), home.c_str(), true, share,
       root / "xdg" / "myuruka"},
      {"installed, HOME only", bin, nullptr, home.c_str(), true, share,
       root / "home" / ".local" / "share" / "myuruka"},
      {"installed, relative XDG_DATA_HOME is ignored", bin, "rel/data", home.c_str(), true, share,
       root / "home" / ".local" / "share" / "myuruka"},
      {"installed, no home at all", bin, nullptr, nullptr, true, share, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ProgramFolders f = programFolders(c.exe, "../share/myuruka", c.xdg, c.home);
    EXPECT_EQ(f.installed, c.installed);
    EXPECT_EQ(f.data, c.data);
    EXPECT_EQ(f.pet, c.pet);
  }
  // A file of that name is not a data folder.
  write(root / "opt" / "share" / "myuruka", "x");
  fs::create_directories(root / "opt" / "bin");
  EXPECT_FALSE(
      programFolders(root / "opt" / "bin", "../share/myuruka", nullptr, home.c_str()).installed);
}

TEST_F(ProgramFoldersTest, TheSampleFoodFilesAreCopiedOnceWhenThePetFolderIsMade) {
  const fs::path share = root / "usr" / "share" / "myuruka";
  write(share / "おやつ.krp", "dishes");
  write(share / "お助けぺーじ.html", "<html>");
  write(share / "Img" / "Mof_IMG_0a.bmp", "BM");
  const ProgramFolders f{share, root / "home" / ".local" / "share" / "myuruka", true};
  std::string error;
  ASSERT_TRUE(preparePetFolder(f, error)) << error;
  EXPECT_EQ(read(f.pet / "おやつ.krp"), "dishes");
  EXPECT_FALSE(fs::exists(f.pet / "お助けぺーじ.html"));
  EXPECT_FALSE(fs::exists(f.pet / "Img"));
  // Eaten up and deleted by the owner: it does not come back at the next start.
  fs::remove(f.pet / "おやつ.krp");
  ASSERT_TRUE(preparePetFolder(f, error));
  EXPECT_FALSE(fs::exists(f.pet / "おやつ.krp"));
  // A program folder is left as it is.
  const ProgramFolders own{root / "build" / "myuruka", root / "build" / "myuruka", false};
  EXPECT_TRUE(preparePetFolder(own, error));
}

TEST_F(ProgramFoldersTest, APetFolderThatCannotBeMadeIsToldInJapanese) {
  const fs::path share = root / "usr" / "share" / "myuruka";
  fs::create_directories(share);
  write(root / "blocked", "a file where a folder should be");
  std::string error;
  EXPECT_FALSE(preparePetFolder({share, root / "blocked" / "myuruka", true}, error));
  EXPECT_NE(error.find("を作れませんでした"), std::string::npos) << error;
  EXPECT_FALSE(preparePetFolder({share, {}, true}, error));
  EXPECT_NE(error.find("HOME"), std::string::npos) << error;
}

TEST_F(ProgramFoldersTest, AGameFindsItsPicturesInTheDataFolderAndItsPetInThePetFolder) {
  const fs::path share = root / "usr" / "share" / "myuruka", pet = root / "pet";
  write(share / "Img" / "Mof_IMG_0a.bmp", "BM");
  fs::create_directories(pet);
  Services s{&tg.dialogs, &tg.clock, &tg.random, tg.shell.get(), &tg.session, &tg.windows};
  Game g(ProgramFolders{share, pet, true}, s);
  EXPECT_EQ(existingPicture(g, "Mof_IMG_0a.bmp"), pathToUtf8(share / "Img" / "Mof_IMG_0a.bmp"));
  EXPECT_EQ(g.userIni(), pet / "user.ini");
  EXPECT_EQ(g.dataFile("お助けぺーじ.html"), share / u8path("お助けぺーじ.html"));
}

}  // namespace
}  // namespace myu
