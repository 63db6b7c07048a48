#include "startup/Procedures.h"

namespace myu {

void registerWordProcedures(ProcedureRegistry& r) { (void)r; }

}  // namespace myu
