#include "startup/Game.h"
#include "startup/Procedures.h"
#include "status/StatusWindow.h"
#include "status/frmRoyalTitle.h"
#include "status/frmStatus.h"

namespace myu {

void showStatusWindow(Game& g) {
  g.show(g.form<frmStatus>());
}

void showRoyalTitleWindow(Game& g) {
  g.show(g.form<frmRoyalTitle>());
}

void registerStatusWindowProcedures(ProcedureRegistry& r) {
  r.add("showStatusWindow", [](Game& g, const ProcArgs&) -> std::optional<std::string> {
    showStatusWindow(g);
    return std::nullopt;
  });
  r.add("showRoyalTitleWindow", [](Game& g, const ProcArgs&) -> std::optional<std::string> {
    showRoyalTitleWindow(g);
    return std::nullopt;
  });
}

}  // namespace myu
