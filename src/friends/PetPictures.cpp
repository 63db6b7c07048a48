#include "friends/PetPictures.h"

#include "friends/frmBattle.h"
#include "friends/frmFriend.h"
#include "kernel/Game.h"
#include "kernel/Pictures.h"

namespace myu {

namespace {
// Loads a picture of the Img folder into a control when it exists; errors are passed over.
void loadInto(Game& g, Control& target, const std::string& fileName) {
  try {
    if (auto path = existingPicture(g, fileName)) target.picture = *path;
  } catch (...) {
  }
}
}  // namespace

void ShowFriendPicture(Game& g, frmFriend& friends, std::int32_t pose, const std::string& prefix) {
  try {
    Control& pic = friends.KAO_pic_F;
    if (auto path = existingPicture(g, poseFileName(prefix, pose, 'a'))) {
      pic.picture = *path;
      pic.borderStyle = 1;
    }
  } catch (...) {
  }
}

void ShowBattlePose(Game& g, frmBattle& battle, std::int32_t pose) {
  try {
    loadInto(g, battle.ImgKao[0], poseFileName("Mof", pose, 'a'));
    loadInto(g, battle.ImgKao[1], poseFileName("Mof", pose, 'b'));
  } catch (...) {
  }
}

void DrawBattlePictures(Game& g, frmBattle& battle, std::int32_t& pose, const std::string& prefix) {
  // Two blink flags, one for each pet, alternate their pictures from step to step.
  struct Blink {
    bool own = false, other = false;
  };
  static Blink blink;
  try {
    if (prefix == "Oth") pose = 0;
    loadInto(g, battle.ImgKao[2], poseFileName(prefix, pose, 'a'));
    loadInto(g, battle.ImgKao[3], poseFileName(prefix, pose, 'b'));
    blink.own = !blink.own;
    battle.PicIMG[0].picture = battle.ImgKao[blink.own ? 0 : 1].picture;
    blink.other = !blink.other;
    Control& other = battle.PicIMG[1];
    other.picture = battle.ImgKao[blink.other ? 2 : 3].picture;
    other.mirrored = true;
  } catch (...) {
  }
}

}  // namespace myu
