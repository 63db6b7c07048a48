// The closing save in a folder that the system refuses to write: error 70 with its text, then
// the owner's question, and the old save stays.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "kernel/UserInput.h"
#include "persistence/mdliniFile.h"
#include "petwindow/frmKivoMain.h"
#include "support/TestGame.h"

#ifdef __linux__
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>
#endif

namespace myu {
namespace {

namespace fs = std::filesystem;

// Makes a folder refuse writes, as the system does: by its permission bits for an ordinary
// user, by a read-only bind mount in this test process's own mount namespace for root (who
// passes over the bits). Undone when it ends. reason() says why it could not be done here.
class RefusedFolder {
 public:
  explicit RefusedFolder(const fs::path& folder) : folder_(folder) {
#ifdef __linux__
    if (::geteuid() != 0) {
      fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
      chmodded_ = true;
    } else if (::unshare(CLONE_NEWNS) != 0 ||
               ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
               ::mount(folder_.c_str(), folder_.c_str(), nullptr, MS_BIND, nullptr) != 0) {
      reason_ = "running as root without the right to mount in a namespace of its own";
      return;
    } else {
      mounted_ = true;
      if (::mount("none", folder_.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) !=
          0) {
        reason_ = "the bind mount cannot be made read-only here";
        return;
      }
    }
    std::ofstream probe(folder_ / "probe", std::ios::binary);
    if (probe) {
      probe.close();
      fs::remove(folder_ / "probe");
      reason_ = "the system writes into the folder all the same";
    }
#else
    reason_ = "no way to make a folder refuse writes on this system in a test";
#endif
  }
  ~RefusedFolder() {
#ifdef __linux__
    if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    if (chmodded_) fs::permissions(folder_, fs::perms::owner_all);
#endif
  }
  RefusedFolder(const RefusedFolder&) = delete;
  RefusedFolder& operator=(const RefusedFolder&) = delete;
  const std::string& reason() const {
    return reason_;
  }

 private:
  fs::path folder_;
  std::string reason_;
  bool mounted_ = false;
  bool chmodded_ = false;
};

TEST(ReadOnlyFolderTest, TheClosingSaveShowsError70ThenAsksAndKeepsTheOldSave) {
  test::TestGame t;
  t.healthyPet("たろう", 50);
  frmKivoMain& w = t.game().form<frmKivoMain>();
  t.game().load(w);
  ASSERT_TRUE(fSave_UserData(t.game(), w.menuType));
  const std::string oldUser = t.bytes("user.ini");
  t.st().hp = 42;
  t.clearTranscript();

  RefusedFolder refused(t.folder);
  if (!refused.reason().empty()) GTEST_SKIP() << "no refused write: " << refused.reason();

  t.dialogs.answers = {1, 7};  // the error box, then No: the pet stays
  EXPECT_FALSE(userClose(w));
  const std::string shown = t.transcript();
  const auto error = shown.find("ｴﾗｰ番号 : 70\\r書き込みできません。");
  const auto question = shown.find("に書き込めないみたいです。");
  EXPECT_NE(error, std::string::npos) << shown;
  EXPECT_NE(question, std::string::npos) << shown;
  EXPECT_LT(error, question) << shown;
  EXPECT_EQ(shown.find("ｴﾗｰ番号 : 75"), std::string::npos) << shown;
  ASSERT_EQ(t.errors.size(), 1U);
  EXPECT_NE(t.errors[0].find("mdliniFile/fSave_UserData ErrorHandle:(70) - 書き込みできません。"),
            std::string::npos)
      << t.errors[0];
  EXPECT_EQ(t.bytes("user.ini"), oldUser);
  EXPECT_FALSE(t.exists("user.ini.tmp"));
  EXPECT_FALSE(t.exists("title.ini.tmp"));
}

}  // namespace
}  // namespace myu
