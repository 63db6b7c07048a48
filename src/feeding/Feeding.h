// The feeding window, opened modally from the pet window.
#pragma once

namespace myu {
class Game;

void showFeedingWindow(Game& g);

}  // namespace myu
