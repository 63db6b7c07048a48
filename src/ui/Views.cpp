#include "ui/Views.h"

#include "petwindow/frmKivoMain.h"
#include "ui/KivoMainView.h"
#include "ui/QtWindowHost.h"

namespace myu::ui {

void registerViews(QtWindowHost& host) {
  host.registerView(frmKivoMain::kName, [](Form& f, QtWindowHost& h) -> FormView* {
    return new KivoMainView(static_cast<frmKivoMain&>(f), h);
  });
}

}  // namespace myu::ui
