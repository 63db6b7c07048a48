#include "app/session/DbusSession.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QVariant>

#include <unistd.h>

namespace myu::app {

namespace {

const QString kLogind = QStringLiteral("org.freedesktop.login1");
const QString kLogindPath = QStringLiteral("/org/freedesktop/login1");
const QString kLogindManager = QStringLiteral("org.freedesktop.login1.Manager");
const QString kLogindSession = QStringLiteral("org.freedesktop.login1.Session");

// logind waits for polkit, and polkit may be waiting for the owner to type a password.
constexpr int kLogindTimeoutMs = 120000;
// A session manager answers once it has started the log-off.
constexpr int kDesktopTimeoutMs = 30000;

QDBusMessage logindCall(const QString& path, const QString& interface, const QString& method) {
  QDBusMessage m = QDBusMessage::createMethodCall(kLogind, path, interface, method);
  m.setInteractiveAuthorizationAllowed(true);
  return m;
}

// The reply, or nothing when the call failed in any way.
std::optional<QDBusMessage> call(QDBusConnection& bus, const QDBusMessage& m, int timeoutMs) {
  if (!bus.isConnected()) return std::nullopt;
  QDBusMessage reply = bus.call(m, QDBus::Block, timeoutMs);
  if (reply.type() != QDBusMessage::ReplyMessage) return std::nullopt;
  return reply;
}

bool hasOwner(QDBusConnection& bus, const QString& name) {
  if (!bus.isConnected() || bus.interface() == nullptr) return false;
  const QDBusReply<bool> reply = bus.interface()->isServiceRegistered(name);
  return reply.isValid() && reply.value();
}

}  // namespace

DbusSession::DbusSession(const QDBusConnection& systemBus, const QDBusConnection& sessionBus)
    : system_(systemBus), session_(sessionBus) {}

QDBusConnection DbusSession::systemBus() {
  if (!system_) system_ = QDBusConnection::systemBus();
  return *system_;
}

QDBusConnection DbusSession::sessionBus() {
  if (!session_) session_ = QDBusConnection::sessionBus();
  return *session_;
}

int DbusSession::request(Request what) {
  bool taken = false;
  switch (what) {
    case Request::LogOff:
      taken = logOff();
      break;
    case Request::Reboot:
      taken = powerRequest(QStringLiteral("Reboot"));
      break;
    case Request::Shutdown:
      taken = powerRequest(QStringLiteral("PowerOff"));
      break;
    case Request::ForceLogOff:
      taken = terminateOwnSession();
      break;
  }
  return taken ? 1 : 0;
}

// The first session manager that runs: GNOME, Plasma, Xfce. Each is asked to log off without
// a confirmation of its own but with the programs of the session free to save or to refuse.
// Only without any of them does logind end the session.
bool DbusSession::logOff() {
  QDBusConnection bus = sessionBus();
  if (hasOwner(bus, QStringLiteral("org.gnome.SessionManager"))) {
    // Mode 1: no confirmation dialog; inhibitors still hold (2 would override them).
    QDBusMessage m = QDBusMessage::createMethodCall(
        QStringLiteral("org.gnome.SessionManager"), QStringLiteral("/org/gnome/SessionManager"),
        QStringLiteral("org.gnome.SessionManager"), QStringLiteral("Logout"));
    m << quint32{1};
    return call(bus, m, kDesktopTimeoutMs).has_value();
  }
  if (hasOwner(bus, QStringLiteral("org.kde.ksmserver"))) {
    // Plasma's own no-prompt log-off: the session manager still asks every program to close,
    // and any of them may cancel. The bus starts org.kde.Shutdown on this call, so it is
    // ksmserver, always there in a Plasma session, that tells Plasma from the rest.
    // (org.kde.LogoutPrompt would open the log-off dialog first.)
    const QDBusMessage m = QDBusMessage::createMethodCall(
        QStringLiteral("org.kde.Shutdown"), QStringLiteral("/Shutdown"),
        QStringLiteral("org.kde.Shutdown"), QStringLiteral("logout"));
    return call(bus, m, kDesktopTimeoutMs).has_value();
  }
  if (hasOwner(bus, QStringLiteral("org.xfce.SessionManager"))) {
    QDBusMessage m = QDBusMessage::createMethodCall(
        QStringLiteral("org.xfce.SessionManager"), QStringLiteral("/org/xfce/SessionManager"),
        QStringLiteral("org.xfce.Session.Manager"), QStringLiteral("Logout"));
    m << false << true;  // show_dialog, allow_save
    return call(bus, m, kDesktopTimeoutMs).has_value();
  }
  return terminateOwnSession();
}

bool DbusSession::powerRequest(const QString& method) {
  QDBusConnection bus = systemBus();
  QDBusMessage m = logindCall(kLogindPath, kLogindManager, method);
  m << true;  // interactive: polkit may ask the owner
  return call(bus, m, kLogindTimeoutMs).has_value();
}

// Ends the login session this program runs in; the owner's other sessions stay.
bool DbusSession::terminateOwnSession() {
  QDBusConnection bus = systemBus();
  QDBusMessage byPid = logindCall(kLogindPath, kLogindManager, QStringLiteral("GetSessionByPID"));
  byPid << static_cast<quint32>(::getpid());
  const std::optional<QDBusMessage> found = call(bus, byPid, kLogindTimeoutMs);
  if (!found || found->arguments().size() != 1) return false;
  const QVariant session = found->arguments().constFirst();
  if (session.metaType() != QMetaType::fromType<QDBusObjectPath>()) return false;
  const QString path = session.value<QDBusObjectPath>().path();
  if (path.isEmpty() || path == QStringLiteral("/")) return false;
  const QDBusMessage terminate = logindCall(path, kLogindSession, QStringLiteral("Terminate"));
  return call(bus, terminate, kLogindTimeoutMs).has_value();
}

}  // namespace myu::app
