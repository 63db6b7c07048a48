#include "app/scenario/procedures/Procedures.h"
#include "kernel/Game.h"
#include "status/StatusWindow.h"
#include "status/frmRoyalTitle.h"
#include "status/frmStatus.h"

namespace myu {

namespace {

// The window's own procedures ("call frmStatus.TitleHantei").
void addStatusFormProcedures(ProcedureRegistry& r) {
  const std::string w = frmStatus::kName;
  r.addSub(w, "writeStatusForm", &frmStatus::writeStatusForm);
  r.addSub(w, "WritefldAlcohol", &frmStatus::WritefldAlcohol);
  r.addSub(w, "WritefldJunk", &frmStatus::WritefldJunk);
  r.addSub(w, "visibleBtnHantei", &frmStatus::visibleBtnHantei);
  r.addSub(w, "TitleHantei", &frmStatus::TitleHantei);
  r.addSub(w, "exPolygon", &frmStatus::exPolygon);
}

}  // namespace

void registerStatusWindowProcedures(ProcedureRegistry& r) {
  addStatusFormProcedures(r);
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
