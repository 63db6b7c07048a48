#include "app/scenario/procedures/Procedures.h"
#include "persistence/mdliniFile.h"

namespace myu {
namespace {
// menuType as the pet window holds it; scripts without a pet window pass it as an argument.
std::int16_t menuTypeArg(const ProcArgs& a) {
  return a.empty() ? std::int16_t{0} : static_cast<std::int16_t>(argInt(a, 0));
}
}  // namespace

void registerPersistenceProcedures(ProcedureRegistry& r) {
  auto plain = [&r](const char* name, bool (*fn)(Game&)) {
    r.add(name,
          [fn](Game& g, const ProcArgs&) -> std::optional<std::string> { return boolText(fn(g)); });
  };
  plain("GetUserProfile", GetUserProfile);
  plain("WriteProfile", WriteProfile);
  plain("GetState", GetState);
  plain("WriteState", WriteState);
  plain("WriteProtect", WriteProtect);
  plain("ChackProfile", ChackProfile);
  plain("GetRoyalTitle", GetRoyalTitle);
  plain("WriteRoyalTitle", WriteRoyalTitle);
  plain("WriteDeadPet", WriteDeadPet);
  auto withMenuType = [&r](const char* name, bool (*fn)(Game&, std::int16_t&)) {
    r.add(name, [fn](Game& g, const ProcArgs& a) -> std::optional<std::string> {
      std::int16_t menuType = menuTypeArg(a);
      bool ok = fn(g, menuType);
      return boolText(ok) + " menuType=" + std::to_string(menuType);
    });
  };
  withMenuType("GetCount", GetCount);
  withMenuType("WriteCount", WriteCount);
  withMenuType("fSave_UserData", fSave_UserData);
  r.add("GetDeadPet", [](Game& g, const ProcArgs& a) -> std::optional<std::string> {
    DeadPetRecord d;
    auto rc = GetDeadPet(g, argInt(a, 0), d);
    return std::to_string(rc) + " " + d.userName + "|" + d.userType + "|" + d.petNAME + "|" +
           d.petDAY + "|" + d.petFDAY + "|" + d.petLANG + "|" + d.petTYPE + "|" + d.petVER + "|" +
           d.petMODEL + "|" + d.deadTYPE;
  });
  r.add("GetFriendProfile", [](Game& g, const ProcArgs& a) -> std::optional<std::string> {
    FriendUser u;
    bool ok = GetFriendProfile(g, pathToUtf8(g.file(argText(a, 0))), u);
    return boolText(ok) + " " + u.Name + "|" + u.Mail + "|" + u.Sex + "|" + u.Age + "|" + u.Type;
  });
  r.add("GetFriendPetProfile", [](Game& g, const ProcArgs& a) -> std::optional<std::string> {
    FriendPet p;
    bool ok = GetFriendPetProfile(g, pathToUtf8(g.file(argText(a, 0))), p);
    return boolText(ok) + " " + p.PetName + "|" + p.TYPE + "|" + std::to_string(p.POWER) + "|" +
           std::to_string(p.DEFENSE) + "|" + std::to_string(p.SPEED) + "|" +
           std::to_string(p.LUCK) + "|" + std::to_string(p.MAXHP) + "|" + std::to_string(p.HP) +
           "|" + std::to_string(p.MAXMP) + "|" + std::to_string(p.MP) + "|" +
           std::to_string(p.CONDITION) + "|" + std::to_string(p.BRAIN) + "|" + p.MODEL + "|" +
           formatSingle(p.VER);
  });
  r.add("GetFriendTime", [](Game& g, const ProcArgs& a) -> std::optional<std::string> {
    FriendTime t;
    bool ok = GetFriendTime(g, pathToUtf8(g.file(argText(a, 0))), t);
    return boolText(ok) + " " + t.START + "|" + t.LASTTIME;
  });
}

}  // namespace myu
