#include "startup/Procedures.h"

namespace myu {

void registerMemorialProcedures(ProcedureRegistry& r) { (void)r; }

}  // namespace myu
