// The real session service: log off, restart and shut down. Only main.cpp includes this, so
// nothing but the program itself can ever ask the system to end the session.
#pragma once

#include "startup/Platform.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <QProcess>
#include <QStringList>
#endif

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
    QString program;
    QStringList args;
    switch (what) {
      case Request::LogOff:
      case Request::ForceLogOff: {
        program = QStringLiteral("loginctl");
        const QByteArray session = qgetenv("XDG_SESSION_ID");
        if (session.isEmpty()) {
          args << QStringLiteral("terminate-user") << QString::fromLocal8Bit(qgetenv("USER"));
        } else {
          args << QStringLiteral("terminate-session") << QString::fromLocal8Bit(session);
        }
        break;
      }
      case Request::Reboot:
        program = QStringLiteral("systemctl");
        args << QStringLiteral("reboot");
        break;
      case Request::Shutdown:
        program = QStringLiteral("systemctl");
        args << QStringLiteral("poweroff");
        break;
    }
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(10000)) return 0;
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0 ? 1 : 0;
#endif
  }
};

}  // namespace myu::app
