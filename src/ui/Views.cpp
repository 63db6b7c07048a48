#include "ui/Views.h"

#include "ui/QtWindowHost.h"

namespace myu::ui {

void registerViews(QtWindowHost&) {}

}  // namespace myu::ui
