// The hall of fame: the dead pets of dead.ini, one at a time, with buttons to page.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/Form.h"

namespace myu {

struct DeadPetRecord;

// The picture of a dead pet of that model (Img/<prefix>_IMG_0a.bmp), as a UTF-8 path.
std::string hallPicturePath(Game& g, const std::string& model);

class frmDendou : public Form {
 public:
  static constexpr const char* kName = "frmDendou";
  explicit frmDendou(Game& g);

  void Form_Load() override;
  void HYOUJI_D();

  std::int32_t deadIndex = 1;

  Control& Frame1 = add(Kind::Frame, "Frame1");
  Control& D_pet_pic = add(Kind::Image, "D_pet_pic", Frame1);
  // The dead pet's record: each value label after its caption label.
  Control& lbl_D_name = add(Kind::Label, "lbl_D_name", Frame1);
  Control& D_name = add(Kind::Label, "D_name", Frame1);
  Control& lbl_D_model = add(Kind::Label, "lbl_D_model", Frame1);
  Control& D_model = add(Kind::Label, "D_model", Frame1);
  Control& lbl_D_ver = add(Kind::Label, "lbl_D_ver", Frame1);
  Control& D_ver = add(Kind::Label, "D_ver", Frame1);
  Control& lbl_D_fday = add(Kind::Label, "lbl_D_fday", Frame1);
  Control& D_fday = add(Kind::Label, "D_fday", Frame1);
  Control& lbl_D_day = add(Kind::Label, "lbl_D_day", Frame1);
  Control& D_day = add(Kind::Label, "D_day", Frame1);
  Control& lbl_D_deadtype = add(Kind::Label, "lbl_D_deadtype", Frame1);
  Control& D_deadtype = add(Kind::Label, "D_deadtype", Frame1);
  Control& lbl_D_type = add(Kind::Label, "lbl_D_type", Frame1);
  Control& D_type = add(Kind::Label, "D_type", Frame1);
  Control& lbl_D_lang = add(Kind::Label, "lbl_D_lang", Frame1);
  Control& D_lang = add(Kind::Label, "D_lang", Frame1);
  Control& lbl_D_uname = add(Kind::Label, "lbl_D_uname", Frame1);
  Control& D_uname = add(Kind::Label, "D_uname", Frame1);
  Control& lbl_D_utype = add(Kind::Label, "lbl_D_utype", Frame1);
  Control& D_utype = add(Kind::Label, "D_utype", Frame1);
  Control& prevBtn = add(Kind::Button, "prevBtn");
  Control& nextBtn = add(Kind::Button, "nextBtn");
  Control& exitBtn = add(Kind::Button, "exitBtn");

 private:
  // A value of the record, the label showing it and the caption label before it.
  struct Field {
    Control& caption;
    Control& value;
    const char* text;
    std::string DeadPetRecord::*member;
  };
  std::array<Field, 10> fields();
};

}  // namespace myu
