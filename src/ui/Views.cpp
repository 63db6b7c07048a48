#include "ui/Views.h"

#include "memorial/frmDeaD.h"
#include "petwindow/frmKivoMain.h"
#include "startup/frmFirstProfile.h"
#include "status/frmStatus.h"
#include "ui/DeathView.h"
#include "ui/FirstProfileView.h"
#include "ui/KivoMainView.h"
#include "ui/QtWindowHost.h"
#include "ui/StatusView.h"

namespace myu::ui {

void registerViews(QtWindowHost& host) {
  host.registerView(frmKivoMain::kName, [](Form& f, QtWindowHost& h) -> FormView* {
    return new KivoMainView(static_cast<frmKivoMain&>(f), h);
  });
  host.registerView(frmFirstProfile::kName, [](Form& f, QtWindowHost& h) -> FormView* {
    return new FirstProfileView(static_cast<frmFirstProfile&>(f), h);
  });
  host.registerView(frmStatus::kName,
                    [](Form& f, QtWindowHost& h) -> FormView* { return new StatusView(f, h); });
  host.registerView(frmDeaD::kName,
                    [](Form& f, QtWindowHost& h) -> FormView* { return new DeathView(f, h); });
}

}  // namespace myu::ui
