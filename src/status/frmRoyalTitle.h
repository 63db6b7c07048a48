// The royal titles window: the 26 titles as read-only check boxes, ticked when earned, with a
// hint for each and the number earned. Closing it saves the game.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/Form.h"

namespace myu {

class frmRoyalTitle : public Form {
 public:
  static constexpr const char* kName = "frmRoyalTitle";
  explicit frmRoyalTitle(Game& g);

  void Form_Load() override;
  bool Form_QueryUnload() override;
  void fldTitle_Click(int index);

  Control& Label1 = add(Kind::Label, "Label1");
  ControlArray fldTitle = addArray(Kind::Check, "fldTitle", 26);  // the titles
  Control& fldTotal = add(Kind::Label, "fldTotal");               // how many are earned
  Control& Command1 = add(Kind::Button, "Command1");

 private:
  bool loadedFlag_ = false;
  // The state each box was given on load; a click always puts it back.
  std::array<int, 26> shownValue_{};
};

}  // namespace myu
