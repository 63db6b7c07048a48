// The platform services of the real program, on Qt: dialogs, the local clock, the random
// source and the shell. The session service (log off, restart, shut down) is not here: only
// the program itself has it (src/app), so no test can ever reach it.
#pragma once

#include <functional>
#include <random>

#include "platform/Platform.h"

namespace myu::ui {

class QtDialogs final : public Dialogs {
 public:
  // Run before a box shows, so the windows show what the handler changed up to then.
  std::function<void()> beforeShow;

  int msgBox(const std::string& prompt, int style, const std::string& title) override;
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
};

class QtClock final : public Clock {
 public:
  DateTime now() override;
  std::int64_t nowMs() override;
};

// Int(r × (hi − lo + 1) + lo) with r uniform in [0, 1), seeded from the time at start.
class QtRandom final : public RandomSource {
 public:
  QtRandom();
  std::int32_t between(std::int32_t lo, std::int32_t hi) override;

 private:
  std::mt19937 engine_;
};

// "open" through the desktop: 42 on success, 2 when the file does not exist, 31 when
// nothing could open it.
class QtShell final : public Shell {
 public:
  int open(const std::string& path, const std::string& workingDirectory) override;
  std::string desktopFolder() override;
};

}  // namespace myu::ui
