#include "app/scenario/procedures/Procedures.h"
#include "friends/Friends.h"
#include "friends/frmBattle.h"
#include "friends/frmFriend.h"
#include "kernel/Game.h"

namespace myu {

void registerFriendsProcedures(ProcedureRegistry& r) {
  r.add("showFriendsWindow", [](Game& g, const ProcArgs&) -> std::optional<std::string> {
    showFriendsWindow(g);
    return std::nullopt;
  });
  r.addForm(frmBattle::kName, [](Game& g) -> Form& {
    auto& f = g.form<frmBattle>();
    g.load(f);
    return f;
  });
  r.addForm(frmFriend::kName, [](Game& g) -> Form& {
    auto& f = g.form<frmFriend>();
    g.load(f);
    return f;
  });
}

}  // namespace myu
