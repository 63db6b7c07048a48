#include "feeding/Feeding.h"

namespace myu {
void showFeedingWindow(Game&) {}
}  // namespace myu
