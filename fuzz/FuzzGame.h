// What every fuzz target shares: a game object with scripted services in this process's own
// program folder (emptied for each input), random draws taken from the input, and a check
// that stops the run with a message when a property does not hold.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "kernel/Game.h"
#include "testsupport/Scripted.h"

namespace myu::fuzz {

// Stops the run (libFuzzer keeps the input) when a property fails.
[[noreturn]] void fail(const char* file, int line, const std::string& what);
#define FUZZ_CHECK(cond, what)                                                              \
  do {                                                                                      \
    if (!(cond)) ::myu::fuzz::fail(__FILE__, __LINE__, std::string(#cond) + ": " + (what)); \
  } while (0)

// The input split at each form feed (0x0C): the parts of a flow that reads several files.
std::vector<std::string> splitParts(std::string_view data, std::size_t count);

// The input split at its last form feed: what the flow reads, and the bytes after it that
// steer the flow (none when the input has no form feed).
struct Steered {
  std::string file, steering;
};
Steered splitSteering(std::string_view data);

// Random draws from a pool of bytes, then from a fixed-seed engine once the pool is used up:
// the fuzzer steers the draws it can reach and a run never depends on the time.
class InputRandom : public RandomSource {
 public:
  void reset(std::string pool);
  std::int32_t between(std::int32_t lo, std::int32_t hi) override;

 private:
  std::string pool_;
  std::size_t next_ = 0;
  std::mt19937 engine_{1};
};

// A game with scripted services: every dialog takes its default button, a modal window that
// the flow opens is closed again at once (its close box), the clock stands at a fixed moment
// and moves only when the flow waits.
class FuzzGame {
 public:
  FuzzGame();
  ~FuzzGame();
  FuzzGame(const FuzzGame&) = delete;
  FuzzGame& operator=(const FuzzGame&) = delete;

  Game& game() { return *game_; }
  GameState& st() { return game_->st; }
  const std::filesystem::path& folder() const { return folder_; }

  // A file of the program folder: its bytes as they are.
  void put(const std::string& name, std::string_view bytes);
  std::string bytes(const std::string& name) const;
  bool exists(const std::string& name) const;
  // A young, healthy pet "モフ" of "花子".
  void healthyPet();
  // Destroys the windows closed since the last call (as the hosts do between events).
  void reap();
  // A new game object on the same program folder: the program started again.
  void restart();

  std::ostringstream out;  // the transcript (printed when MYURUKA_FUZZ_TRANSCRIPT is set)
  ScriptedServices scripted{out};
  // The services the targets steer, by their short names; the draws come from the input.
  ScriptedDialogs& dialogs = scripted.dialogs;
  ScriptedClock& clock = scripted.clock;
  InputRandom random;
  ScriptedWindowHost& windows = scripted.windows;
  std::vector<std::string> errors;  // lines written to the error log

 private:
  std::filesystem::path folder_;
  void makeGame();

  std::unique_ptr<Game> game_;
};

// Reads a whole file ("" when missing).
std::string readFile(const std::filesystem::path& p);

}  // namespace myu::fuzz
