// The friends window "友達ペットステータス": a friend's pet read from its file, how well the
// two pets get on, words learned from it or from the wills of dead pets, and the start of a
// fight with it. Opened from the status window, not modal.
#pragma once

#include <cstdint>
#include <string>

#include "persistence/mdliniFile.h"
#include "startup/FileBrowser.h"
#include "startup/Form.h"

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

  Control& Drive1 = add(Kind::DriveList, "Drive1");
  Control& Dir1 = add(Kind::DirList, "Dir1");
  Control& File1 = add(Kind::FileList, "File1");

 private:
  void layOut();
  void wireEvents();
  std::string folderWithSeparator();

  FileBrowser browser_;
};

}  // namespace myu
