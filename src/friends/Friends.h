// Friends' pets and battles.
#pragma once

namespace myu {
class Game;

// Opens the friends window (not modal).
void showFriendsWindow(Game& g);

}  // namespace myu
