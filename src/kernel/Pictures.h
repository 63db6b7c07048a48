// Pictures of pets: bitmap files in the Img folder of the data folder, two per pose ("a" and
// "b"), each with a twice-as-large twin NAME@2x.bmp that the views pick on a HiDPI screen.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace myu {
class Game;

// The species of the program's own pets, and the picture prefixes of the species we know.
inline constexpr const char* kOwnModel = "モフリーノ";
inline constexpr const char* kSisterModel = "フワリーノ";

// The picture prefix of a pet's model (species): "Mof" for our own, "Fwa" for the sister
// species, "Oth" for any other. Reports a failure and leaves the prefix as it was.
void Select_Fpet_IMG(Game& g, const std::string& model, std::string& prefix);

// "Mof_IMG_12a.bmp": prefix + "_IMG_" + pose + letter + ".bmp".
std::string poseFileName(const std::string& prefix, std::int32_t pose, char letter);
// The UTF-8 path of a picture of the Img folder when a file of exactly that name (letter case
// included) exists there; nothing otherwise.
std::optional<std::string> existingPicture(Game& g, const std::string& fileName);

}  // namespace myu
