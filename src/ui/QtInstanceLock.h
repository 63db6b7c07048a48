// One copy of the program per program folder: a lock file in the temporary folder, named
// after the program folder, held while the program runs.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

#include "platform/Platform.h"

namespace myu::ui {

class QtInstanceLock final : public InstanceLock {
 public:
  explicit QtInstanceLock(const QString& programFolder);
  bool alreadyRunning() override;

 private:
  std::unique_ptr<QLockFile> lock_;
  bool checked_ = false, running_ = false;
};

}  // namespace myu::ui
