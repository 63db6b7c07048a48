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

 private:
  void Image1_Click();
  void closeWindow();
};

}  // namespace myu
