// Pictures of other pets: the species prefix of a model, the friend's picture in the friends
// window, both pets in the battle window.
#pragma once

#include <cstdint>
#include <string>

namespace myu {
class Game;
class frmBattle;
class frmFriend;

// The species of the program's own pets, and the picture prefixes of the species we know.
inline constexpr const char* kOwnModel = "モフリーノ";
inline constexpr const char* kSisterModel = "フワリーノ";

// The picture prefix of a pet's model (species): "Mof" for our own, "Fwa" for the sister
// species, "Oth" for any other. Reports a failure and leaves the prefix as it was.
void Select_Fpet_IMG(Game& g, const std::string& model, std::string& prefix);
// The friends window: the first picture of the pose into KAO_pic_F, with a single-line border.
void ShowFriendPicture(Game& g, frmFriend& friends, std::int32_t pose, const std::string& prefix);
// The battle window: the own pet's pictures of the pose into ImgKao(0) and ImgKao(1).
void ShowBattlePose(Game& g, frmBattle& battle, std::int32_t pose);
// The battle window: the opponent's pictures of the pose into ImgKao(2) and ImgKao(3), then
// one animation step of both pets in PicIMG(0) and PicIMG(1) (the opponent mirrored). Pets of
// unknown species only have pose 0.
void DrawBattlePictures(Game& g, frmBattle& battle, std::int32_t& pose, const std::string& prefix);

}  // namespace myu
