// Death and the hall of fame.
#pragma once

namespace myu {
class Game;

// Opens the death window modally (the pet window's picture clock calls it when hp ≤ 0).
void showDeathWindow(Game& g);

}  // namespace myu
