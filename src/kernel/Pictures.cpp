#include "kernel/Pictures.h"

#include <filesystem>
#include <system_error>

#include "kernel/Game.h"

namespace myu {

std::string poseFileName(const std::string& prefix, std::int32_t pose, char letter) {
  return prefix + "_IMG_" + std::to_string(pose) + letter + ".bmp";
}

std::optional<std::string> existingPicture(Game& g, const std::string& fileName) {
  std::error_code ec;
  const auto folder = g.file("Img");
  const auto path = folder / u8path(fileName);
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  // The name must match exactly, letter case included, also where the file system ignores
  // case.
  const auto wanted = u8path(fileName);
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    if (it->path().filename() == wanted) return pathToUtf8(path);
  }
  return std::nullopt;
}

}  // namespace myu
