// The computer mischief: log off, restart, shut down, forced log-off, each behind
// confirmations.
#pragma once

namespace myu {
class Game;

void WinLOGOFF(Game& g);
void WinREBOOT(Game& g);
void WinSHUTDOWN(Game& g);
void WinFORCE(Game& g);

}  // namespace myu
