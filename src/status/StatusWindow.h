// The status window (not modal; the pet window hides while it is open).
#pragma once

namespace myu {
class Game;

void showStatusWindow(Game& g);

}  // namespace myu
