// The cost of one full save and of one start-up load, on a pet some weeks old.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "kernel/Game.h"
#include "persistence/mdliniFile.h"
#include "testsupport/Scripted.h"

namespace {

// A game with scripted services in a temporary program folder.
class BenchGame {
 public:
  BenchGame() {
    std::random_device rd;
    folder_ = std::filesystem::temp_directory_path() /
              ("myuruka-bench-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(folder_);
    shell_ = std::make_unique<myu::ScriptedShell>(out_, (folder_ / "Desktop").string());
    myu::Services s{&dialogs_, &clock_, &random_, shell_.get(), &session_, &windows_};
    game_ = std::make_unique<myu::Game>(folder_, s);
    dialogs_.autoMode = true;
    fill(game_->st);
    game_->petWindow().setPosition(8640, 5760);
  }
  ~BenchGame() {
    game_.reset();
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }
  myu::Game& game() { return *game_; }
  const std::filesystem::path& folder() const { return folder_; }

 private:
  static void fill(myu::GameState& s) {
    s.userName = "太郎";
    s.userMail = "taro@example.jp";
    s.userSex = "♂";
    s.userAge = "21";
    s.userType = "のんびり屋";
    s.petName = "ぴよ";
    s.petType = "オタク";
    s.petModel = "モフリーノ";
    s.petVer = 1.51f;
    for (int i = 0; i < myu::kPersonalityCount; ++i)
      s.personality(i) = static_cast<std::int16_t>(10 + i * 7);
    s.power = 45, s.defense = 38, s.speed = 52, s.luck = 61;
    s.maxHp = 320, s.hp = 295, s.maxMp = 180, s.mp = 144;
    s.brain = 210, s.happy = 70, s.manpuku = 55, s.condition = 2, s.alcohol = 3, s.junk = 2;
    s.startTime = "2026/01/01 09:00:00";
    s.timeSec = 40, s.timeMin = 12, s.timeHour = 130;
    s.eventCount = 123456;
    s.countTYPEo = 311, s.countTYPEm = 120, s.battleCount = 14, s.battleWinCount = 9;
    for (int i = 0; i < myu::kTitleCount; ++i) s.titleFlags[static_cast<size_t>(i)] = i % 4;
  }

  std::ostringstream out_;
  myu::ScriptedDialogs dialogs_{out_};
  myu::ScriptedClock clock_;
  myu::ScriptedRandom random_{out_};
  std::unique_ptr<myu::ScriptedShell> shell_;
  myu::ScriptedSession session_{out_};
  myu::ScriptedWindowHost windows_{out_};
  std::filesystem::path folder_;
  std::unique_ptr<myu::Game> game_;
};

void BM_FullSave(benchmark::State& state) {
  BenchGame b;
  std::int16_t menuType = 6;
  for (auto _ : state) {
    bool ok = myu::fSave_UserData(b.game(), menuType);
    if (!ok) state.SkipWithError("the save failed");
    benchmark::DoNotOptimize(ok);
  }
}
BENCHMARK(BM_FullSave)->Unit(benchmark::kMicrosecond);

void BM_StartupLoad(benchmark::State& state) {
  BenchGame b;
  std::int16_t menuType = 6;
  if (!myu::fSave_UserData(b.game(), menuType)) state.SkipWithError("the save failed");
  auto& g = b.game();
  for (auto _ : state) {
    std::int16_t loaded = 0;
    bool ok = myu::GetUserProfile(g) && myu::GetState(g) && myu::GetCount(g, loaded) &&
              myu::GetRoyalTitle(g) && myu::ChackProfile(g);
    if (!ok) state.SkipWithError("the load failed");
    benchmark::DoNotOptimize(ok);
  }
}
BENCHMARK(BM_StartupLoad)->Unit(benchmark::kMicrosecond);

// One more dead pet in a hall of fame of N: the record number is found in one pass.
void BM_WriteDeadPet(benchmark::State& state) {
  BenchGame b;
  std::string dead;
  for (int n = 1; n <= state.range(0); ++n)
    dead.append("[")
        .append(std::to_string(n))
        .append("PROFILE]\r\nuserName=a\r\npetNAME=b\r\npetDAY=1\r\ndeadTYPE=c\r\npetMODEL=d\r\n");
  const auto file = b.folder() / "dead.ini";
  for (auto _ : state) {
    state.PauseTiming();
    {
      std::ofstream out(file, std::ios::binary | std::ios::trunc);
      out << dead;
    }
    state.ResumeTiming();
    bool ok = myu::WriteDeadPet(b.game());
    if (!ok) state.SkipWithError("the record was not written");
    benchmark::DoNotOptimize(ok);
  }
}
BENCHMARK(BM_WriteDeadPet)->Arg(1000)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond);

}  // namespace
