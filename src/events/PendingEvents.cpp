// Placeholders until the events are built: each does nothing and reports success.
#include "events/mdlEvent.h"

namespace myu {
bool Event_TimeSepareat(Game&, std::int16_t&) { return true; }
bool TimeStateEvent0(Game&, std::int16_t&, std::int32_t&) { return true; }
bool TimeStateEvent1(Game&, std::int32_t&) { return true; }
bool TimeStateEvent2(Game&, std::int32_t&) { return true; }
bool Event_JikoShi(Game&) { return false; }
bool Event_GASHI(Game&) { return true; }
bool Event_WaraiDake(Game&) { return true; }
bool Event_ALCOHOL(Game&) { return true; }
bool Event_Junk(Game&) { return true; }
void Event_KinNiku(Game&) {}
bool Event_SexHara(Game&) { return true; }
bool Event_PetsSpeak(Game&) { return true; }
}  // namespace myu
