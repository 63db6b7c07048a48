#include "friends/Friends.h"
#include "friends/frmFriend.h"
#include "kernel/Game.h"

namespace myu {

void showFriendsWindow(Game& g) {
  g.show(g.form<frmFriend>());
}

}  // namespace myu
