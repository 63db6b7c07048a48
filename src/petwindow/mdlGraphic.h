// The pet window's pictures: the two pictures of a pose into its hidden images.
#pragma once

#include <cstdint>

namespace myu {
class Game;

// Loads the two pictures of a pose into the pet window's hidden images Image1 and Image2;
// a missing picture leaves its image as it was.
void ShowPose(Game& g, std::int16_t pose);

}  // namespace myu
