// Placeholder until the start-up sequence is built.
#include "startup/mdlMain.h"

namespace myu {
void Main(Game&) {}
}  // namespace myu
