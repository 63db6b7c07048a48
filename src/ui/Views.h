// The per-window view classes, registered with the window host by form name.
#pragma once

namespace myu::ui {

class QtWindowHost;

void registerViews(QtWindowHost& host);

}  // namespace myu::ui
