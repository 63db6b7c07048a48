#include "memorial/Memorial.h"
#include "kernel/Game.h"
#include "memorial/frmDeaD.h"
#include "memorial/frmDendou.h"

namespace myu {

void showDeathWindow(Game& g) {
  g.show(g.form<frmDeaD>(), true);
  // The death window closes the pet window at the end of the pet's life; when a failure left
  // that step undone, the hidden pet window goes too (a dead pet is not saved), so that the
  // program does not live on without a window.
  Form* pet = g.petWindow().window();
  if (g.findForm(frmDeaD::kName) == nullptr && pet != nullptr && !pet->closed && g.st.hp < 1)
    g.petWindow().close();
}

void endLifeWithSession(Game& g) {
  if (Form* f = g.findForm(frmDeaD::kName)) static_cast<frmDeaD*>(f)->endWithSession();
}

void showHallOfFame(Game& g) {
  g.show(g.form<frmDendou>());
}

}  // namespace myu
