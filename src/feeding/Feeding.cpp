#include "feeding/Feeding.h"

#include "feeding/frmServe.h"
#include "kernel/Game.h"

namespace myu {

void showFeedingWindow(Game& g) {
  g.show(g.form<frmServe>(), true);
}

}  // namespace myu
