#include "petwindow/mdlGraphic.h"

#include "kernel/Game.h"
#include "kernel/Pictures.h"
#include "petwindow/frmKivoMain.h"

namespace myu {

void ShowPose(Game& g, std::int16_t pose) {
  // Picture errors are passed over: each step that fails is skipped.
  auto& w = g.form<frmKivoMain>();
  g.load(w);
  try {
    if (auto a = existingPicture(g, poseFileName("Mof", pose, 'a'))) w.Image1.picture = *a;
  } catch (...) {
  }
  try {
    if (auto b = existingPicture(g, poseFileName("Mof", pose, 'b'))) w.Image2.picture = *b;
  } catch (...) {
  }
}

}  // namespace myu
