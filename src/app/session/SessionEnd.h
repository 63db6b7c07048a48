// The pet is saved however the session ends, not only when its window is closed:
//
// - SIGTERM, SIGINT and SIGHUP (a log-off, a shut-down, Ctrl+C, the terminal closed) end the
//   program as if at once: the pet is saved as it stands and the program exits with status 0.
//   The handler only wakes the window thread through a pipe; the save runs there. An open box,
//   modal window, battle or flight is not answered or finished for the owner: the program ends
//   inside it. A signal that the program inherited as ignored stays ignored.
// - The session manager's "save your work" (the X11 session protocol; the end-session
//   messages on Windows) saves the pet and leaves it running, so that a log-off that is called
//   off changes nothing.
// - logind's shut-down and suspend announcements save the pet before the system goes on
//   (app/session/SleepInhibitor.h).
// - The display going away (the X server or the compositor ends, and Qt ends the process):
//   the pet is saved before the process ends.
//
// None of these saves a pet that the start did not load, a dead one, or twice at the end
// (frmKivoMain::saveWithoutAsking).
#pragma once

#include <QObject>
#include <memory>

class QSocketNotifier;

namespace myu {
class Game;
class frmKivoMain;
}  // namespace myu

namespace myu::app {

class SleepInhibitor;

class SessionEnd final {
 public:
  // Made before the start, so that a signal during it ends the program too (nothing is saved
  // before the pet is loaded).
  explicit SessionEnd(Game& game);
  ~SessionEnd();
  SessionEnd(const SessionEnd&) = delete;
  SessionEnd& operator=(const SessionEnd&) = delete;

  // The start is over and the program's own event loop runs from here on.
  void eventLoopRuns() { eventLoop_ = true; }

 private:
  // The pet window while it is open, or nothing.
  frmKivoMain* pet();
  void watchSignals();
  void onSignal();
  void displayLost();
  static void atExit();
  static void onQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& text);

  Game& game_;
  bool ending_ = false;
  bool eventLoop_ = false;
  std::unique_ptr<QSocketNotifier> signals_;
  std::unique_ptr<QObject> context_;  // the connections' receiver, gone with this object
#ifndef _WIN32
  std::unique_ptr<SleepInhibitor> inhibitor_;
#endif
};

}  // namespace myu::app
