#include "ui/QtInstanceLock.h"

#include <QCryptographicHash>
#include <QDir>

namespace myu::ui {

QtInstanceLock::QtInstanceLock(const QString& programFolder) {
  const QByteArray key = QCryptographicHash::hash(QDir(programFolder).absolutePath().toUtf8(),
                                                  QCryptographicHash::Sha1)
                             .toHex()
                             .left(16);
  lock_ = std::make_unique<QLockFile>(QDir::tempPath() + QStringLiteral("/myuruka-") +
                                      QString::fromLatin1(key) + QStringLiteral(".lock"));
  lock_->setStaleLockTime(0);
}

bool QtInstanceLock::alreadyRunning() {
  if (!checked_) {
    checked_ = true;
    // A lock left by a copy that crashed is taken over (its process is gone).
    running_ = !lock_->tryLock(0) && lock_->error() == QLockFile::LockFailedError;
  }
  return running_;
}

}  // namespace myu::ui
