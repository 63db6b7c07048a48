// Small helpers the subsystems share: a pose drawn at once, a title flag by its key.
#pragma once

#include <cstring>
#include <string>

#include "kernel/Game.h"
#include "kernel/GameState.h"
#include "platform/VbError.h"

namespace myu {

inline void showPoseNow(Game& g, int pose) {
  g.petWindow().showPose(static_cast<std::int16_t>(pose));
}

// The title flag stored under that key of title.ini ("TIMETR", "KANASIMI").
inline std::int32_t& titleFlag(GameState& s, const char* key) {
  for (std::size_t i = 0; i < kTitleKeys.size(); ++i)
    if (std::strcmp(kTitleKeys[i].key, key) == 0) return s.titleFlags[i];
  raise(err::kSubscript);
}

}  // namespace myu
