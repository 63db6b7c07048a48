#include "petwindow/frmSplash.h"

#include "kernel/Game.h"
#include "kernel/mdlMain.h"

namespace myu {

frmSplash::frmSplash(Game& g) : Form(g, kName) {
  Control& w = me();
  w.caption = "";
  w.width = 7380;
  w.height = 4410;
  Control& frame = add("Frame", "Frame1");
  frame.left = 150;
  frame.top = 60;
  frame.width = 7080;
  frame.height = 4050;
  auto label = [&](const char* name, const char* caption, int left, int top, int width, int height,
                   double size, bool bold) -> Control& {
    Control& c = add("Label", name, "Frame1");
    c.caption = caption;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.fontSize = size;
    c.fontBold = bold;
    c.opaque = false;
    return c;
  };
  Control& logo = add("Image", "imgLogo", "Frame1");
  logo.left = 360;
  logo.top = 795;
  logo.width = 1815;
  logo.height = 1815;
  logo.stretch = true;
  label("lblProductName", "ミュルカ", 2670, 765, 4215, 765, 32, true);
  label("lblVersion", "ﾊﾞｰｼﾞｮﾝ", 5190, 1620, 1695, 285, 12, true);
  label("lblCompanyProduct", "ミュルカ製作委員会", 2670, 2100, 4215, 315, 11, false);
  label("lblLicenseTo", "モフリーノの絵と言葉：ミュルカ製作委員会", 2670, 2520, 4215, 315, 9,
        false);
  Control& help = add("Image", "Image1", "Frame1");
  help.left = 360;
  help.top = 2880;
  help.width = 1815;
  help.height = 900;
  help.stretch = true;
  help.tooltip = "お助けぺーじ";
  help.cursor = 0;

  // Pictures of our own, when they are installed.
  if (auto p = game_.file("Img/Splash_Logo.bmp"); std::filesystem::is_regular_file(p))
    logo.picture = pathToUtf8(p);
  if (auto p = game_.file("Img/Splash_Help.bmp"); std::filesystem::is_regular_file(p))
    help.picture = pathToUtf8(p);

  addTimer("Timer1", 30000, [this] { closeWindow(); }).enabled = true;

  for (const char* c :
       {"imgLogo", "lblProductName", "lblCompanyProduct", "lblLicenseTo", "lblVersion"})
    on(c, Event::Click, [this](const EventArgs&) { closeWindow(); });
  on("Frame1", Event::DblClick, [this](const EventArgs&) { closeWindow(); });
  on("Me", Event::KeyPress, [this](const EventArgs&) { closeWindow(); });
  on("Image1", Event::Click, [this](const EventArgs&) { Image1_Click(); });
}

void frmSplash::Form_Load() {
  PRE_VIEW(game_, 1, *this);
  ctl("lblVersion").caption = "Ver " + std::to_string(Game::kVersionMajor) + "." +
                              std::to_string(Game::kVersionMinor) +
                              std::to_string(Game::kVersionRevision);
}

bool frmSplash::Form_QueryUnload() {
  PRE_VIEW(game_, 0, *this);
  return false;
}

void frmSplash::closeWindow() {
  game_.unload(*this);
}

void frmSplash::Image1_Click() {
  guarded(game_, "frmSplash/Image1_Click ", [&] {
    int rc = game_.services().shell->open(pathToUtf8(game_.file("お助けぺーじ.html")),
                                          pathToUtf8(game_.folder()));
    if (rc <= 32)
      game_.st.answer2 = static_cast<std::int16_t>(
          game_.MsgBox("ミュルカヘルプファイルを開けません。\r\nエラー番号：" + std::to_string(rc),
                       mb::kOkOnly, ""));
  });
  closeWindow();
}

}  // namespace myu
