#include "memorial/Memorial.h"
#include "memorial/frmDeaD.h"
#include "memorial/frmDendou.h"
#include "startup/Game.h"
#include "startup/Procedures.h"

namespace myu {

void showDeathWindow(Game& g) {
  g.show(g.form<frmDeaD>(), true);
}

void showHallOfFame(Game& g) {
  g.show(g.form<frmDendou>());
}

void registerMemorialProcedures(ProcedureRegistry& r) {
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
