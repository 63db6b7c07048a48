#include "app/scenario/procedures/Procedures.h"
#include "kernel/Game.h"
#include "status/StatusWindow.h"
#include "status/frmRoyalTitle.h"
#include "status/frmStatus.h"

namespace myu {

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
