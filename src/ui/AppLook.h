// The look every window shares: the Fusion style and a Japanese font.
#pragma once

namespace myu::ui {

// Picks "Noto Sans CJK JP" when it is installed (else the system's default) and the Fusion
// style, so that control colours show the same everywhere. Call after QApplication exists.
void applyAppLook();

}  // namespace myu::ui
