// Scripted platform services for tests and the scenario runner: queued answers and random
// draws, a settable clock, a shell and a session that only report what they were asked.
// Every dialog and outside effect is written to a transcript, one line each.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <random>
#include <string>

#include "platform/Platform.h"
#include "platform/VbError.h"

namespace myu {

// Quotes a text for the transcript with the script escapes (\r \n \t \" \\ \xHH).
std::string quoteText(const std::string& text);

// Thrown when a dialog comes with no answer queued and auto mode off, or a queued draw does
// not fit its bounds; ends the run with exit status 1.
struct ScriptFailure : HostAbort {
  using HostAbort::HostAbort;
};

class ScriptedDialogs : public Dialogs {
 public:
  explicit ScriptedDialogs(std::ostream& out) : out_(out) {}
  int msgBox(const std::string& prompt, int style, const std::string& title) override;
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;

  std::deque<int> answers;
  std::deque<std::optional<std::string>> inputs;  // nullopt: cancelled
  bool autoMode = false;
  // Called before a box takes its answer (a hook for tests).
  std::function<void(const std::string& prompt)> onBox;

 private:
  std::ostream& out_;
};

class ScriptedClock : public Clock {
 public:
  DateTime now() override { return DateTime::fromSerialSeconds(ms_ / 1000); }
  std::int64_t nowMs() override { return ms_; }
  void set(const DateTime& t) { ms_ = t.serialSeconds() * 1000; }
  void advanceMs(std::int64_t ms) { ms_ += ms; }

 private:
  std::int64_t ms_ = DateTime{2026, 1, 1, 9, 0, 0}.serialSeconds() * 1000;
};

class ScriptedRandom : public RandomSource {
 public:
  explicit ScriptedRandom(std::ostream& out) : out_(out) {}
  std::int32_t between(std::int32_t lo, std::int32_t hi) override;
  void seed(std::uint32_t s) { engine_.seed(s); }

  std::deque<std::int32_t> queued;
  bool trace = false;

 private:
  std::ostream& out_;
  std::mt19937 engine_{1};
};

// A shell that opens nothing (it says what it would open) and names the desktop folder it
// was given, which need not exist: the game makes it.
class ScriptedShell : public Shell {
 public:
  ScriptedShell(std::ostream& out, std::string desktop) : out_(out), desktop_(std::move(desktop)) {}
  int open(const std::string& path, const std::string& workingDirectory) override;
  std::string desktopFolder() override;

 private:
  std::ostream& out_;
  std::string desktop_;
};

class ScriptedSession : public Session {
 public:
  explicit ScriptedSession(std::ostream& out) : out_(out) {}
  int request(Request what) override;
  // What the system answers: nonzero took the request, 0 refused it.
  int result = 1;

 private:
  std::ostream& out_;
};

// Another copy of the program runs only when the script says so.
class ScriptedInstanceLock : public InstanceLock {
 public:
  bool alreadyRunning() override { return running; }
  bool running = false;
};

// Windows without a display: a modal form runs `pump` until it closes.
class ScriptedWindowHost : public WindowHost {
 public:
  explicit ScriptedWindowHost(std::ostream& out) : out_(out) {}
  void formShown(Form& form, bool modal) override;
  void formHidden(Form& form) override;
  void formClosed(Form& form) override;
  void runModal(Form& form) override;
  ScreenArea screenOf(const Form& form) override;
  std::vector<ScreenArea> screens() override;
  bool placesWindow(const Form& form) override;
  void setOnTop(Form& form, bool onTop) override;
  void sleep(int milliseconds) override;

  // The primary monitor, and the other monitors of the desktop.
  ScreenArea screen;
  std::vector<ScreenArea> monitors;
  // False: a desktop that does not move windows where the game asks.
  bool placing = true;
  // Runs script lines while the modal form is open; returns when it closed or hid.
  std::function<void(Form&)> pump;
  ScriptedClock* clock = nullptr;  // a sleep moves it on

 private:
  std::ostream& out_;
};

// Every scripted service of one game, writing to one transcript: the tests, the fuzz targets
// and the scenario runner build their game's services from one of these. The window host's
// sleeps move the clock on.
class ScriptedServices {
 public:
  explicit ScriptedServices(std::ostream& out);

  // The services of a game in that program folder: the shell's desktop is its "Desktop". A
  // caller may put another random source or window host in their place.
  Services forFolder(const std::filesystem::path& folder);

  ScriptedDialogs dialogs;
  ScriptedClock clock;
  ScriptedRandom random;
  std::unique_ptr<ScriptedShell> shell;  // made by forFolder
  ScriptedSession session;
  ScriptedWindowHost windows;
  ScriptedInstanceLock instance;

 private:
  std::ostream& out_;
};

}  // namespace myu
