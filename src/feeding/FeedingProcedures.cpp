#include "startup/Procedures.h"

namespace myu {

void registerFeedingProcedures(ProcedureRegistry& r) { (void)r; }

}  // namespace myu
