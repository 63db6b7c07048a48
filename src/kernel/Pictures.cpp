#include "kernel/Pictures.h"

#include <filesystem>
#include <optional>
#include <set>
#include <system_error>

#include "kernel/Game.h"
#include "kernel/mdlMain.h"
#include "platform/FileSystem.h"

namespace myu {

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
  std::optional<std::int64_t> modified;
  std::set<std::filesystem::path> names;
};

bool listedExactly(const std::filesystem::path& folder, const std::filesystem::path& name) {
  static std::optional<FolderListing> last;
  std::error_code ec;
  const auto modified = modificationStamp(folder);
  if (modified && last && last->folder == folder && last->modified == modified &&
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
  const auto folder = g.dataFile("Img");
  const auto wanted = u8path(fileName);
  const auto path = folder / wanted;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  // The name must match exactly, letter case included, also where the file system ignores
  // case.
  if (!listedExactly(folder, wanted)) return std::nullopt;
  return pathToUtf8(path);
}

}  // namespace myu
