#include "ui/Views.h"

#include "petwindow/frmKivoMain.h"
#include "startup/frmFirstProfile.h"
#include "ui/FirstProfileView.h"
#include "ui/KivoMainView.h"
#include "ui/QtWindowHost.h"

namespace myu::ui {

void registerViews(QtWindowHost& host) {
  host.registerView(frmKivoMain::kName, [](Form& f, QtWindowHost& h) -> FormView* {
    return new KivoMainView(static_cast<frmKivoMain&>(f), h);
  });
  host.registerView(frmFirstProfile::kName, [](Form& f, QtWindowHost& h) -> FormView* {
    return new FirstProfileView(static_cast<frmFirstProfile&>(f), h);
  });
}

}  // namespace myu::ui
