#include "startup/Procedures.h"

namespace myu {

void registerPetWindowProcedures(ProcedureRegistry& r) { (void)r; }

}  // namespace myu
