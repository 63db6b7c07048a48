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

  Control& Label1 = add(Kind::Label, "Label1");
  Control& Text1 = add(Kind::TextBox, "Text1");  // the owner's name
  Control& Label2 = add(Kind::Label, "Label2");
  Control& Text2 = add(Kind::TextBox, "Text2");  // the mail address
  Control& Label3 = add(Kind::Label, "Label3");
  Control& Text3 = add(Kind::TextBox, "Text3");  // the age
  Control& Label4 = add(Kind::Label, "Label4");
  Control& Combo1 = add(Kind::Combo, "Combo1");  // the owner's personality
  Control& Label5 = add(Kind::Label, "Label5");
  Control& Text4 = add(Kind::TextBox, "Text4");  // the pet's name
  Control& Label6 = add(Kind::Label, "Label6");
  Control& Frame1 = add(Kind::Frame, "Frame1");  // the owner's sex
  Control& Option1 = add(Kind::Option, "Option1", Frame1);
  Control& Option2 = add(Kind::Option, "Option2", Frame1);
  Control& Option3 = add(Kind::Option, "Option3", Frame1);
  Control& Command1 = add(Kind::Button, "Command1");

  // The name of the control that should have the keyboard focus (the field a check complained
  // about); the view moves the focus there after each event.
  std::string focus = Text1.name;

 private:
  void Command1_Click();
};

// The platform's numeric test on a text: blanks around it, a sign, digits with an optional
// decimal point and exponent, or &H / &O numbers; full-width digits and signs count.
bool looksNumeric(const std::string& utf8);

}  // namespace myu
