// The integrity stamps of user.ini and title.ini.
#include <cstdio>

#include "kernel/mdlMain.h"
#include "persistence/mdliniFile.h"
#include "platform/Checked.h"

namespace myu {
namespace {
constexpr const char* kAnyStamp = "8261";  // accepted in place of either stamp

std::int32_t stampOf(std::int32_t sum, std::int32_t factor) {
  std::int32_t v =
      chk::sub<std::int32_t>(chk::mul<std::int32_t>(chk::add<std::int32_t>(sum, 1), factor), 1000);
  return v < 0 ? chk::mul<std::int32_t>(v, -1) : v;
}
}  // namespace

std::int32_t statusStampValue(const GameState& s) {
  std::int32_t sum = 0;
  for (std::int32_t v : {s.mp, s.hp, s.maxHp, s.maxHp, s.brain, s.power, s.defense, s.speed, s.luck,
                         s.happy, s.manpuku})
    chk::addTo(sum, v);
  return stampOf(sum, 7);
}

std::int32_t titleStampValue(const GameState& s) {
  std::int32_t sum = 0;
  for (std::int32_t v : s.titleFlags) chk::addTo(sum, v);
  return stampOf(sum, 13);
}

std::string stampText(std::int32_t value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%X", static_cast<unsigned>(value));
  return buf;
}

bool WriteProtect(Game& g) {
  return guarded(g, "mdliniFile/WriteProtect ", false, [&] {
    IniStore::Batch batch(g.ini);
    g.ini.write(g.userIni(), "PASSWORD", "PASSCODE2", stampText(statusStampValue(g.st)));
    g.ini.write(g.titleIni(), "PASSWORD", "PASSCODE2", stampText(titleStampValue(g.st)));
    batch.commit();
    return true;
  });
}

namespace {
// A stamp of values that no save of ours can hold (its sum overflows) matches nothing.
template <typename F>
std::string stampOrNone(F value, const GameState& s) {
  try {
    return stampText(value(s));
  } catch (const VbError& e) {
    if (e.number() != err::kOverflow) throw;
  }
  return {};
}
}  // namespace

bool ChackProfile(Game& g) {
  return guarded(g, "mdliniFile/ChackProfile ", false, [&] {
    std::string stored;
    GetStringA(g, "PASSWORD", "PASSCODE2", kAnyStamp, stored, g.userIni());
    const std::string status = stampOrNone(statusStampValue, g.st);
    if ((status.empty() || stored != status) && stored != kAnyStamp) return false;
    GetStringA(g, "PASSWORD", "PASSCODE2", kAnyStamp, stored, g.titleIni());
    const std::string titles = stampOrNone(titleStampValue, g.st);
    return (!titles.empty() && stored == titles) || stored == kAnyStamp;
  });
}

}  // namespace myu
