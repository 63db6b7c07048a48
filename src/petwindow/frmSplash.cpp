#include "petwindow/frmSplash.h"

#include "kernel/Game.h"
#include "kernel/mdlMain.h"

namespace myu {

frmSplash::frmSplash(Game& g) : Form(g, kName) {
  Control& w = me();
  w.caption = "";
  w.width = 7380;
  w.height = 4410;
  place(Frame1, 150, 60, 7080, 4050);
  auto label = [&](Control& c, const char* caption, int left, int top, int width, int height,
                   double size, bool bold) {
    place(c, left, top, width, height);
    c.caption = caption;
    c.fontSize = size;
    c.fontBold = bold;
    c.opaque = false;
  };
  place(imgLogo, 360, 795, 1815, 1815).stretch = true;
  label(lblProductName, "ミュルカ", 2670, 765, 4215, 765, 32, true);
  label(lblVersion, "ﾊﾞｰｼﾞｮﾝ", 5190, 1620, 1695, 285, 12, true);
  label(lblCompanyProduct, "ミュルカ製作委員会", 2670, 2100, 4215, 315, 11, false);
  label(lblLicenseTo, "モフリーノの絵と言葉：ミュルカ製作委員会", 2670, 2520, 4215, 315, 9, false);
  place(Image1, 360, 2880, 1815, 900);
  Image1.stretch = true;
  Image1.tooltip = "お助けぺーじ";
  Image1.cursor = 0;

  // Pictures of our own, when they are installed.
  if (auto p = game_.dataFile("Img/Splash_Logo.bmp"); std::filesystem::is_regular_file(p))
    imgLogo.picture = pathToUtf8(p);
  if (auto p = game_.dataFile("Img/Splash_Help.bmp"); std::filesystem::is_regular_file(p))
    Image1.picture = pathToUtf8(p);

  Timer1.enabled = true;

  for (Control* c : {&imgLogo, &lblProductName, &lblCompanyProduct, &lblLicenseTo, &lblVersion})
    on(*c, Event::Click, [this](const EventArgs&) { closeWindow(); });
  on(Frame1, Event::DblClick, [this](const EventArgs&) { closeWindow(); });
  on(me(), Event::KeyPress, [this](const EventArgs&) { closeWindow(); });
  on(Image1, Event::Click, [this](const EventArgs&) { Image1_Click(); });
}

void frmSplash::Form_Load() {
  PRE_VIEW(game_, 1, *this);
  lblVersion.caption = "Ver " + std::to_string(Game::kVersionMajor) + "." +
                       std::to_string(Game::kVersionMinor) + std::to_string(Game::kVersionRevision);
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
    int rc = game_.services().shell->open(pathToUtf8(game_.dataFile("お助けぺーじ.html")),
                                          pathToUtf8(game_.dataFolder()));
    if (rc <= 32)
      game_.st.answer2 = static_cast<std::int16_t>(
          game_.MsgBox("ミュルカヘルプファイルを開けません。\r\nエラー番号：" + std::to_string(rc),
                       mb::kOkOnly, ""));
  });
  closeWindow();
}

}  // namespace myu
