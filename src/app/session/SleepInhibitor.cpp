#include "app/session/SleepInhibitor.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>

#include <fcntl.h>
#include <unistd.h>

namespace myu::app {

namespace {
const QString kLogind = QStringLiteral("org.freedesktop.login1");
const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");
}  // namespace

SleepInhibitor::SleepInhibitor(std::function<void()> save)
    : SleepInhibitor(QDBusConnection::systemBus(), std::move(save)) {}

SleepInhibitor::SleepInhibitor(QDBusConnection bus, std::function<void()> save)
    : bus_(std::move(bus)), save_(std::move(save)) {
  if (!bus_.isConnected()) return;
  listen();
  take();
}

SleepInhibitor::~SleepInhibitor() {
  delete pending_;
  release();
}

void SleepInhibitor::listen() {
  bus_.connect(kLogind, kPath, kManager, QStringLiteral("PrepareForShutdown"), this,
               SLOT(onPrepareForShutdown(bool)));
  bus_.connect(kLogind, kPath, kManager, QStringLiteral("PrepareForSleep"), this,
               SLOT(onPrepareForSleep(bool)));
}

void SleepInhibitor::take() {
  if (fd_ >= 0 || pending_ != nullptr) return;
  QDBusMessage call =
      QDBusMessage::createMethodCall(kLogind, kPath, kManager, QStringLiteral("Inhibit"));
  call << QStringLiteral("shutdown:sleep") << QStringLiteral("ミュルカ")
       << QStringLiteral("ペットのようすをセーブしています。") << QStringLiteral("delay");
  // Asked without waiting, so that a system bus that answers slowly never holds up the pet.
  pending_ = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
  connect(pending_, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
    QDBusPendingReply<QDBusUnixFileDescriptor> reply = *w;
    if (pending_ == w) pending_ = nullptr;
    w->deleteLater();
    if (reply.isError() || !reply.value().isValid()) return;
    // Our own copy: the reply's goes with the reply, and only ours keeps the lock.
    const int fd = ::fcntl(reply.value().fileDescriptor(), F_DUPFD_CLOEXEC, 0);
    if (fd >= 0) fd_ = fd;
  });
}

void SleepInhibitor::release() {
  if (fd_ < 0) return;
  ::close(fd_);
  fd_ = -1;
}

void SleepInhibitor::prepare(bool starting) {
  if (starting) {
    if (save_) save_();
    release();
  } else {
    take();
  }
}

void SleepInhibitor::onPrepareForShutdown(bool starting) {
  prepare(starting);
}

void SleepInhibitor::onPrepareForSleep(bool starting) {
  prepare(starting);
}

}  // namespace myu::app
