#include "support/TestGame.h"

#include <random>

namespace myu::test {

TestGame::TestGame() : ScriptedServices(transcript_) {
  std::random_device rd;
  folder = std::filesystem::temp_directory_path() /
           ("myuruka-test-" + std::to_string(rd()) + std::to_string(rd()));
  std::filesystem::create_directories(folder);
  game_ = std::make_unique<Game>(folder, forFolder(folder));
  game_->errorLogObserver = [this](const std::string& line) { errors.push_back(line); };
}

void TestGame::healthyPet(const std::string& owner, std::int32_t manpuku) {
  GameState& s = st();
  s.petName = "モフ";
  s.userName = owner;
  s.maxHp = s.hp = 100;
  s.maxMp = s.mp = 100;
  s.happy = 50;
  s.manpuku = manpuku;
  s.startTime = game_->now().format();
}

TestGame::~TestGame() {
  game_.reset();
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
}

void TestGame::put(const std::string& name, const std::string& utf8Text) {
  auto b = toCp932(utf8Text);
  putBytes(name, b ? *b : utf8Text);
}

void TestGame::putBytes(const std::string& name, const std::string& data) {
  auto p = folder / u8path(name);
  std::filesystem::create_directories(p.parent_path());
  std::ofstream f(p, std::ios::binary | std::ios::trunc);
  f.write(data.data(), static_cast<std::streamsize>(data.size()));
}

std::string TestGame::bytes(const std::string& name) const {
  std::ifstream f(folder / u8path(name), std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

std::string TestGame::text(const std::string& name) const {
  return fromCp932Lossy(bytes(name));
}

bool TestGame::exists(const std::string& name) const {
  return std::filesystem::exists(folder / u8path(name));
}

}  // namespace myu::test
