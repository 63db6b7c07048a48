// The first-run window: the owner's profile and the pet's name, checked one by one; the new
// pet's starting values are rolled and the first save is written.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Form.h"

namespace myu {

class frmFirstProfile final : public Form {
 public:
  static constexpr const char* kName = "frmFirstProfile";
  explicit frmFirstProfile(Game& g);

  void Form_Load() override;
  bool Form_QueryUnload() override;

  // True when every entry passes; otherwise shows the first complaint and puts the focus on
  // its field (the control named in `focus`).
  bool ErrorChack1stProfile();
  // Nonzero after the profile, the rolled pet and the start time were written.
  std::int32_t WriteFirstProfile();

  // The control that should have the keyboard focus (the field a check complained about);
  // the view moves the focus there after each event.
  std::string focus = "Text1";

 private:
  void Command1_Click();
};

// The platform's numeric test on a text: blanks around it, a sign, digits with an optional
// decimal point and exponent, or &H / &O numbers; full-width digits and signs count.
bool looksNumeric(const std::string& utf8);

}  // namespace myu
