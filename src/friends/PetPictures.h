// Pictures of other pets: the friend's picture in the friends window, both pets in the battle
// window (the species prefix of a model is kernel/Pictures.h's).
#pragma once

#include <cstdint>
#include <string>

namespace myu {
class Game;
class frmBattle;
class frmFriend;

// The friends window: the first picture of the pose into KAO_pic_F, with a single-line border.
void ShowFriendPicture(Game& g, frmFriend& friends, std::int32_t pose, const std::string& prefix);
// The battle window: the own pet's pictures of the pose into ImgKao(0) and ImgKao(1).
void ShowBattlePose(Game& g, frmBattle& battle, std::int32_t pose);
// The battle window: the opponent's pictures of the pose into ImgKao(2) and ImgKao(3), then
// one animation step of both pets in PicIMG(0) and PicIMG(1) (the opponent mirrored). Pets of
// unknown species only have pose 0.
void DrawBattlePictures(Game& g, frmBattle& battle, std::int32_t& pose, const std::string& prefix);

}  // namespace myu
