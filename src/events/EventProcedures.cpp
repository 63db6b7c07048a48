#include "startup/Procedures.h"

namespace myu {

void registerEventProcedures(ProcedureRegistry& r) { (void)r; }

}  // namespace myu
