// The status window (not modal; the pet window hides while it is open).
#pragma once

namespace myu {
class Game;

void showStatusWindow(Game& g);
// Opens the royal titles window on its own (the status window opens it from its title button).
void showRoyalTitleWindow(Game& g);

}  // namespace myu
