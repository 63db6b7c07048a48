#include "memorial/frmDendou.h"

#include <array>
#include <filesystem>
#include <system_error>

#include "friends/PetPictures.h"
#include "kernel/mdlMain.h"
#include "persistence/mdliniFile.h"
#include "platform/Checked.h"

namespace myu {

namespace {

struct Field {
  const char* name;     // the label showing the value
  const char* caption;  // its caption on the window
  std::string DeadPetRecord::*member;
};

const std::array<Field, 10> kFields = {{
    {"D_name", "名前", &DeadPetRecord::petNAME},
    {"D_model", "型", &DeadPetRecord::petMODEL},
    {"D_ver", "ver", &DeadPetRecord::petVER},
    {"D_fday", "命日", &DeadPetRecord::petFDAY},
    {"D_day", "享年", &DeadPetRecord::petDAY},
    {"D_deadtype", "死因", &DeadPetRecord::deadTYPE},
    {"D_type", "タイプ", &DeadPetRecord::petTYPE},
    {"D_lang", "覚えさせた言葉数", &DeadPetRecord::petLANG},
    {"D_uname", "飼い主名", &DeadPetRecord::userName},
    {"D_utype", "飼い主タイプ", &DeadPetRecord::userType},
}};

}  // namespace

std::string hallPicturePath(Game& g, const std::string& model) {
  std::string prefix = "Oth";
  Select_Fpet_IMG(g, model, prefix);
  const auto file = g.folder() / "Img" / (prefix + "_IMG_0a.bmp");
  std::error_code ec;
  // The directory search must give back exactly this name, letter case included.
  if (!std::filesystem::is_regular_file(file, ec)) return {};
  for (const auto& entry : std::filesystem::directory_iterator(file.parent_path(), ec))
    if (entry.path().filename() == file.filename()) return pathToUtf8(file);
  return {};
}

frmDendou::frmDendou(Game& g) : Form(g, kName) {
  me().caption = "ペット殿堂";
  me().width = 6600;
  me().height = 5400;
  Control& frame = add("Frame", "Frame1");
  frame.caption = "いにしえのペット";
  frame.left = 120;
  frame.top = 120;
  frame.width = 6360;
  frame.height = 4380;
  Control& pic = add("Image", "D_pet_pic", "Frame1");
  pic.left = 240;
  pic.top = 360;
  // The pet's pictures are wider than high: the box keeps their proportion and the picture
  // is fitted into it.
  pic.width = 1440;
  pic.height = 1170;
  pic.stretch = true;
  int y = 360;
  for (const Field& f : kFields) {
    Control& cap = add("Label", std::string("lbl_") + f.name, "Frame1");
    cap.caption = f.caption;
    cap.left = 1920;
    cap.top = y;
    cap.width = 1680;
    cap.height = 255;
    Control& v = add("Label", f.name, "Frame1");
    v.left = 3660;
    v.top = y;
    v.width = 2580;
    v.height = 255;
    y += 390;
  }
  struct Button {
    const char* name;
    const char* caption;
    int left;
  };
  for (const Button& b : {Button{"prevBtn", "前へ", 120}, Button{"nextBtn", "次へ", 1680},
                          Button{"exitBtn", "殿堂から出る", 4440}}) {
    Control& c = add("Button", b.name);
    c.caption = b.caption;
    c.left = b.left;
    c.top = 4620;
    c.width = b.left == 4440 ? 2040 : 1440;
    c.height = 375;
  }
  on("prevBtn", Event::Click, [this](const EventArgs&) {
    guarded(game_, "frmDendou/prevBtn_Click ", [&] {
      chk::subFrom(deadIndex, 1);
      HYOUJI_D();
    });
  });
  on("nextBtn", Event::Click, [this](const EventArgs&) {
    guarded(game_, "frmDendou/nextBtn_Click ", [&] {
      chk::addTo(deadIndex, 1);
      HYOUJI_D();
    });
  });
  on("exitBtn", Event::Click, [this](const EventArgs&) { game_.unload(*this); });
  procedure("HYOUJI_D", [this](const std::vector<std::string>&) -> std::optional<std::string> {
    HYOUJI_D();
    return std::nullopt;
  });
}

void frmDendou::Form_Load() {
  deadIndex = 1;
  HYOUJI_D();
}

void frmDendou::HYOUJI_D() {
  guarded(game_, "frmDendou/HYOUJI_D ", [&] {
    DeadPetRecord r;
    if (GetDeadPet(game_, deadIndex, r) == 0) return;
    for (const Field& f : kFields) ctl(f.name).caption = r.*(f.member);
    const std::string picture = hallPicturePath(game_, r.petMODEL);
    if (!picture.empty()) ctl("D_pet_pic").picture = picture;

    DeadPetRecord next;
    if (GetDeadPet(game_, chk::add<std::int32_t>(deadIndex, 1), next) != 0)
      ctl("nextBtn").enabled = next.petNAME != "Error";
    DeadPetRecord prev;
    if (GetDeadPet(game_, chk::sub<std::int32_t>(deadIndex, 1), prev) != 0)
      ctl("prevBtn").enabled = prev.petNAME != "Error";
  });
}

}  // namespace myu
