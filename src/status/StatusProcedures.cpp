#include "startup/Procedures.h"

namespace myu {

void registerStatusProcedures(ProcedureRegistry& r) {
  (void)r;
}

}  // namespace myu
