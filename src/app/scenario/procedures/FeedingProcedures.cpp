#include "app/scenario/procedures/Procedures.h"
#include "feeding/Feeding.h"

namespace myu {

void registerFeedingProcedures(ProcedureRegistry& r) {
  // Opens the feeding window modally; the following script lines work in it.
  r.add("showFeedingWindow", [](Game& g, const ProcArgs&) -> std::optional<std::string> {
    showFeedingWindow(g);
    return std::nullopt;
  });
}

}  // namespace myu
