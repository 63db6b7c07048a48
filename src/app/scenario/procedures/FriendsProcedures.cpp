#include "app/scenario/procedures/Procedures.h"
#include "friends/Friends.h"
#include "friends/frmBattle.h"
#include "friends/frmFriend.h"
#include "kernel/Game.h"
#include "platform/FileNames.h"

namespace myu {

namespace {

// The window's own procedures ("call frmBattle.DoBattle").
void addFriendWindowProcedures(ProcedureRegistry& r) {
  const std::string b = frmBattle::kName;
  r.addIn<frmBattle>(
      b, "Battle_INI", [](frmBattle& f, const ProcArgs& a) -> std::optional<std::string> {
        BattleFoe foe;
        foe.maxHp = argInt(a, 0);
        foe.hp = argInt(a, 1);
        foe.maxMp = argInt(a, 2);
        foe.mp = argInt(a, 3);
        foe.name = argText(a, 4);
        foe.defense = argInt(a, 5);
        foe.power = argInt(a, 6);
        foe.wordCount = argInt(a, 7);
        foe.relation = static_cast<std::int16_t>(argInt(a, 8));
        foe.langPath =
            argText(a, 9).empty() ? std::string() : pathToUtf8(f.game().file(argText(a, 9)));
        foe.model = argText(a, 10);
        if (a.size() > 11) foe.speed = argInt(a, 11);
        return boolText(f.Battle_INI(foe));
      });
  auto flag = [&r, &b](const char* name, bool (frmBattle::*fn)()) {
    r.addIn<frmBattle>(b, name, [fn](frmBattle& f, const ProcArgs&) -> std::optional<std::string> {
      return boolText((f.*fn)());
    });
  };
  flag("BtHantei", &frmBattle::BtHantei);
  flag("print_BT_Status", &frmBattle::print_BT_Status);
  flag("DoBattle", &frmBattle::DoBattle);
  flag("Battle1", &frmBattle::Battle1);
  flag("AttackU", &frmBattle::AttackU);
  flag("AttackF", &frmBattle::AttackF);
  r.addSub(b, "RemoveLine", &frmBattle::RemoveLine);
  r.addIn<frmBattle>(b, "Battle2",
                     [](frmBattle& f, const ProcArgs& a) -> std::optional<std::string> {
                       return boolText(f.Battle2(argInt(a, 0)));
                     });

  const std::string w = frmFriend::kName;
  r.addIn<frmFriend>(w, "FstatusPre",
                     [](frmFriend& f, const ProcArgs&) -> std::optional<std::string> {
                       return boolText(f.FstatusPre());
                     });
  r.addIn<frmFriend>(w, "ChackPetType",
                     [](frmFriend& f, const ProcArgs&) -> std::optional<std::string> {
                       return std::to_string(f.ChackPetType());
                     });
  r.addSub(w, "HyoujiSyokika", &frmFriend::HyoujiSyokika);
  r.addIn<frmFriend>(
      w, "PutDatCopy", [](frmFriend& f, const ProcArgs& a) -> std::optional<std::string> {
        return std::to_string(f.PutDatCopy(pathToUtf8(f.game().file(argText(a, 0)))));
      });
  r.addIn<frmFriend>(w, "CopyDeadDat",
                     [](frmFriend& f, const ProcArgs&) -> std::optional<std::string> {
                       return boolText(f.CopyDeadDat());
                     });
  r.addIn<frmFriend>(w, "PrpFriendForm",
                     [](frmFriend& f, const ProcArgs&) -> std::optional<std::string> {
                       return boolText(f.PrpFriendForm);
                     });
}

}  // namespace

void registerFriendsProcedures(ProcedureRegistry& r) {
  addFriendWindowProcedures(r);
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
