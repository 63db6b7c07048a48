// Placeholders for events that later work builds (the prank, the punishment game).
#include "events/mdlEvent.h"

namespace myu {
void Event_ItaZura(Game&) {}
void Event_BatuGAME(Game&) {}
}  // namespace myu
