// Placeholders until the mischief is built.
#include "petwindow/mdlMischief.h"

namespace myu {
void WinLOGOFF(Game&) {}
void WinREBOOT(Game&) {}
void WinSHUTDOWN(Game&) {}
void WinFORCE(Game&) {}
}  // namespace myu
