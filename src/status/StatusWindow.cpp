#include "status/StatusWindow.h"
#include "kernel/Game.h"
#include "status/frmRoyalTitle.h"
#include "status/frmStatus.h"

namespace myu {

void showStatusWindow(Game& g) {
  g.show(g.form<frmStatus>());
}

void showRoyalTitleWindow(Game& g) {
  g.show(g.form<frmRoyalTitle>());
}

}  // namespace myu
