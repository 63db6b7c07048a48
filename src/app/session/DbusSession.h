// Log off, restart and shut down on Linux, through the system's own services on D-Bus.
//
// A log-off goes to the desktop's session manager on the session bus, so that the programs
// of the session may save their work or refuse; restart and shut down go to logind on the
// system bus, where polkit asks or refuses as the system is configured. A forced log-off ends
// this program's own login session and no other.
//
// Only the program and its D-Bus test link this; the core knows only the Session interface.
#pragma once

#include <QDBusConnection>
#include <QString>
#include <optional>

#include "platform/Platform.h"

namespace myu::app {

class DbusSession final : public Session {
 public:
  // The standard buses, as DBUS_SYSTEM_BUS_ADDRESS and DBUS_SESSION_BUS_ADDRESS (or the
  // system's defaults) name them, connected on the first request.
  DbusSession() = default;
  // Given buses, for a test that runs its own.
  DbusSession(const QDBusConnection& systemBus, const QDBusConnection& sessionBus);

  // Nonzero when the service took the request; 0 for a refusal, a D-Bus error or a missing
  // service.
  int request(Request what) override;

 private:
  QDBusConnection systemBus();
  QDBusConnection sessionBus();
  bool logOff();
  bool powerRequest(const QString& method);
  bool terminateOwnSession();

  std::optional<QDBusConnection> system_;
  std::optional<QDBusConnection> session_;
};

}  // namespace myu::app
