#include "persistence/mdliniFile.h"

#include <algorithm>

#include "kernel/mdlMain.h"
#include "platform/Checked.h"
#include "platform/Sjis.h"

namespace myu {
namespace {

std::string text(Game& g, const std::filesystem::path& file, const char* section, const char* key,
                 const std::string& def) {
  std::string value;
  GetStringA(g, section, key, def, value, file);
  return value;
}

std::int32_t num(Game& g, const std::filesystem::path& file, const char* section, const char* key,
                 std::int32_t def) {
  return g.ini.getInt(file, section, key, def);
}

// A value read into a range that no later step can overflow: a file edited by hand (or
// damaged) still opens, ticks and saves; its stamp then tells that it was edited.
template <typename T = std::int32_t>
T numWithin(Game& g, const std::filesystem::path& file, const char* section, const char* key,
            std::int32_t def, std::int32_t limit) {
  std::int32_t v = num(g, file, section, key, def);
  if (v > limit) v = limit;
  if (v < -limit) v = -limit;
  return static_cast<T>(v);
}

// Counters grow by one now and then; levels and codes by small steps.
constexpr std::int32_t kCounterLimit = 100'000'000;
constexpr std::int32_t kLevelLimit = 1'000'000;
constexpr std::int32_t kShortLimit = 32'767;

void put(Game& g, const std::filesystem::path& file, const char* section, const char* key,
         const std::string& value) {
  g.ini.write(file, section, key, value);
}

void put(Game& g, const std::filesystem::path& file, const char* section, const char* key,
         std::int64_t value) {
  g.ini.write(file, section, key, std::to_string(value));
}

}  // namespace

int optionForMenuType(std::int32_t code) {
  switch (code) {
    case 8:
      return 0;
    case 6:
      return 1;
    case 7:
      return 2;
    case 5:
      return 3;
    case 4:
      return 4;
    case 1:
      return 5;
    default:
      return -1;
  }
}

bool GetUserProfile(Game& g) {
  return guarded(g, "mdliniFile/GetUserProfile ", false, [&] {
    IniStore::Batch batch(g.ini);
    const auto f = g.userIni();
    auto& s = g.st;
    s.userName = text(g, f, "PROFILE", "Name", "Error");
    s.userMail = text(g, f, "PROFILE", "Mail", "Error");
    s.userSex = text(g, f, "PROFILE", "Sex", "Error");
    s.userAge = text(g, f, "PROFILE", "Age", "Error");
    s.userType = text(g, f, "PROFILE", "Type", "Error");
    if (s.userSex == "Error" || s.userName == "Error" || s.userAge == "Error" ||
        s.userType == "Error")
      return false;
    s.petName = text(g, f, "PETPROFILE", "PetName", "Error");
    const auto nameBytes = g.ini.getBytes(f, "PETPROFILE", "PetName");
    s.petNameUnreadable = nameBytes && !fromCp932(*nameBytes);
    for (int i = 0; i < kPersonalityCount; ++i)
      s.personality(i) = numWithin<std::int16_t>(g, f, "PETPROFILE", kTypeKey[i], 0, kShortLimit);
    // The personality type: the label of the one largest counter, "なし" when it is shared.
    std::int16_t top = s.personality(0);
    for (int i = 1; i < kPersonalityCount; ++i) top = std::max(top, s.personality(i));
    int holders = 0;
    int which = 0;
    for (int i = 0; i < kPersonalityCount; ++i) {
      if (s.personality(i) == top) {
        ++holders;
        which = i;
      }
    }
    s.petType = holders == 1 ? kTypeLabel[which] : "なし";
    s.power = num(g, f, "PETPROFILE", "POWER", 0);
    s.defense = num(g, f, "PETPROFILE", "DEFENSE", 0);
    s.speed = num(g, f, "PETPROFILE", "SPEED", 0);
    s.luck = num(g, f, "PETPROFILE", "LUCK", 0);
    s.maxHp = num(g, f, "PETPROFILE", "MAXHP", 30);
    s.maxMp = num(g, f, "PETPROFILE", "MAXMP", 30);
    s.hp = num(g, f, "PETPROFILE", "HP", 30);
    s.mp = num(g, f, "PETPROFILE", "MP", 30);
    s.condition = numWithin(g, f, "PETPROFILE", "CONDITION", 0, kLevelLimit);
    s.brain = num(g, f, "PETPROFILE", "BRAIN", 0);
    s.happy = num(g, f, "PETPROFILE", "HAPPY", 0);
    s.manpuku = num(g, f, "PETPROFILE", "MANPUKU", 0);
    s.alcohol = numWithin(g, f, "PETPROFILE", "ALCOHOL", 0, kLevelLimit);
    s.junk = numWithin(g, f, "PETPROFILE", "JUNK", 0, kLevelLimit);
    return true;
  });
}

bool WriteProfile(Game& g) {
  return guarded(g, "mdliniFile/WriteProfile ", false, [&] {
    IniStore::Batch batch(g.ini);
    const auto f = g.userIni();
    auto& s = g.st;
    put(g, f, "PROFILE", "Name", s.userName);
    put(g, f, "PROFILE", "Mail", s.userMail);
    put(g, f, "PROFILE", "Sex", s.userSex);
    put(g, f, "PROFILE", "Age", s.userAge);
    put(g, f, "PROFILE", "Type", s.userType);
    ClampStatus(s);
    for (int i = 0; i < kPersonalityCount; ++i)
      put(g, f, "PETPROFILE", kTypeKey[i], s.personality(i));
    put(g, f, "PETPROFILE", "TYPE", s.petType);
    put(g, f, "PETPROFILE", "PetName", s.petName);
    put(g, f, "PETPROFILE", "POWER", s.power);
    put(g, f, "PETPROFILE", "DEFENSE", s.defense);
    put(g, f, "PETPROFILE", "SPEED", s.speed);
    put(g, f, "PETPROFILE", "LUCK", s.luck);
    put(g, f, "PETPROFILE", "MAXHP", s.maxHp);
    put(g, f, "PETPROFILE", "MAXMP", s.maxMp);
    put(g, f, "PETPROFILE", "HP", s.hp);
    put(g, f, "PETPROFILE", "MP", s.mp);
    put(g, f, "PETPROFILE", "CONDITION", s.condition);
    put(g, f, "PETPROFILE", "BRAIN", s.brain);
    put(g, f, "PETPROFILE", "VER", formatSingle(s.petVer));
    put(g, f, "PETPROFILE", "MANPUKU", s.manpuku);
    put(g, f, "PETPROFILE", "HAPPY", s.happy);
    put(g, f, "PETPROFILE", "ALCOHOL", s.alcohol);
    put(g, f, "PETPROFILE", "JUNK", s.junk);
    put(g, f, "PETPROFILE", "MODEL", s.petModel);
    batch.commit();
    return true;
  });
}

bool GetState(Game& g) {
  return guarded(g, "mdliniFile/GetState ", false, [&] {
    IniStore::Batch batch(g.ini);
    const auto f = g.userIni();
    auto& s = g.st;
    const std::string now = g.now().format();
    s.startTime = text(g, f, "TIME", "START", now);
    s.lastTime = text(g, f, "TIME", "LASTTIME", now);
    s.timeSec = num(g, f, "TIME", "SEC", 0);
    s.timeMin = num(g, f, "TIME", "MIN", 0);
    s.timeHour = num(g, f, "TIME", "HOUR", 0);
    auto& w = g.petWindow();
    w.setWindowMode(numWithin<std::int16_t>(g, f, "POSITION", "Mode", 2, kShortLimit));
    std::int32_t top = num(g, f, "POSITION", "Top", 50);
    std::int32_t left = num(g, f, "POSITION", "Left", 50);
    w.setPosition(left, top);
    w.setNormalState();
    return true;
  });
}

bool WriteState(Game& g) {
  return guarded(g, "mdliniFile/WriteState ", false, [&] {
    IniStore::Batch batch(g.ini);
    const auto f = g.userIni();
    auto& w = g.petWindow();
    if (w.isNormalState()) {
      put(g, f, "POSITION", "Left", formatSingle(static_cast<float>(w.left())));
      put(g, f, "POSITION", "Top", formatSingle(static_cast<float>(w.top())));
    }
    // Mode holds the layout on screen (0 full panel, 2 picture with speech, 1 clock only).
    // The loader hands it to PrpWindowMode, whose next Window_Mode applies exactly that
    // layout, so the next start opens as the owner left it. (The clock layout needs the clock
    // view, which is not saved: it comes back as the full panel.)
    put(g, f, "POSITION", "Mode", w.shownLayout());
    auto& s = g.st;
    put(g, f, "TIME", "LASTTIME", g.now().format());
    put(g, f, "TIME", "SEC", s.timeSec);
    put(g, f, "TIME", "MIN", s.timeMin);
    put(g, f, "TIME", "HOUR", s.timeHour);
    batch.commit();
    return true;
  });
}

bool GetCount(Game& g, std::int16_t& menuType) {
  return guarded(g, "mdliniFile/GetCount ", false, [&] {
    IniStore::Batch batch(g.ini);
    const auto f = g.userIni();
    auto& s = g.st;
    s.eventCount = numWithin(g, f, "COUNT", "EVENT", 0, kCounterLimit);
    s.countTYPEo = numWithin(g, f, "COUNT", "TYPEo", 0, kCounterLimit);
    s.countTYPEs = numWithin(g, f, "COUNT", "TYPEs", 0, kCounterLimit);
    s.countTYPEu = numWithin(g, f, "COUNT", "TYPEu", 0, kCounterLimit);
    s.countTYPEy = numWithin(g, f, "COUNT", "TYPEy", 0, kCounterLimit);
    s.countTYPEw = numWithin(g, f, "COUNT", "TYPEw", 0, kCounterLimit);
    s.countTYPEm = numWithin(g, f, "COUNT", "TYPEm", 0, kCounterLimit);
    s.countTYPEa = numWithin(g, f, "COUNT", "TYPEa", 0, kCounterLimit);
    s.countTYPEn = numWithin(g, f, "COUNT", "TYPEn", 0, kCounterLimit);
    s.junkCount = numWithin(g, f, "COUNT", "JUNK", 0, kCounterLimit);
    s.kindanCount = numWithin(g, f, "COUNT", "KINDAN", 0, kCounterLimit);
    s.battleCount = numWithin(g, f, "COUNT", "BATTLE", 0, kCounterLimit);
    s.battleWinCount = numWithin(g, f, "COUNT", "BATTLEWIN", 0, kCounterLimit);
    menuType = numWithin<std::int16_t>(g, f, "ONTYPE", "TYPE", 4, kShortLimit);
    int option = optionForMenuType(menuType);
    if (option >= 0) g.petWindow().selectBehaviourOption(option);
    return true;
  });
}

bool WriteCount(Game& g, std::int16_t& menuType) {
  return guarded(g, "mdliniFile/WriteCount ", false, [&] {
    IniStore::Batch batch(g.ini);
    const auto f = g.userIni();
    auto& s = g.st;
    put(g, f, "COUNT", "EVENT", s.eventCount);
    put(g, f, "COUNT", "TYPEo", s.countTYPEo);
    put(g, f, "COUNT", "TYPEs", s.countTYPEs);
    put(g, f, "COUNT", "TYPEu", s.countTYPEu);
    put(g, f, "COUNT", "TYPEy", s.countTYPEy);
    put(g, f, "COUNT", "TYPEw", s.countTYPEw);
    put(g, f, "COUNT", "TYPEm", s.countTYPEm);
    put(g, f, "COUNT", "TYPEa", s.countTYPEa);
    put(g, f, "COUNT", "TYPEn", s.countTYPEn);
    put(g, f, "COUNT", "JUNK", s.junkCount);
    put(g, f, "COUNT", "KINDAN", s.kindanCount);
    put(g, f, "COUNT", "BATTLE", s.battleCount);
    put(g, f, "COUNT", "BATTLEWIN", s.battleWinCount);
    if (menuType != 0) put(g, f, "ONTYPE", "TYPE", menuType);
    batch.commit();
    return true;
  });
}

bool fSave_UserData(Game& g, std::int16_t& menuType) {
  // One batch: user.ini and title.ini are each replaced once, at the end, and only when every
  // step succeeded; the failing step has reported its error.
  return guarded(g, "mdliniFile/fSave_UserData ", false, [&] {
    IniStore::Batch batch(g.ini);
    if (!WriteState(g) || !WriteProfile(g) || !WriteCount(g, menuType) || !WriteRoyalTitle(g) ||
        !WriteProtect(g))
      return false;
    batch.commit();
    return true;
  });
}

}  // namespace myu
