#include "FuzzGame.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "kernel/UserInput.h"

namespace myu::fuzz {

void fail(const char* file, int line, const std::string& what) {
  std::fprintf(stderr, "%s:%d: property failed: %s\n", file, line, what.c_str());
  std::abort();
}

std::vector<std::string> splitParts(std::string_view data, std::size_t count) {
  std::vector<std::string> parts;
  while (parts.size() + 1 < count) {
    auto at = data.find('\f');
    if (at == std::string_view::npos) break;
    parts.emplace_back(data.substr(0, at));
    data.remove_prefix(at + 1);
  }
  parts.emplace_back(data);
  parts.resize(count);
  return parts;
}

Steered splitSteering(std::string_view data) {
  auto at = data.rfind('\f');
  if (at == std::string_view::npos) return {std::string(data), ""};
  return {std::string(data.substr(0, at)), std::string(data.substr(at + 1))};
}

void InputRandom::reset(std::string pool) {
  pool_ = std::move(pool);
  next_ = 0;
  engine_.seed(1);
}

std::int32_t InputRandom::between(std::int32_t lo, std::int32_t hi) {
  if (lo > hi) std::swap(lo, hi);
  const std::int64_t span = std::int64_t{hi} - lo + 1;
  std::uint64_t r = 0;
  if (next_ + 2 <= pool_.size()) {
    r = static_cast<unsigned char>(pool_[next_]) |
        static_cast<std::uint64_t>(static_cast<unsigned char>(pool_[next_ + 1])) << 8;
    next_ += 2;
  } else {
    r = engine_();
  }
  return static_cast<std::int32_t>(lo +
                                   static_cast<std::int64_t>(r % static_cast<std::uint64_t>(span)));
}

namespace {
// The folder for this process's program folder: TMPDIR when it is set (scripts/fuzz gives each
// target one in memory), else the shared memory file system when there is one, so that a target
// run by hand works in memory too: every input writes and flushes its files, which costs
// twenty times the rest of the input on a disk.
std::filesystem::path tempFolder() {
  std::error_code ec;
  const char* tmpdir = std::getenv("TMPDIR");
  if ((tmpdir == nullptr || *tmpdir == '\0') && std::filesystem::is_directory("/dev/shm", ec) &&
      ::access("/dev/shm", W_OK | X_OK) == 0)
    return "/dev/shm";
  return std::filesystem::temp_directory_path();
}

std::filesystem::path processFolder() {
  return tempFolder() / ("myuruka-fuzz-" + std::to_string(static_cast<long>(getpid())));
}
}  // namespace

FuzzGame::FuzzGame() : folder_(processFolder()) {
  std::error_code ec;
  std::filesystem::remove_all(folder_, ec);
  std::filesystem::create_directories(folder_);
  dialogs.autoMode = true;
  clock.set(DateTime{2026, 3, 1, 20, 15, 0});
  windows.pump = [](Form& f) { userClose(f); };
  makeGame();
}

void FuzzGame::restart() {
  game_.reset();
  makeGame();
}

void FuzzGame::makeGame() {
  Services s = scripted.forFolder(folder_);
  s.random = &random;
  game_ = std::make_unique<Game>(folder_, s);
  game_->errorLogObserver = [this](const std::string& line) { errors.push_back(line); };
}

FuzzGame::~FuzzGame() {
  game_.reset();
  // MYURUKA_FUZZ_TRANSCRIPT=1 prints what the flow showed and did, to replay one input.
  if (std::getenv("MYURUKA_FUZZ_TRANSCRIPT") != nullptr) std::fputs(out.str().c_str(), stderr);
  std::error_code ec;
  std::filesystem::remove_all(folder_, ec);
}

void FuzzGame::put(const std::string& name, std::string_view data) {
  auto p = folder_ / u8path(name);
  std::filesystem::create_directories(p.parent_path());
  std::ofstream f(p, std::ios::binary | std::ios::trunc);
  f.write(data.data(), static_cast<std::streamsize>(data.size()));
}

std::string FuzzGame::bytes(const std::string& name) const {
  return readFile(folder_ / u8path(name));
}

bool FuzzGame::exists(const std::string& name) const {
  std::error_code ec;
  return std::filesystem::exists(folder_ / u8path(name), ec);
}

void FuzzGame::healthyPet() {
  GameState& s = st();
  s.userName = "花子";
  s.userType = "夜型";
  s.petName = "モフ";
  s.petType = "まじめ";
  s.petModel = "モフリーノ";
  s.maxHp = s.hp = 100;
  s.maxMp = s.mp = 100;
  s.happy = 50;
  s.manpuku = 50;
  s.startTime = game_->now().format();
  s.lastTime = s.startTime;
}

void FuzzGame::reap() {
  if (game_->eventDepth == 0) game_->reapClosedForms();
}

std::string readFile(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

}  // namespace myu::fuzz
