// The hall of fame: the dead pets of dead.ini, one at a time, with buttons to page.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Form.h"

namespace myu {

// The picture of a dead pet of that model (Img/<prefix>_IMG_0a.bmp), as a UTF-8 path.
std::string hallPicturePath(Game& g, const std::string& model);

class frmDendou : public Form {
 public:
  static constexpr const char* kName = "frmDendou";
  explicit frmDendou(Game& g);

  void Form_Load() override;
  void HYOUJI_D();

  std::int32_t deadIndex = 1;
};

}  // namespace myu
