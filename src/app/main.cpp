// The program: the command line, the Qt services, the game object, the start-up sequence,
// then the event loop until the last window has gone.
//
// Which folder holds what is said in kernel/ProgramFolders.h: run from its own folder (the
// build's program folder) the program keeps everything beside the executable; installed, it
// reads its data from PREFIX/share/myuruka and keeps the pet in the user's data folder.
#include <QApplication>
#include <QByteArray>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include "app/session/DbusSession.h"
#endif

#include "app/session/SessionEnd.h"
#include "kernel/Game.h"
#include "kernel/mdlMain.h"
#include "petwindow/frmKivoMain.h"
#include "ui/AppLook.h"
#include "ui/DisplayChoice.h"
#include "ui/QtInstanceLock.h"
#include "ui/QtServices.h"
#include "ui/QtWindowHost.h"
#include "ui/Views.h"

// The real session service: log off, restart and shut down. It lives only in the program
// itself (on Linux with the D-Bus client of app/session), so that no test but the D-Bus one,
// on buses of its own, can ever ask the system to end the session.
namespace myu::app {

class QtSession final : public Session {
 public:
  // Nonzero when the system took the request, 0 when it refused.
  int request(Request what) override {
#ifdef _WIN32
    UINT flags = EWX_LOGOFF;
    switch (what) {
      case Request::LogOff:
        flags = EWX_LOGOFF;
        break;
      case Request::Reboot:
        flags = EWX_REBOOT;
        break;
      case Request::Shutdown:
        flags = EWX_SHUTDOWN;
        break;
      case Request::ForceLogOff:
        flags = EWX_FORCE;
        break;
    }
    return ExitWindowsEx(flags, 0) ? 1 : 0;
#else
    return dbus_.request(what);
#endif
  }

#ifndef _WIN32
 private:
  DbusSession dbus_;  // the session manager and logind, over the standard buses
#endif
};

}  // namespace myu::app

namespace {

// Where an installed copy's data folder lies, seen from the executable's folder (set by the
// build from the install layout: "../share/myuruka").
#ifndef MYURUKA_INSTALLED_DATA
#define MYURUKA_INSTALLED_DATA "../share/myuruka"
#endif

#define MYURUKA_STR2(x) #x
#define MYURUKA_STR(x) MYURUKA_STR2(x)
constexpr const char* kVersionLine = "myuruka " MYURUKA_STR(MYURUKA_VERSION_MAJOR) "." MYURUKA_STR(
    MYURUKA_VERSION_MINOR) "." MYURUKA_STR(MYURUKA_VERSION_PATCH) "\n";

constexpr const char* kUsage =
    "usage: myuruka [--version | --help]\n"
    "  ミュルカ: a virtual pet that lives on your desktop.\n"
    "  --version  print the version and exit\n"
    "  --help     print this help and exit\n";

// The command line, read before anything needs a display: the exit status when the program
// ends here, -1 when it goes on to start the pet.
int commandLine(int argc, char* argv[]) {
  if (argc < 2) return -1;
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::fputs(kVersionLine, stdout);
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  std::fprintf(stderr, "myuruka: unknown argument '%s'\n", argv[1]);
  std::fputs(kUsage, stderr);
  return 2;
}

std::filesystem::path fromQt(const QString& path) {
  const QByteArray utf8 = path.toUtf8();
  return myu::u8path(std::string(utf8.constData(), static_cast<size_t>(utf8.size())));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (const int status = commandLine(argc, argv); status >= 0) return status;

  // Under Wayland the pet cannot place its own window or stay on top; XWayland can. Without
  // an X display it goes on over Wayland; without any display it says so and ends.
  myu::ui::chooseDisplay();
  QApplication app(argc, argv);
  myu::ui::displayOpened();
  QApplication::setApplicationName(QStringLiteral("myuruka"));
  QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                          .arg(myu::Game::kVersionMajor)
                                          .arg(myu::Game::kVersionMinor)
                                          .arg(myu::Game::kVersionRevision));
  // The menu entry is org.myuruka.Myuruka.desktop; the window's icon is the menu's, built into the
  // program.
  QApplication::setDesktopFileName(QStringLiteral("org.myuruka.Myuruka"));
  QIcon icon;
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/myuruka.png").arg(size),
                 QSize(size, size));
  QApplication::setWindowIcon(icon);
  QApplication::setQuitOnLastWindowClosed(false);
  myu::ui::applyAppLook();

  myu::ui::QtDialogs dialogs;
  myu::ui::QtClock clock;
  myu::ui::QtRandom random;
  myu::ui::QtShell shell;
  myu::app::QtSession session;
  myu::ui::QtWindowHost windows;
  myu::ui::registerViews(windows);
  dialogs.beforeShow = [&windows] { windows.syncAll(); };

  myu::Services services;
  services.dialogs = &dialogs;
  services.clock = &clock;
  services.random = &random;
  services.shell = &shell;
  services.session = &session;
  services.windows = &windows;

  const myu::ProgramFolders folders =
      myu::programFolders(fromQt(QCoreApplication::applicationDirPath()), MYURUKA_INSTALLED_DATA,
                          std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  if (std::string error; !myu::preparePetFolder(folders, error)) {
    dialogs.msgBox(error, myu::mb::kCritical, "");
    return 1;
  }
  myu::ui::QtInstanceLock instance(QString::fromStdString(myu::pathToUtf8(folders.pet)));
  services.instance = &instance;
  myu::Game game(folders, services);
  windows.setGame(game);
  // From here on the pet is saved however the session ends.
  myu::app::SessionEnd sessionEnd(game);
  myu::Main(game);
  windows.syncAll();
  // The program lives as long as the pet window: a moment in which every window is hidden
  // (the status window handing over to the word list, say) is no end.
  auto* pet = static_cast<myu::frmKivoMain*>(game.findForm(myu::frmKivoMain::kName));
  if (pet == nullptr || !pet->shown) return 0;
  windows.quitWhenClosed(*pet);
  sessionEnd.eventLoopRuns();
  return QApplication::exec();
}
