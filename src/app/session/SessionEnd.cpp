#include "app/session/SessionEnd.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QThread>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>

#include "kernel/Game.h"
#include "petwindow/frmKivoMain.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#include <csignal>

#include "app/session/SleepInhibitor.h"
#endif

namespace myu::app {

namespace {

SessionEnd* current = nullptr;

// A call run on the window thread, posted from another one.
class WindowThreadCall final : public QEvent {
 public:
  explicit WindowThreadCall(std::function<void()> call)
      : QEvent(QEvent::User), call_(std::move(call)) {}
  void run() const { call_(); }

 private:
  std::function<void()> call_;
};

// Receives those calls.
class WindowThreadCalls final : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() != QEvent::User) return QObject::event(e);
    static_cast<WindowThreadCall*>(e)->run();
    return true;
  }
};
QtMessageHandler previousHandler = nullptr;

#ifndef _WIN32
int signalPipe[2] = {-1, -1};

extern "C" void wakeWindowThread(int signal) {
  // Only what is safe in a signal handler: one byte into the pipe.
  const int saved = errno;
  const auto byte = static_cast<unsigned char>(signal);
  [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
  errno = saved;
}

// The signal is ours unless the program was started with it ignored (nohup, a shell's
// background job).
void catchSignal(int signal, bool keepIgnored) {
  struct sigaction old = {};
  if (::sigaction(signal, nullptr, &old) != 0) return;
  if (keepIgnored && old.sa_handler == SIG_IGN) return;
  struct sigaction action = {};
  action.sa_handler = wakeWindowThread;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(signal, &action, nullptr);
}
#endif

// What Qt says when the display has gone; the process ends right after.
bool tellsOfALostDisplay(QtMsgType type, const QString& text) {
  return type == QtFatalMsg || text.startsWith(QLatin1String("The X11 connection broke")) ||
         text.startsWith(QLatin1String("The Wayland connection"));
}

}  // namespace

SessionEnd::SessionEnd(Game& game) : game_(game), context_(std::make_unique<WindowThreadCalls>()) {
  current = this;
  watchSignals();

  // The session manager asks every program to save its work; the pet stays.
  QObject::connect(qApp, &QGuiApplication::commitDataRequest, context_.get(),
                   [this](QSessionManager&) {
                     if (frmKivoMain* p = pet(); p != nullptr && !ending_) p->saveWithoutAsking();
                   });

#ifndef _WIN32
  inhibitor_ = std::make_unique<SleepInhibitor>([this] {
    if (frmKivoMain* p = pet(); p != nullptr && !ending_) p->saveWithoutAsking();
  });
#endif

  previousHandler = qInstallMessageHandler(&SessionEnd::onQtMessage);
  static const bool registered = std::atexit(&SessionEnd::atExit) == 0;
  (void)registered;
}

SessionEnd::~SessionEnd() {
  qInstallMessageHandler(previousHandler);
  current = nullptr;
#ifndef _WIN32
  inhibitor_.reset();
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) ::signal(signal, SIG_DFL);
#endif
}

frmKivoMain* SessionEnd::pet() {
  return static_cast<frmKivoMain*>(game_.findForm(frmKivoMain::kName));
}

void SessionEnd::watchSignals() {
#ifndef _WIN32
  if (signalPipe[0] < 0) {
    if (::pipe(signalPipe) != 0) return;
    for (int fd : signalPipe) {
      ::fcntl(fd, F_SETFD, FD_CLOEXEC);
      ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    }
  }
  signals_ = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
  QObject::connect(signals_.get(), &QSocketNotifier::activated, context_.get(),
                   [this] { onSignal(); });
  catchSignal(SIGTERM, false);
  catchSignal(SIGINT, true);
  catchSignal(SIGHUP, true);
#endif
}

void SessionEnd::onSignal() {
#ifndef _WIN32
  unsigned char bytes[64];
  while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
  }
#endif
  if (ending_) return;
  ending_ = true;
  if (frmKivoMain* p = pet()) p->endWithSession();
  // Between events the program ends as it always does; inside one (a box, a modal window, a
  // battle, a pause) nothing of it may go on: the process ends here, the pet already saved.
  if (eventLoop_ && game_.eventDepth == 0 && QThread::currentThread()->loopLevel() <= 1) {
    QCoreApplication::exit(0);
    return;
  }
  std::fflush(nullptr);
  std::_Exit(0);
}

void SessionEnd::displayLost() {
  if (QThread::currentThread() != qApp->thread()) {
    // Qt reads some displays on a thread of its own: the save runs on the window thread, and
    // this thread waits for it (a while at most) before Qt ends the process.
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> saved = done->get_future();
    QCoreApplication::postEvent(context_.get(), new WindowThreadCall([this, done] {
                                  displayLost();
                                  done->set_value();
                                }));
    saved.wait_for(std::chrono::seconds(5));
    return;
  }
  if (ending_) return;
  ending_ = true;
  if (frmKivoMain* p = pet()) p->endWithSession();
}

void SessionEnd::atExit() {
  if (current != nullptr) current->displayLost();
}

void SessionEnd::onQtMessage(QtMsgType type, const QMessageLogContext& context,
                             const QString& text) {
  if (previousHandler != nullptr) {
    previousHandler(type, context, text);
  } else {
    const QByteArray line = qFormatLogMessage(type, context, text).toLocal8Bit();
    std::fprintf(stderr, "%s\n", line.constData());
    std::fflush(stderr);
  }
  if (current != nullptr && tellsOfALostDisplay(type, text)) current->displayLost();
}

}  // namespace myu::app
