// Reading a friend's pet file. Nothing is ever written to it.
#include "kernel/mdlMain.h"
#include "persistence/mdliniFile.h"

namespace myu {

bool GetFriendProfile(Game& g, const std::string& path, FriendUser& u) {
  return guarded(g, "mdliniFile/GetFriendProfile ", false, [&] {
    IniStore::Batch batch(g.ini);
    const auto f = u8path(path);
    GetStringA(g, "PROFILE", "Name", "Error", u.Name, f);
    GetStringA(g, "PROFILE", "Mail", "Error", u.Mail, f);
    GetStringA(g, "PROFILE", "Sex", "Error", u.Sex, f);
    GetStringA(g, "PROFILE", "Age", "Error", u.Age, f);
    GetStringA(g, "PROFILE", "Type", "Error", u.Type, f);
    return true;
  });
}

bool GetFriendPetProfile(Game& g, const std::string& path, FriendPet& p) {
  return guarded(g, "mdliniFile/GetFriendPetProfile ", false, [&] {
    IniStore::Batch batch(g.ini);
    const auto f = u8path(path);
    auto num = [&](const char* key, std::int32_t def) {
      return g.ini.getInt(f, "PETPROFILE", key, def);
    };
    GetStringA(g, "PETPROFILE", "PetName", "Error", p.PetName, f);
    p.POWER = num("POWER", 0);
    p.DEFENSE = num("DEFENSE", 0);
    p.SPEED = num("SPEED", 0);
    p.LUCK = num("LUCK", 0);
    p.MAXHP = num("MAXHP", 30);
    p.MAXMP = num("MAXMP", 30);
    p.HP = num("HP", 30);
    p.MP = num("MP", 30);
    p.CONDITION = num("CONDITION", 0);
    p.BRAIN = num("BRAIN", 0);
    p.VER = static_cast<float>(num("VER", 1));
    GetStringA(g, "PETPROFILE", "TYPE", "なし", p.TYPE, f);
    GetStringA(g, "PETPROFILE", "MODEL", "ポンコツ", p.MODEL, f);
    return true;
  });
}

bool GetFriendTime(Game& g, const std::string& path, FriendTime& t) {
  return guarded(g, "mdliniFile/GetFriendTime ", false, [&] {
    IniStore::Batch batch(g.ini);
    const auto f = u8path(path);
    const std::string now = g.now().format();
    GetStringA(g, "TIME", "START", now, t.START, f);
    GetStringA(g, "TIME", "LASTTIME", now, t.LASTTIME, f);
    return true;
  });
}

}  // namespace myu
