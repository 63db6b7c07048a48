// The program: the Qt services, the game object, the start-up sequence, then the event loop
// until the last window has gone.
//
// The program folder is the folder of the executable. When that folder cannot be written
// (an installed copy), the program works in the user's data folder instead and first copies
// into it what the executable folder holds (Img, the help page, the notes, food files) and
// it does not have yet.
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#else
#include "app/session/DbusSession.h"
#endif

#include "kernel/Game.h"
#include "kernel/mdlMain.h"
#include "ui/AppLook.h"
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

bool writable(const QString& folder) {
  QTemporaryFile probe(folder + QStringLiteral("/.myuruka-probe-XXXXXX"));
  return probe.open();
}

// Copies the files of `from` that `to` lacks, keeping the subfolders; never the executable.
void copyMissing(const QString& from, const QString& to) {
  const QString self = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
  QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString source = it.next();
    const QString rel = QDir(from).relativeFilePath(source);
    if (rel == self) continue;
    const QString target = to + QLatin1Char('/') + rel;
    if (QFileInfo::exists(target)) continue;
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile::copy(source, target);
  }
}

QString programFolder() {
  QString exeDir = QCoreApplication::applicationDirPath();
  if (writable(exeDir)) return exeDir;
  QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QDir().mkpath(data);
  copyMissing(exeDir, data);
  return data;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Under Wayland the pet cannot place its own window or stay on top; XWayland can.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("WAYLAND_DISPLAY") != nullptr &&
      std::getenv("DISPLAY") != nullptr)
    qputenv("QT_QPA_PLATFORM", "xcb");

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("myuruka"));
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

  const QString folderName = programFolder();
  myu::ui::QtInstanceLock instance(folderName);
  services.instance = &instance;
  const QByteArray folder = folderName.toUtf8();
  myu::Game game(myu::u8path(std::string(folder.constData(), static_cast<size_t>(folder.size()))),
                 services);
  myu::Main(game);
  windows.syncAll();
  if (!windows.anyFormShown()) return 0;
  windows.setQuitWhenNoWindow(true);
  return QApplication::exec();
}
