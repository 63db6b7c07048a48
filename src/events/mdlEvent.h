// Events that happen by themselves: absence, incidents, speech, flight, the punishment game.
#pragma once

#include <cstdint>

namespace myu {
class Game;

// Absence and time of day.
bool Event_TimeSepareat(Game& g, std::int16_t& menuType);
bool TimeStateEvent0(Game& g, std::int16_t& menuType, std::int32_t& hours);
bool TimeStateEvent1(Game& g, std::int32_t& hours);
bool TimeStateEvent2(Game& g, std::int32_t& hours);

// Incidents. Event_JikoShi returns true when the pet died.
bool Event_JikoShi(Game& g);
bool Event_GASHI(Game& g);
bool Event_WaraiDake(Game& g);
bool Event_ALCOHOL(Game& g);
bool Event_Junk(Game& g);
void Event_KinNiku(Game& g);
bool Event_SexHara(Game& g);
void Event_ItaZura(Game& g);

// Speech, once a play minute.
bool Event_PetsSpeak(Game& g);

// The pet's flight over the desktop.
void Event_WindowMoveStart(Game& g);
bool Event_WindowMoveRound(Game& g, std::int32_t& moveRounds);

// The quiz that answers an edited save.
void Event_BatuGAME(Game& g);

}  // namespace myu
