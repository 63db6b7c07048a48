// title.ini (the royal titles) and dead.ini (the record of dead pets).
#include <optional>

#include "kernel/mdlMain.h"
#include "persistence/mdliniFile.h"

namespace myu {

bool GetRoyalTitle(Game& g) {
  return guarded(g, "mdliniFile/GetRoyalTitle ", false, [&] {
    IniStore::Batch batch(g.ini);
    for (size_t i = 0; i < kTitleKeys.size(); ++i) {
      // A flag is a small count: read into a range in which the title stamp cannot overflow.
      constexpr std::int32_t kFlagLimit = 1'000'000;
      std::int32_t v = g.ini.getInt(g.titleIni(), kTitleKeys[i].section, kTitleKeys[i].key, 0);
      g.st.titleFlags[i] = v > kFlagLimit ? kFlagLimit : v < -kFlagLimit ? -kFlagLimit : v;
    }
    return true;
  });
}

bool WriteRoyalTitle(Game& g) {
  return guarded(g, "mdliniFile/WriteRoyalTitle ", false, [&] {
    IniStore::Batch batch(g.ini);
    for (size_t i = 0; i < kTitleKeys.size(); ++i)
      g.ini.write(g.titleIni(), kTitleKeys[i].section, kTitleKeys[i].key,
                  std::to_string(g.st.titleFlags[i]));
    batch.commit();
    return true;
  });
}

namespace {
std::string sectionOf(std::int32_t n) {
  return std::to_string(n) + "PROFILE";
}
}  // namespace

bool WriteDeadPet(Game& g) {
  return guarded(g, "mdliniFile/WriteDeadPet ", false, [&] {
    IniStore::Batch batch(g.ini);
    const auto f = g.deadIni();
    std::int32_t n = 1;
    for (;; ++n) {
      std::string name;
      GetStringA(g, sectionOf(n), "userName", "Error", name, f);
      if (name == "Error") break;
    }
    std::int32_t words = OPENDAT1(g);
    const DateTime now = g.now();
    auto& s = g.st;
    std::string days = "生存日数不明";
    if (auto born = DateTime::parse(s.startTime))
      days = std::to_string(daysBetween(*born, now)) + "日";
    const std::string sec = sectionOf(n);
    g.ini.write(f, sec, "userName", s.userName);
    g.ini.write(f, sec, "userType", s.userType);
    g.ini.write(f, sec, "petNAME", s.petName);
    g.ini.write(f, sec, "petDAY", days);
    g.ini.write(f, sec, "petTYPE", s.petType);
    g.ini.write(f, sec, "petVER", formatSingle(s.petVer));
    g.ini.write(f, sec, "petLANG", std::to_string(words) + "コ");
    g.ini.write(f, sec, "petFDAY", now.format());
    g.ini.write(f, sec, "deadTYPE", s.deadType);
    g.ini.write(f, sec, "petMODEL", s.petModel);
    batch.commit();
    return true;
  });
}

std::int32_t GetDeadPet(Game& g, std::int32_t n, DeadPetRecord& r) {
  return guarded(g, "mdliniFile/GetDeadPet ", std::int32_t{0}, [&] {
    IniStore::Batch batch(g.ini);
    const auto f = g.deadIni();
    const std::string sec = sectionOf(n);
    GetStringA(g, sec, "userName", "Error", r.userName, f);
    GetStringA(g, sec, "userType", "ｼｰｸﾚｯﾄ", r.userType, f);
    GetStringA(g, sec, "petNAME", "Error", r.petNAME, f);
    GetStringA(g, sec, "petDAY", "生存日数不明", r.petDAY, f);
    GetStringA(g, sec, "petTYPE", "つかみどころなし", r.petTYPE, f);
    GetStringA(g, sec, "petVER", "不明", r.petVER, f);
    GetStringA(g, sec, "petLANG", "不明", r.petLANG, f);
    GetStringA(g, sec, "petFDAY", "享年不明", r.petFDAY, f);
    GetStringA(g, sec, "deadTYPE", "原因不明", r.deadTYPE, f);
    GetStringA(g, sec, "petMODEL", "ポンコツ", r.petMODEL, f);
    return std::int32_t{1};
  });
}

}  // namespace myu
