// Placeholders until the flight is built.
#include "events/mdlEvent.h"

namespace myu {
void Event_WindowMoveStart(Game&) {}
bool Event_WindowMoveRound(Game&, std::int32_t&) { return true; }
}  // namespace myu
