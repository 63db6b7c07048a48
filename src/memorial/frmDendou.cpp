#include "memorial/frmDendou.h"

#include <array>
#include <filesystem>
#include <system_error>

#include "kernel/Pictures.h"
#include "kernel/mdlMain.h"
#include "persistence/mdliniFile.h"
#include "platform/Checked.h"

namespace myu {

std::string hallPicturePath(Game& g, const std::string& model) {
  std::string prefix = "Oth";
  Select_Fpet_IMG(g, model, prefix);
  const auto file = g.dataFolder() / "Img" / (prefix + "_IMG_0a.bmp");
  std::error_code ec;
  // The directory search must give back exactly this name, letter case included.
  if (!std::filesystem::is_regular_file(file, ec)) return {};
  for (const auto& entry : std::filesystem::directory_iterator(file.parent_path(), ec))
    if (entry.path().filename() == file.filename()) return pathToUtf8(file);
  return {};
}

std::array<frmDendou::Field, 10> frmDendou::fields() {
  return {{
      {lbl_D_name, D_name, "名前", &DeadPetRecord::petNAME},
      {lbl_D_model, D_model, "型", &DeadPetRecord::petMODEL},
      {lbl_D_ver, D_ver, "ver", &DeadPetRecord::petVER},
      {lbl_D_fday, D_fday, "命日", &DeadPetRecord::petFDAY},
      {lbl_D_day, D_day, "享年", &DeadPetRecord::petDAY},
      {lbl_D_deadtype, D_deadtype, "死因", &DeadPetRecord::deadTYPE},
      {lbl_D_type, D_type, "タイプ", &DeadPetRecord::petTYPE},
      {lbl_D_lang, D_lang, "覚えさせた言葉数", &DeadPetRecord::petLANG},
      {lbl_D_uname, D_uname, "飼い主名", &DeadPetRecord::userName},
      {lbl_D_utype, D_utype, "飼い主タイプ", &DeadPetRecord::userType},
  }};
}

frmDendou::frmDendou(Game& g) : Form(g, kName) {
  me().caption = "ペット殿堂";
  me().width = 6600;
  me().height = 5400;
  place(Frame1, 120, 120, 6360, 4380).caption = "いにしえのペット";
  // The pet's pictures are wider than high: the box keeps their proportion and the picture
  // is fitted into it.
  place(D_pet_pic, 240, 360, 1440, 1170).stretch = true;
  int y = 360;
  for (const Field& f : fields()) {
    place(f.caption, 1920, y, 1680, 255).caption = f.text;
    place(f.value, 3660, y, 2580, 255);
    y += 390;
  }
  struct Button {
    Control& button;
    const char* caption;
    int left;
  };
  for (const Button& b : {Button{prevBtn, "前へ", 120}, Button{nextBtn, "次へ", 1680},
                          Button{exitBtn, "殿堂から出る", 4440}})
    place(b.button, b.left, 4620, b.left == 4440 ? 2040 : 1440, 375).caption = b.caption;
  on(prevBtn, Event::Click, [this](const EventArgs&) {
    guarded(game_, "frmDendou/prevBtn_Click ", [&] {
      chk::subFrom(deadIndex, 1);
      HYOUJI_D();
    });
  });
  on(nextBtn, Event::Click, [this](const EventArgs&) {
    guarded(game_, "frmDendou/nextBtn_Click ", [&] {
      chk::addTo(deadIndex, 1);
      HYOUJI_D();
    });
  });
  on(exitBtn, Event::Click, [this](const EventArgs&) { game_.unload(*this); });
}

void frmDendou::Form_Load() {
  deadIndex = 1;
  HYOUJI_D();
}

void frmDendou::HYOUJI_D() {
  guarded(game_, "frmDendou/HYOUJI_D ", [&] {
    DeadPetRecord r;
    if (GetDeadPet(game_, deadIndex, r) == 0) return;
    for (const Field& f : fields()) f.value.caption = r.*(f.member);
    const std::string picture = hallPicturePath(game_, r.petMODEL);
    if (!picture.empty()) D_pet_pic.picture = picture;

    DeadPetRecord next;
    if (GetDeadPet(game_, chk::add<std::int32_t>(deadIndex, 1), next) != 0)
      nextBtn.enabled = next.petNAME != "Error";
    DeadPetRecord prev;
    if (GetDeadPet(game_, chk::sub<std::int32_t>(deadIndex, 1), prev) != 0)
      prevBtn.enabled = prev.petNAME != "Error";
  });
}

}  // namespace myu
