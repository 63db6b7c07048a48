#include "petwindow/mdlGraphic.h"

#include <filesystem>
#include <optional>
#include <set>
#include <system_error>

#include "petwindow/frmKivoMain.h"
#include "startup/Game.h"
#include "startup/mdlMain.h"

namespace myu {

std::string poseFileName(const std::string& prefix, std::int32_t pose, char letter) {
  return prefix + "_IMG_" + std::to_string(pose) + letter + ".bmp";
}

namespace {
// The names in a picture folder, as last listed. A flight restarts its pose many times a
// second: the folder is listed again only when its modification time has changed, or when a
// file of the name asked for is there but not in the list (a change the clock's resolution
// hid).
struct FolderListing {
  std::filesystem::path folder;
  std::filesystem::file_time_type modified;
  std::set<std::filesystem::path> names;
};

bool listedExactly(const std::filesystem::path& folder, const std::filesystem::path& name) {
  static std::optional<FolderListing> last;
  std::error_code ec;
  const auto modified = std::filesystem::last_write_time(folder, ec);
  if (!ec && last && last->folder == folder && last->modified == modified &&
      last->names.contains(name))
    return true;
  FolderListing now{folder, modified, {}};
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    now.names.insert(it->path().filename());
  if (ec) {
    last.reset();
    return now.names.contains(name);
  }
  const bool found = now.names.contains(name);
  last = std::move(now);
  return found;
}
}  // namespace

std::optional<std::string> existingPicture(Game& g, const std::string& fileName) {
  std::error_code ec;
  const auto folder = g.file("Img");
  const auto wanted = u8path(fileName);
  const auto path = folder / wanted;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  // The name must match exactly, letter case included, also where the file system ignores
  // case.
  if (!listedExactly(folder, wanted)) return std::nullopt;
  return pathToUtf8(path);
}

void ShowPose(Game& g, std::int16_t pose) {
  // Picture errors are passed over: each step that fails is skipped.
  auto& w = g.form<frmKivoMain>();
  g.load(w);
  try {
    if (auto a = existingPicture(g, poseFileName("Mof", pose, 'a'))) w.ctl("Image1").picture = *a;
  } catch (...) {
  }
  try {
    if (auto b = existingPicture(g, poseFileName("Mof", pose, 'b'))) w.ctl("Image2").picture = *b;
  } catch (...) {
  }
}

namespace {
// Loads a picture of the Img folder into a control when it exists; errors are passed over.
void loadInto(Game& g, Control& target, const std::string& fileName) {
  try {
    if (auto path = existingPicture(g, fileName)) target.picture = *path;
  } catch (...) {
  }
}
}  // namespace

void Select_Fpet_IMG(Game& g, const std::string& model, std::string& prefix) {
  guarded(g, "mdlGraphic/Select_Fpet_IMG ", [&] {
    if (model == kOwnModel) {
      prefix = "Mof";
    } else if (model == kSisterModel) {
      prefix = "Fwa";
    } else {
      prefix = "Oth";
    }
  });
}

void ShowFriendPicture(Game& g, Form& friends, std::int32_t pose, const std::string& prefix) {
  try {
    Control& pic = friends.ctl("KAO_pic_F");
    if (auto path = existingPicture(g, poseFileName(prefix, pose, 'a'))) {
      pic.picture = *path;
      pic.borderStyle = 1;
    }
  } catch (...) {
  }
}

void ShowBattlePose(Game& g, Form& battle, std::int32_t pose) {
  try {
    loadInto(g, battle.ctl("ImgKao", 0), poseFileName("Mof", pose, 'a'));
    loadInto(g, battle.ctl("ImgKao", 1), poseFileName("Mof", pose, 'b'));
  } catch (...) {
  }
}

void DrawBattlePictures(Game& g, Form& battle, std::int32_t& pose, const std::string& prefix) {
  // Two blink flags, one for each pet, alternate their pictures from step to step.
  struct Blink {
    bool own = false, other = false;
  };
  static Blink blink;
  try {
    if (prefix == "Oth") pose = 0;
    loadInto(g, battle.ctl("ImgKao", 2), poseFileName(prefix, pose, 'a'));
    loadInto(g, battle.ctl("ImgKao", 3), poseFileName(prefix, pose, 'b'));
    blink.own = !blink.own;
    battle.ctl("PicIMG", 0).picture = battle.ctl("ImgKao", blink.own ? 0 : 1).picture;
    blink.other = !blink.other;
    Control& other = battle.ctl("PicIMG", 1);
    other.picture = battle.ctl("ImgKao", blink.other ? 2 : 3).picture;
    other.mirrored = true;
  } catch (...) {
  }
}

}  // namespace myu
