// A game object with scripted services in a fresh temporary program folder.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "kernel/Game.h"
#include "platform/Sjis.h"
#include "testsupport/Scripted.h"

namespace myu::test {

namespace detail {
// The transcript, made before the services that write into it.
struct Transcript {
  std::ostringstream transcript_;
};
}  // namespace detail

// The scripted services are the game's own members: dialogs, clock, random, shell, session,
// windows.
class TestGame : private detail::Transcript, public ScriptedServices {
 public:
  TestGame();
  ~TestGame();

  Game& game() { return *game_; }
  GameState& st() { return game_->st; }
  std::string transcript() const { return transcript_.str(); }
  void clearTranscript() { transcript_.str(""); }

  // Writes a file of the program folder: text converted to code page 932.
  void put(const std::string& name, const std::string& utf8Text);
  void putBytes(const std::string& name, const std::string& bytes);
  // The bytes of a file of the program folder ("" when missing).
  std::string bytes(const std::string& name) const;
  // The file decoded from code page 932.
  std::string text(const std::string& name) const;
  bool exists(const std::string& name) const;

  // A young, healthy pet "モフ" of the owner: HP and MP 100 of 100, happiness 50, born now.
  void healthyPet(const std::string& owner, std::int32_t manpuku);

  // Every line written to the error log.
  std::vector<std::string> errors;

  std::filesystem::path folder;

 private:
  std::unique_ptr<Game> game_;
};

}  // namespace myu::test
