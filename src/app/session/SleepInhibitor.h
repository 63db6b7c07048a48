// Holds logind's delay lock for shut-down and sleep, so that the pet is saved before the
// machine goes down or to sleep.
//
// At start the lock is asked for (`Inhibit("shutdown:sleep", "ミュルカ", reason, "delay")` on
// org.freedesktop.login1.Manager) and its file descriptor kept. When logind announces a
// shut-down or a suspend (PrepareForShutdown(true), PrepareForSleep(true)) the callback saves,
// then the descriptor is closed so that the system goes on at once; after the wake-up
// (PrepareForSleep(false)), or a shut-down that was called off, a new lock is taken. No
// logind, no system bus, any error: nothing happens and nothing is shown.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <functional>

class QDBusPendingCallWatcher;

namespace myu::app {

class SleepInhibitor final : public QObject {
  Q_OBJECT

 public:
  // The system bus as DBUS_SYSTEM_BUS_ADDRESS (or the system's default) names it.
  explicit SleepInhibitor(std::function<void()> save);
  // A given bus, for a test that runs its own.
  SleepInhibitor(QDBusConnection bus, std::function<void()> save);
  ~SleepInhibitor() override;
  SleepInhibitor(const SleepInhibitor&) = delete;
  SleepInhibitor& operator=(const SleepInhibitor&) = delete;

  // Whether a lock is held now.
  bool holdsLock() const { return fd_ >= 0; }

 private:
  Q_SLOT void onPrepareForShutdown(bool starting);
  Q_SLOT void onPrepareForSleep(bool starting);
  void listen();
  void take();
  void release();
  void prepare(bool starting);

  QDBusConnection bus_;
  std::function<void()> save_;
  int fd_ = -1;
  QDBusPendingCallWatcher* pending_ = nullptr;
};

}  // namespace myu::app
