// The window about the program: name, version, credits and a picture that opens the help
// page. It stays on top and closes on almost any input or after 30 seconds.
#pragma once

#include "platform/Form.h"

namespace myu {

class frmSplash final : public Form {
 public:
  static constexpr const char* kName = "frmSplash";
  explicit frmSplash(Game& g);

  void Form_Load() override;
  bool Form_QueryUnload() override;

  Control& Frame1 = add(Kind::Frame, "Frame1");
  Control& imgLogo = add(Kind::Image, "imgLogo", Frame1);
  Control& lblProductName = add(Kind::Label, "lblProductName", Frame1);
  Control& lblVersion = add(Kind::Label, "lblVersion", Frame1);
  Control& lblCompanyProduct = add(Kind::Label, "lblCompanyProduct", Frame1);
  Control& lblLicenseTo = add(Kind::Label, "lblLicenseTo", Frame1);
  Control& Image1 = add(Kind::Image, "Image1", Frame1);  // opens the help page
  Timer& Timer1 = addTimer("Timer1", 30000, [this] { closeWindow(); });

 private:
  void Image1_Click();
  void closeWindow();
};

}  // namespace myu
