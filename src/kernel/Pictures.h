// Pictures of pets: bitmap files in the Img folder of the data folder, two per pose ("a" and
// "b"), each with a twice-as-large twin NAME@2x.bmp that the views pick on a HiDPI screen.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace myu {
class Game;

// "Mof_IMG_12a.bmp": prefix + "_IMG_" + pose + letter + ".bmp".
std::string poseFileName(const std::string& prefix, std::int32_t pose, char letter);
// The UTF-8 path of a picture of the Img folder when a file of exactly that name (letter case
// included) exists there; nothing otherwise.
std::optional<std::string> existingPicture(Game& g, const std::string& fileName);

}  // namespace myu
