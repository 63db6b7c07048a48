#include "app/scenario/procedures/Procedures.h"
#include "feeding/Feeding.h"
#include "feeding/frmServe.h"

namespace myu {

namespace {

// The window's own procedures ("call frmServe.OPENDAT2").
void addServeProcedures(ProcedureRegistry& r) {
  const std::string w = frmServe::kName;
  r.addIn<frmServe>(w, "OPENDAT2", [](frmServe& f, const ProcArgs&) -> std::optional<std::string> {
    bool ok = f.OPENDAT2();
    f.closeFood();
    return ok ? std::to_string(f.nextRecord) : std::string("False");
  });
  r.addIn<frmServe>(w, "BeforeEat", [](frmServe& f, const ProcArgs&) -> std::optional<std::string> {
    return std::to_string(f.BeforeEat());
  });
  r.addIn<frmServe>(w, "AfterEat", [](frmServe& f, const ProcArgs&) -> std::optional<std::string> {
    return std::to_string(f.AfterEat());
  });
  r.addSub(w, "SPEND_ITEM", &frmServe::SPEND_ITEM);
  r.addSub(w, "RYOURI", &frmServe::RYOURI);
  r.addSub(w, "setUpMedicines", &frmServe::setUpMedicines);
}

}  // namespace

void registerFeedingProcedures(ProcedureRegistry& r) {
  addServeProcedures(r);
  // Opens the feeding window modally; the following script lines work in it.
  r.add("showFeedingWindow", [](Game& g, const ProcArgs&) -> std::optional<std::string> {
    showFeedingWindow(g);
    return std::nullopt;
  });
}

}  // namespace myu
