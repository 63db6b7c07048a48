// Death and the hall of fame.
#pragma once

namespace myu {
class Game;

// Opens the death window modally (the pet window's picture clock calls it when hp ≤ 0).
void showDeathWindow(Game& g);
// The session ends while the death window is open: the pet's death is written, without boxes.
void endLifeWithSession(Game& g);
// Opens the hall of fame of the dead pets (not modal).
void showHallOfFame(Game& g);

}  // namespace myu
