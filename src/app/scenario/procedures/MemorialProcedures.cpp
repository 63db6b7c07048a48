#include "app/scenario/procedures/Procedures.h"
#include "kernel/Game.h"
#include "memorial/Memorial.h"
#include "memorial/frmDeaD.h"
#include "memorial/frmDendou.h"

namespace myu {

namespace {

// The window's own procedures ("call frmDendou.HYOUJI_D").
void addHallProcedures(ProcedureRegistry& r) {
  r.addSub(frmDendou::kName, "HYOUJI_D", &frmDendou::HYOUJI_D);
}

}  // namespace

void registerMemorialProcedures(ProcedureRegistry& r) {
  addHallProcedures(r);
  r.add("showDeathWindow", [](Game& g, const ProcArgs&) -> std::optional<std::string> {
    showDeathWindow(g);
    return std::nullopt;
  });
  r.add("showHallOfFame", [](Game& g, const ProcArgs&) -> std::optional<std::string> {
    showHallOfFame(g);
    return std::nullopt;
  });
}

}  // namespace myu
