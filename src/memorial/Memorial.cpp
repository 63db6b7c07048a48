#include "memorial/Memorial.h"
#include "kernel/Game.h"
#include "memorial/frmDeaD.h"
#include "memorial/frmDendou.h"

namespace myu {

void showDeathWindow(Game& g) {
  g.show(g.form<frmDeaD>(), true);
}

void showHallOfFame(Game& g) {
  g.show(g.form<frmDendou>());
}

}  // namespace myu
