// Runs a scenario script: the game's core with scripted platform services.
#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "app/scenario/procedures/Procedures.h"
#include "kernel/Game.h"
#include "testsupport/Scripted.h"

namespace myu {

class ScenarioRunner {
 public:
  explicit ScenarioRunner(std::ostream& out, std::ostream& err);
  ~ScenarioRunner();
  // Runs the whole script; returns the exit status (0 held, 1 failed, 2 unreadable line).
  int run(const std::string& script, const std::string& scriptName);

 private:
  struct BadLine : std::runtime_error {
    using std::runtime_error::runtime_error;
  };
  struct ProgramEnded : HostAbort {
    ProgramEnded() : HostAbort("the program ended") {}
  };
  struct ScriptEnded : HostAbort {
    ScriptEnded() : HostAbort("the script ended while a modal window was open") {}
  };

  Game& game();
  void makeGame();
  void execute(const std::vector<std::string>& words);
  void executeNext();
  void pumpModal(Form& form);
  Form& formNamed(const std::string& name);
  std::string property(const std::string& path);
  std::string field(const std::string& name);
  void timerTicks(Form& form, const std::string& timer, std::int64_t count);

  std::ostream& out_;
  std::ostream& err_;
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
  bool failed_ = false;

  std::filesystem::path folder_;
  bool tempFolder_ = true;
  ScriptedServices scripted_;
  // The services the script commands set, by their short names.
  ScriptedDialogs& dialogs_ = scripted_.dialogs;
  ScriptedClock& clock_ = scripted_.clock;
  ScriptedRandom& random_ = scripted_.random;
  ScriptedSession& session_ = scripted_.session;
  ScriptedWindowHost& windows_ = scripted_.windows;
  ScriptedInstanceLock& instance_ = scripted_.instance;
  std::unique_ptr<Game> game_;
  ProcedureRegistry procedures_;
};

// Splits a script line into words: blanks separate, double quotes group, and inside quotes
// \r \n \t \" \\ \xHH are escapes. Raises std::invalid_argument on an unclosed quote.
std::vector<std::string> splitScriptLine(const std::string& line);

}  // namespace myu
