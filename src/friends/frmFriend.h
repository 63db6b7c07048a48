// The friends window "友達ペットステータス": a friend's pet read from its file, how well the
// two pets get on, words learned from it or from the wills of dead pets, and the start of a
// fight with it. Opened from the status window, not modal.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "kernel/FileBrowser.h"
#include "persistence/mdliniFile.h"
#include "platform/Form.h"

namespace myu {

// The relation of two personality types, 0 (the same) to 4 (opposites on the circle).
std::int16_t personalityRelation(const std::string& ownType, const std::string& friendType);
// The version as the window shows it: at least one decimal, at most three ("#0.0##").
std::string versionText(float version);
// True when a friend pet's name can name its language file beside the friend's file.
bool isUsableFriendPetName(const std::string& name);

class frmFriend : public Form {
 public:
  static constexpr const char* kName = "frmFriend";
  static constexpr const char* kFriendPattern = "*.kvo";
  static constexpr const char* kWillPattern = "*遺言*.dat";
  explicit frmFriend(Game& g);

  void Form_Load() override;
  bool Form_QueryUnload() override;

  bool FstatusPre();
  std::int16_t ChackPetType();
  void HyoujiSyokika();
  std::int32_t PutDatCopy(const std::string& path);
  bool CopyDeadDat();

  void Drive1_Change();
  void Dir1_Change();
  void File1_Click();
  void File1_OLEDragDrop(const EventArgs& e);
  void btnYuigon_Click();
  void Command2_Click();
  void battleStart_Click();

  // True while the window is loaded.
  bool PrpFriendForm = false;
  FriendUser friendUser;
  FriendPet friendPet;
  FriendTime friendTime;
  std::string friendLangPath;
  std::int32_t friendWordCount = 0;
  std::int16_t petRelation = 0;
  // Closes the window this one belongs to; the status window sets it when it opens this one.
  // A pet that died in a fight is taken to its funeral by the pet window: the status window
  // (and this one with it) closes, which brings the pet window back.
  std::function<void()> closeOwner;

  Control& Drive1 = add(Kind::DriveList, "Drive1");
  Control& Dir1 = add(Kind::DirList, "Dir1");
  Control& File1 = add(Kind::FileList, "File1");
  Control& btnYuigon = add(Kind::Button, "btnYuigon");  // friends' pets or the wills
  // The friend's pet: each value label after its caption label.
  Control& Frame1 = add(Kind::Frame, "Frame1");
  Control& KAO_pic_F = add(Kind::Picture, "KAO_pic_F", Frame1);
  Control& lbl_F_name = add(Kind::Label, "lbl_F_name", Frame1);
  Control& F_name = add(Kind::Label, "F_name", Frame1);
  Control& lbl_F_type = add(Kind::Label, "lbl_F_type", Frame1);
  Control& F_type = add(Kind::Label, "F_type", Frame1);
  Control& lbl_F_model = add(Kind::Label, "lbl_F_model", Frame1);
  Control& F_model = add(Kind::Label, "F_model", Frame1);
  Control& lbl_F_ver = add(Kind::Label, "lbl_F_ver", Frame1);
  Control& F_ver = add(Kind::Label, "F_ver", Frame1);
  Control& lbl_F_hp = add(Kind::Label, "lbl_F_hp", Frame1);
  Control& F_hp = add(Kind::Label, "F_hp", Frame1);
  Control& lbl_F_maxhp = add(Kind::Label, "lbl_F_maxhp", Frame1);
  Control& F_maxhp = add(Kind::Label, "F_maxhp", Frame1);
  Control& lbl_F_mp = add(Kind::Label, "lbl_F_mp", Frame1);
  Control& F_mp = add(Kind::Label, "F_mp", Frame1);
  Control& lbl_F_maxmp = add(Kind::Label, "lbl_F_maxmp", Frame1);
  Control& F_maxmp = add(Kind::Label, "F_maxmp", Frame1);
  Control& lbl_F_power = add(Kind::Label, "lbl_F_power", Frame1);
  Control& F_power = add(Kind::Label, "F_power", Frame1);
  Control& lbl_F_defense = add(Kind::Label, "lbl_F_defense", Frame1);
  Control& F_defense = add(Kind::Label, "F_defense", Frame1);
  Control& lbl_F_speed = add(Kind::Label, "lbl_F_speed", Frame1);
  Control& F_speed = add(Kind::Label, "F_speed", Frame1);
  Control& lbl_F_luck = add(Kind::Label, "lbl_F_luck", Frame1);
  Control& F_luck = add(Kind::Label, "F_luck", Frame1);
  Control& lbl_F_condition = add(Kind::Label, "lbl_F_condition", Frame1);
  Control& F_condition = add(Kind::Label, "F_condition", Frame1);
  Control& lbl_F_lastrec = add(Kind::Label, "lbl_F_lastrec", Frame1);
  Control& F_lastrec = add(Kind::Label, "F_lastrec", Frame1);
  Control& lbl_F_intel = add(Kind::Label, "lbl_F_intel", Frame1);
  Control& F_intel = add(Kind::Label, "F_intel", Frame1);
  Control& lbl_F_totalday = add(Kind::Label, "lbl_F_totalday", Frame1);
  Control& F_totalday = add(Kind::Label, "F_totalday", Frame1);
  Control& lbl_F_relation = add(Kind::Label, "lbl_F_relation", Frame1);
  Control& F_relation = add(Kind::Label, "F_relation", Frame1);
  Control& battleStart = add(Kind::Button, "battleStart", Frame1);
  Control& Command2 = add(Kind::Button, "Command2", Frame1);  // the chat
  // The friend: each value label after its caption label.
  Control& Frame2 = add(Kind::Frame, "Frame2");
  Control& lbl_U_name = add(Kind::Label, "lbl_U_name", Frame2);
  Control& U_name = add(Kind::Label, "U_name", Frame2);
  Control& lbl_U_sex = add(Kind::Label, "lbl_U_sex", Frame2);
  Control& U_sex = add(Kind::Label, "U_sex", Frame2);
  Control& lbl_U_age = add(Kind::Label, "lbl_U_age", Frame2);
  Control& U_age = add(Kind::Label, "U_age", Frame2);
  Control& lbl_U_type = add(Kind::Label, "lbl_U_type", Frame2);
  Control& U_type = add(Kind::Label, "U_type", Frame2);
  Control& lbl_U_text = add(Kind::Label, "lbl_U_text", Frame2);
  Control& U_text = add(Kind::TextBox, "U_text", Frame2);  // the friend's mail address
  Control& Command1 = add(Kind::Button, "Command1");

 private:
  // A value label with the caption label before it, and what it shows while no friend is.
  struct ValueLabel {
    Control& caption;
    Control& value;
    const char* text;
    const char* placeholder;
  };
  // The pet's values beside the picture, those below it, and the owner's.
  std::array<ValueLabel, 4> petHead();
  std::array<ValueLabel, 12> petValues();
  std::array<ValueLabel, 4> ownerValues();

  void layOut();
  void wireEvents();
  std::string folderWithSeparator();

  FileBrowser browser_;
};

}  // namespace myu
