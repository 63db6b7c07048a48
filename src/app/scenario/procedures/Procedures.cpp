#include "app/scenario/procedures/Procedures.h"

#include <charconv>

#include "platform/VbError.h"

namespace myu {

void registerAllProcedures(ProcedureRegistry& r) {
  registerStartupProcedures(r);
  registerPersistenceProcedures(r);
  registerPetWindowProcedures(r);
  registerStatusProcedures(r);
  registerStatusWindowProcedures(r);
  registerEventProcedures(r);
  registerFeedingProcedures(r);
  registerWordProcedures(r);
  registerMemorialProcedures(r);
  registerFriendsProcedures(r);
}

}  // namespace myu
