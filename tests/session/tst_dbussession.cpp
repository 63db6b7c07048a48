// The D-Bus session client against mocks: which service, method and arguments each request
// reaches, and that a refusal, a D-Bus error or a missing service gives 0.
//
// Everything runs on two dbus-daemons of the test's own, a "system" and a "session" bus, each
// listening on a unix socket in a temporary folder, with a config of ours whose only service
// folder is ours. The test process and everything it starts see only those two addresses;
// before they exist the addresses point at nothing. When the private buses cannot be set up
// the test fails at once, it never falls back to the machine's own buses. Every process it
// started (and the one its session bus started) ends when a case ends, or with the test.
//
// The mocks: python3-dbusmock's logind template with our additions (tests/session/mocks/
// logind_session.py) on the system bus; GNOME's, Plasma's and Xfce's session managers on the
// session bus, Plasma's shutdown service started by the bus on its first call as in Plasma.
// Their methods refuse arguments of another D-Bus type, as the real services do.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include "app/session/DbusSession.h"

using myu::Session;
using myu::app::DbusSession;

namespace {

const QString kMocks = QStringLiteral(MYURUKA_SESSION_MOCKS);
const QString kMockIface = QStringLiteral("org.freedesktop.DBus.Mock");
const QString kSystemName = QStringLiteral("tst_dbussession-system");
const QString kSessionName = QStringLiteral("tst_dbussession-session");
const QString kLogind = QStringLiteral("org.freedesktop.login1");
const QString kLogindPath = QStringLiteral("/org/freedesktop/login1");
// Addresses that lead nowhere, for the time before the private buses run.
const QByteArray kNoSystemBus = "unix:path=/nonexistent/tst_dbussession/system";
const QByteArray kNoSessionBus = "unix:path=/nonexistent/tst_dbussession/session";

// Every mocked object whose calls a case compares, with the label its calls are shown with.
struct MockObject {
  bool system;
  const char* service;
  const char* path;
  const char* label;
};
constexpr MockObject kMockObjects[] = {
    {true, "org.freedesktop.login1", "/org/freedesktop/login1", "logind"},
    {true, "org.freedesktop.login1", "/org/freedesktop/login1/session/c7", "logind session c7"},
    {true, "org.freedesktop.login1", "/org/freedesktop/login1/session/c8", "logind session c8"},
    {true, "org.freedesktop.login1", "/org/freedesktop/login1/user/1000", "logind user"},
    {true, "org.freedesktop.login1", "/org/freedesktop/login1/seat/seat0", "logind seat"},
    {false, "org.gnome.SessionManager", "/org/gnome/SessionManager", "GNOME"},
    {false, "org.kde.ksmserver", "/KSMServer", "Plasma ksmserver"},
    {false, "org.kde.Shutdown", "/Shutdown", "Plasma shutdown"},
    {false, "org.xfce.SessionManager", "/org/xfce/SessionManager", "Xfce"},
};

// The session managers a case may run, by the names the tables use.
struct Desktop {
  const char* name;
  const char* service;
  const char* templateFile;
};
constexpr Desktop kDesktops[] = {
    {"gnome", "org.gnome.SessionManager", "gnome_session.py"},
    {"plasma", "org.kde.ksmserver", "plasma_ksmserver.py"},
    {"xfce", "org.xfce.SessionManager", "xfce_session.py"},
};

QString shown(const QVariant& v) {
  if (v.metaType() == QMetaType::fromType<bool>()) {
    return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
  }
  if (v.metaType() == QMetaType::fromType<QString>()) return u'"' + v.toString() + u'"';
  if (v.metaType() == QMetaType::fromType<QDBusObjectPath>()) {
    return v.value<QDBusObjectPath>().path();
  }
  return v.toString();
}

QString pidText() {
  return QString::number(QCoreApplication::applicationPid());
}

QString refusingCode(const QString& errorName) {
  return QStringLiteral("raise dbus.exceptions.DBusException('refused by the test', name='%1')")
      .arg(errorName);
}

}  // namespace

class DbusSessionTest : public QObject {
  Q_OBJECT

 private:
  QDBusConnection systemBus() const { return QDBusConnection(kSystemName); }
  QDBusConnection sessionBus() const { return QDBusConnection(kSessionName); }

  // A process of ours that dies with the test, whatever ends it.
  void startChild(QProcess& p, const QString& program, const QStringList& args) {
    p.setProcessEnvironment(env_);
    p.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    p.start(program, args);
  }

  static void stop(QProcess& p) {
    if (p.state() == QProcess::NotRunning) return;
    p.terminate();
    if (!p.waitForFinished(5000)) {
      p.kill();
      p.waitForFinished(5000);
    }
  }

  static bool hasOwner(const QDBusConnection& bus, const QString& name) {
    QDBusMessage m = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    m << name;
    const QDBusMessage r = bus.call(m, QDBus::Block, 5000);
    return r.type() == QDBusMessage::ReplyMessage && r.arguments().value(0).toBool();
  }

  // Starts one of our dbus-daemons; its address, or the empty text when it did not start.
  QString startBus(QProcess& daemon, const QString& kind, const QString& socket,
                   const QString& serviceFolder) {
    const QString config = dir_.filePath(kind + QStringLiteral(".conf"));
    QFile f(config);
    if (!f.open(QIODevice::WriteOnly)) return {};
    QString text = QStringLiteral(
                       "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration "
                       "1.0//EN\"\n \"http://www.freedesktop.org/standards/dbus/1.0/"
                       "busconfig.dtd\">\n<busconfig>\n  <type>%1</type>\n"
                       "  <listen>unix:path=%2</listen>\n  <auth>EXTERNAL</auth>\n")
                       .arg(kind, socket);
    if (!serviceFolder.isEmpty()) {
      text += QStringLiteral("  <servicedir>%1</servicedir>\n").arg(serviceFolder);
    }
    text += QStringLiteral(
        "  <policy context=\"default\">\n    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
        "    <allow eavesdrop=\"true\"/>\n    <allow own=\"*\"/>\n  </policy>\n</busconfig>\n");
    f.write(text.toUtf8());
    f.close();
    startChild(daemon, dbusDaemon_,
               {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                QStringLiteral("--nopidfile"), QStringLiteral("--nosyslog"),
                QStringLiteral("--print-address=1")});
    if (!daemon.waitForStarted(10000)) return {};
    QDeadlineTimer deadline(15000);
    while (!daemon.canReadLine() && !deadline.hasExpired() && daemon.state() == QProcess::Running) {
      daemon.waitForReadyRead(200);
    }
    const QString address = QString::fromUtf8(daemon.readLine()).trimmed();
    // Only our own socket will do.
    if (!address.startsWith(QStringLiteral("unix:path=") + socket + u',')) return {};
    return address;
  }

  // Starts a dbusmock process and waits until it owns its name.
  void startMock(const QStringList& args, const QDBusConnection& bus, const QString& name) {
    auto p = std::make_unique<QProcess>();
    p->setProcessChannelMode(QProcess::MergedChannels);
    QProcess& mock = *p;
    mocks_.push_back(std::move(p));
    startChild(mock, python_, QStringList{QStringLiteral("-m"), QStringLiteral("dbusmock")} + args);
    QDeadlineTimer deadline(30000);
    while (!hasOwner(bus, name)) {
      QVERIFY2(
          mock.state() != QProcess::NotRunning,
          qPrintable(name + QStringLiteral(" mock ended: ") + QString::fromUtf8(mock.readAll())));
      QVERIFY2(!deadline.hasExpired(), qPrintable(name + QStringLiteral(" mock did not start")));
      mock.waitForFinished(50);
    }
  }

  // A call on a mock that must succeed (setting up, never the client under test).
  void mockCall(const QDBusConnection& bus, const QString& service, const QString& path,
                const QString& interface, const QString& method, const QVariantList& args) {
    QDBusMessage m = QDBusMessage::createMethodCall(service, path, interface, method);
    m.setAutoStartService(false);
    m.setArguments(args);
    const QDBusMessage r = bus.call(m, QDBus::Block, 10000);
    QVERIFY2(r.type() == QDBusMessage::ReplyMessage,
             qPrintable(method + QStringLiteral(": ") + r.errorName() + u' ' + r.errorMessage()));
  }

  // logind with this process's session c7 and a second session c8 of the same user.
  void startLogind() {
    startMock({QStringLiteral("--template"), QStringLiteral("logind")}, systemBus(), kLogind);
    if (QTest::currentTestFailed()) return;
    QVariantMap parameters;
    parameters.insert(QStringLiteral("pid"),
                      QVariant::fromValue(quint32(QCoreApplication::applicationPid())));
    parameters.insert(QStringLiteral("session"), QStringLiteral("c7"));
    mockCall(systemBus(), kLogind, kLogindPath, kMockIface, QStringLiteral("AddTemplate"),
             {kMocks + QStringLiteral("/logind_session.py"), parameters});
    for (const auto& [id, active] : {std::pair{"c7", true}, std::pair{"c8", false}}) {
      mockCall(systemBus(), kLogind, kLogindPath, kMockIface, QStringLiteral("AddSession"),
               {QString::fromLatin1(id), QStringLiteral("seat0"), quint32{1000},
                QStringLiteral("mofu"), active});
    }
    for (const MockObject& o : kMockObjects) {
      if (!o.system) continue;
      mockCall(systemBus(), QString::fromLatin1(o.service), QString::fromLatin1(o.path), kMockIface,
               QStringLiteral("ClearCalls"), {});
    }
  }

  void startDesktops(const QStringList& names) {
    for (const QString& name : names) {
      bool known = false;
      for (const Desktop& d : kDesktops) {
        if (name != QLatin1String(d.name)) continue;
        known = true;
        startMock({QStringLiteral("--template"), kMocks + u'/' + QLatin1String(d.templateFile)},
                  sessionBus(), QString::fromLatin1(d.service));
        if (QTest::currentTestFailed()) return;
      }
      QVERIFY2(known, qPrintable(name));
    }
  }

  // Every call the mocks that run have taken, as "label: Method(arg, ...)".
  QStringList everyCall() {
    QStringList calls;
    for (const MockObject& o : kMockObjects) {
      const QDBusConnection bus = o.system ? systemBus() : sessionBus();
      if (!hasOwner(bus, QString::fromLatin1(o.service))) continue;
      QDBusMessage m = QDBusMessage::createMethodCall(QString::fromLatin1(o.service),
                                                      QString::fromLatin1(o.path), kMockIface,
                                                      QStringLiteral("GetCalls"));
      m.setAutoStartService(false);
      const QDBusMessage r = bus.call(m, QDBus::Block, 10000);
      if (r.type() != QDBusMessage::ReplyMessage) {
        calls << QStringLiteral("%1: no call log (%2)").arg(QLatin1String(o.label), r.errorName());
        continue;
      }
      const QDBusArgument log = r.arguments().value(0).value<QDBusArgument>();
      log.beginArray();
      while (!log.atEnd()) {
        qulonglong stamp = 0;
        QString method;
        QStringList args;
        log.beginStructure();
        log >> stamp >> method;
        log.beginArray();
        while (!log.atEnd()) {
          QDBusVariant arg;
          log >> arg;
          args << shown(arg.variant());
        }
        log.endArray();
        log.endStructure();
        calls << QStringLiteral("%1: %2(%3)")
                     .arg(QLatin1String(o.label), method, args.join(QStringLiteral(", ")));
      }
      log.endArray();
    }
    return calls;
  }

  // Makes one mocked method answer with the given D-Bus error.
  void makeRefuse(const QStringList& fault) {
    // bus, service, path, interface, method, in, out, error
    QCOMPARE(fault.size(), 8);
    const QDBusConnection bus = fault[0] == QLatin1String("system") ? systemBus() : sessionBus();
    mockCall(bus, fault[1], fault[2], kMockIface, QStringLiteral("AddMethod"),
             {fault[3], fault[4], fault[5], fault[6], refusingCode(fault[7])});
  }

  // Ends the processes of a case: the mocks it started, then whatever the session bus started
  // for it. Each peer left on our private buses but this process is one of those.
  void stopMocks() {
    for (auto& p : mocks_) stop(*p);
    mocks_.clear();
    for (const QDBusConnection& bus : {systemBus(), sessionBus()}) {
      if (!bus.isConnected()) continue;
      QDeadlineTimer deadline(15000);
      for (;;) {
        const QDBusReply<QStringList> names = bus.interface()->registeredServiceNames();
        QList<uint> others;
        if (names.isValid()) {
          for (const QString& name : names.value()) {
            if (!name.startsWith(u':')) continue;
            const QDBusReply<uint> pid = bus.interface()->servicePid(name);
            if (pid.isValid() && pid.value() != uint(QCoreApplication::applicationPid())) {
              others << pid.value();
            }
          }
        }
        if (others.isEmpty() || deadline.hasExpired()) break;
        for (uint pid : others) ::kill(pid_t(pid), SIGTERM);
        QTest::qWait(100);
      }
    }
  }

  QTemporaryDir dir_{QDir::tempPath() + QStringLiteral("/tst_dbussession-XXXXXX")};
  QString dbusDaemon_;
  QString python_;
  QProcessEnvironment env_;
  QProcess systemDaemon_;
  QProcess sessionDaemon_;
  QString systemAddress_;
  QString sessionAddress_;
  std::vector<std::unique_ptr<QProcess>> mocks_;

 private slots:
  void initTestCase() {
    dbusDaemon_ = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (dbusDaemon_.isEmpty()) {
      QSKIP("D-Bus test skipped: dbus-daemon is not installed (scripts/deps test installs it)");
    }
    QVERIFY(dir_.isValid());
    const QString systemSocket = dir_.filePath(QStringLiteral("system.sock"));
    const QString sessionSocket = dir_.filePath(QStringLiteral("session.sock"));

    // What every process of the test sees: the private buses, our mock folder, nothing of
    // the desktop it may run in.
    env_.insert(QStringLiteral("PATH"),
                qEnvironmentVariable("PATH", QStringLiteral("/usr/bin:/bin")));
    env_.insert(QStringLiteral("HOME"), dir_.path());
    env_.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    env_.insert(QStringLiteral("PYTHONPATH"), kMocks);
    env_.insert(QStringLiteral("PYTHONDONTWRITEBYTECODE"), QStringLiteral("1"));
    env_.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"),
                QStringLiteral("unix:path=") + systemSocket);
    env_.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                QStringLiteral("unix:path=") + sessionSocket);

    // A Python that has dbusmock: the system's first, then the one on PATH.
    QStringList pythons{QStringLiteral("/usr/bin/python3"),
                        QStandardPaths::findExecutable(QStringLiteral("python3"))};
    for (const QString& candidate : pythons) {
      if (candidate.isEmpty() || !QFileInfo(candidate).isExecutable()) continue;
      QProcess probe;
      startChild(probe, candidate, {QStringLiteral("-c"), QStringLiteral("import dbusmock")});
      if (probe.waitForFinished(30000) && probe.exitStatus() == QProcess::NormalExit &&
          probe.exitCode() == 0) {
        python_ = candidate;
        break;
      }
    }
    if (python_.isEmpty()) {
      QSKIP(
          "D-Bus test skipped: python3-dbusmock is not installed (scripts/deps test installs it)");
    }

    // Plasma's shutdown service is started by the session bus, as in Plasma.
    const QString services = dir_.filePath(QStringLiteral("services"));
    QVERIFY(QDir().mkpath(services));
    QFile service(services + QStringLiteral("/org.kde.Shutdown.service"));
    QVERIFY(service.open(QIODevice::WriteOnly));
    service.write(QStringLiteral("[D-BUS Service]\nName=org.kde.Shutdown\n"
                                 "Exec='%1' -m dbusmock --session --template '%2'\n")
                      .arg(python_, kMocks + QStringLiteral("/plasma_shutdown.py"))
                      .toUtf8());
    service.close();

    systemAddress_ = startBus(systemDaemon_, QStringLiteral("system"), systemSocket, {});
    QVERIFY2(!systemAddress_.isEmpty(),
             qPrintable(QStringLiteral("the private system bus did not start: ") +
                        QString::fromUtf8(systemDaemon_.readAllStandardError())));
    sessionAddress_ = startBus(sessionDaemon_, QStringLiteral("session"), sessionSocket, services);
    QVERIFY2(!sessionAddress_.isEmpty(),
             qPrintable(QStringLiteral("the private session bus did not start: ") +
                        QString::fromUtf8(sessionDaemon_.readAllStandardError())));

    // From here on the standard buses of this process are the private ones.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", systemAddress_.toUtf8());
    qputenv("DBUS_SESSION_BUS_ADDRESS", sessionAddress_.toUtf8());
    QVERIFY(QDBusConnection::connectToBus(systemAddress_, kSystemName).isConnected());
    QVERIFY(QDBusConnection::connectToBus(sessionAddress_, kSessionName).isConnected());
  }

  void cleanup() { stopMocks(); }

  void cleanupTestCase() {
    stopMocks();
    QDBusConnection::disconnectFromBus(kSystemName);
    QDBusConnection::disconnectFromBus(kSessionName);
    stop(sessionDaemon_);
    stop(systemDaemon_);
  }

  void eachRequestReachesItsService_data() {
    QTest::addColumn<int>("request");
    QTest::addColumn<QStringList>("desktops");
    QTest::addColumn<QStringList>("calls");
    const QStringList all{QStringLiteral("gnome"), QStringLiteral("plasma"),
                          QStringLiteral("xfce")};
    const QStringList ownSession{QStringLiteral("logind: GetSessionByPID(%1)").arg(pidText()),
                                 QStringLiteral("logind session c7: Terminate()")};
    QTest::newRow("restart: logind's Reboot, interactive")
        << int(Session::Request::Reboot) << all
        << QStringList{QStringLiteral("logind: Reboot(true)")};
    QTest::newRow("shut down: logind's PowerOff, interactive")
        << int(Session::Request::Shutdown) << all
        << QStringList{QStringLiteral("logind: PowerOff(true)")};
    QTest::newRow("forced log-off: logind ends this process's session, not the other one")
        << int(Session::Request::ForceLogOff) << all << ownSession;
    QTest::newRow("log-off with GNOME, Plasma and Xfce running: GNOME, no dialog")
        << int(Session::Request::LogOff) << all << QStringList{QStringLiteral("GNOME: Logout(1)")};
    QTest::newRow("log-off with Plasma and Xfce running: Plasma's shutdown service")
        << int(Session::Request::LogOff)
        << QStringList{QStringLiteral("plasma"), QStringLiteral("xfce")}
        << QStringList{QStringLiteral("Plasma shutdown: logout()")};
    QTest::newRow("log-off with Xfce running: Xfce, no dialog, saving allowed")
        << int(Session::Request::LogOff) << QStringList{QStringLiteral("xfce")}
        << QStringList{QStringLiteral("Xfce: Logout(false, true)")};
    QTest::newRow("log-off without a session manager: logind ends this process's session")
        << int(Session::Request::LogOff) << QStringList{} << ownSession;
  }
  void eachRequestReachesItsService() {
    QFETCH(int, request);
    QFETCH(QStringList, desktops);
    QFETCH(QStringList, calls);
    startLogind();
    if (QTest::currentTestFailed()) return;
    startDesktops(desktops);
    if (QTest::currentTestFailed()) return;

    DbusSession session(systemBus(), sessionBus());
    QCOMPARE(session.request(Session::Request(request)), 1);
    QCOMPARE(everyCall(), calls);
  }

  void refusalsAndMissingServicesGiveZero_data() {
    QTest::addColumn<int>("request");
    QTest::addColumn<bool>("logind");
    QTest::addColumn<QStringList>("desktops");
    QTest::addColumn<QStringList>("fault");
    QTest::addColumn<QStringList>("calls");
    const QString manager = QStringLiteral("org.freedesktop.login1.Manager");
    const QString denied = QStringLiteral("org.freedesktop.DBus.Error.AccessDenied");
    const auto logindFault = [&](const QString& path, const QString& interface,
                                 const QString& method, const QString& in, const QString& out) {
      return QStringList{
          QStringLiteral("system"), kLogind, path, interface, method, in, out, denied};
    };
    const QString getSession = QStringLiteral("logind: GetSessionByPID(%1)").arg(pidText());

    QTest::newRow("restart refused by polkit")
        << int(Session::Request::Reboot) << true << QStringList{}
        << logindFault(kLogindPath, manager, QStringLiteral("Reboot"), QStringLiteral("b"), {})
        << QStringList{QStringLiteral("logind: Reboot(true)")};
    QTest::newRow("shut down refused by polkit")
        << int(Session::Request::Shutdown) << true << QStringList{}
        << logindFault(kLogindPath, manager, QStringLiteral("PowerOff"), QStringLiteral("b"), {})
        << QStringList{QStringLiteral("logind: PowerOff(true)")};
    QTest::newRow("restart without logind") << int(Session::Request::Reboot) << false
                                            << QStringList{} << QStringList{} << QStringList{};
    QTest::newRow("forced log-off of a process outside any session")
        << int(Session::Request::ForceLogOff) << true << QStringList{}
        << QStringList{QStringLiteral("system"),
                       kLogind,
                       kLogindPath,
                       manager,
                       QStringLiteral("GetSessionByPID"),
                       QStringLiteral("u"),
                       QStringLiteral("o"),
                       QStringLiteral("org.freedesktop.login1.NoSessionForPID")}
        << QStringList{getSession};
    QTest::newRow("forced log-off refused by logind")
        << int(Session::Request::ForceLogOff) << true << QStringList{}
        << logindFault(QStringLiteral("/org/freedesktop/login1/session/c7"),
                       QStringLiteral("org.freedesktop.login1.Session"),
                       QStringLiteral("Terminate"), {}, {})
        << QStringList{getSession, QStringLiteral("logind session c7: Terminate()")};
    QTest::newRow("forced log-off without logind")
        << int(Session::Request::ForceLogOff) << false << QStringList{} << QStringList{}
        << QStringList{};
    QTest::newRow("log-off refused in GNOME: no other way is tried")
        << int(Session::Request::LogOff) << true << QStringList{QStringLiteral("gnome")}
        << QStringList{QStringLiteral("session"),
                       QStringLiteral("org.gnome.SessionManager"),
                       QStringLiteral("/org/gnome/SessionManager"),
                       QStringLiteral("org.gnome.SessionManager"),
                       QStringLiteral("Logout"),
                       QStringLiteral("u"),
                       QString(),
                       QStringLiteral("org.gnome.SessionManager.NotInRunning")}
        << QStringList{QStringLiteral("GNOME: Logout(1)")};
    QTest::newRow("log-off refused in Xfce: no other way is tried")
        << int(Session::Request::LogOff) << true << QStringList{QStringLiteral("xfce")}
        << QStringList{QStringLiteral("session"),
                       QStringLiteral("org.xfce.SessionManager"),
                       QStringLiteral("/org/xfce/SessionManager"),
                       QStringLiteral("org.xfce.Session.Manager"),
                       QStringLiteral("Logout"),
                       QStringLiteral("bb"),
                       QString(),
                       QStringLiteral("org.xfce.SessionManager.Error.Failed")}
        << QStringList{QStringLiteral("Xfce: Logout(false, true)")};
    QTest::newRow("log-off with neither a session manager nor logind")
        << int(Session::Request::LogOff) << false << QStringList{} << QStringList{}
        << QStringList{};
  }
  void refusalsAndMissingServicesGiveZero() {
    QFETCH(int, request);
    QFETCH(bool, logind);
    QFETCH(QStringList, desktops);
    QFETCH(QStringList, fault);
    QFETCH(QStringList, calls);
    if (logind) startLogind();
    if (QTest::currentTestFailed()) return;
    startDesktops(desktops);
    if (QTest::currentTestFailed()) return;
    if (!fault.isEmpty()) makeRefuse(fault);
    if (QTest::currentTestFailed()) return;

    DbusSession session(systemBus(), sessionBus());
    QCOMPARE(session.request(Session::Request(request)), 0);
    QCOMPARE(everyCall(), calls);
  }

  // The program's own client takes the buses the environment names (here the private ones).
  void theStandardBusesComeFromTheEnvironment() {
    if (qgetenv("DBUS_SYSTEM_BUS_ADDRESS") != systemAddress_.toUtf8() ||
        qgetenv("DBUS_SESSION_BUS_ADDRESS") != sessionAddress_.toUtf8()) {
      qFatal("the bus addresses of the test no longer name the private buses");
    }
    startLogind();
    if (QTest::currentTestFailed()) return;
    startDesktops({QStringLiteral("xfce")});
    if (QTest::currentTestFailed()) return;

    DbusSession session;
    QCOMPARE(session.request(Session::Request::Shutdown), 1);
    QCOMPARE(session.request(Session::Request::LogOff), 1);
    QCOMPARE(everyCall(), (QStringList{QStringLiteral("logind: PowerOff(true)"),
                                       QStringLiteral("Xfce: Logout(false, true)")}));
  }
};

int main(int argc, char* argv[]) {
  // Before anything may open a bus: no address of the machine's own buses is left, and no
  // way for the bus library to find or start one.
  qputenv("DBUS_SYSTEM_BUS_ADDRESS", kNoSystemBus);
  qputenv("DBUS_SESSION_BUS_ADDRESS", kNoSessionBus);
  for (const char* name : {"DBUS_STARTER_ADDRESS", "DBUS_STARTER_BUS_TYPE", "DISPLAY",
                           "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"}) {
    qunsetenv(name);
  }
  QCoreApplication app(argc, argv);
  DbusSessionTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_dbussession.moc"
