// The save files: user.ini (profile, status, clock, counters, window), title.ini (titles),
// dead.ini (the dead pets), the integrity stamps, and the reading of a friend's pet file.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "kernel/Game.h"

namespace myu {

bool GetUserProfile(Game& g);
bool WriteProfile(Game& g);
bool GetState(Game& g);
bool WriteState(Game& g);
bool GetCount(Game& g, std::int16_t& menuType);
bool WriteCount(Game& g, std::int16_t& menuType);
// The full save: WriteState, WriteProfile, WriteCount, WriteRoyalTitle, WriteProtect. Each file
// is replaced once, as a whole; a failure part-way leaves both files as they were.
bool fSave_UserData(Game& g, std::int16_t& menuType);

// Integrity stamps.
std::int32_t statusStampValue(const GameState& s);
std::int32_t titleStampValue(const GameState& s);
std::string stampText(std::int32_t value);
bool WriteProtect(Game& g);
bool ChackProfile(Game& g);

// Titles and dead pets.
bool GetRoyalTitle(Game& g);
bool WriteRoyalTitle(Game& g);

struct DeadPetRecord {
  std::string userName, userType, petNAME, petDAY, petFDAY, petLANG, petTYPE, petVER, petMODEL,
      deadTYPE;
};
bool WriteDeadPet(Game& g);
std::int32_t GetDeadPet(Game& g, std::int32_t n, DeadPetRecord& record);

// A friend's pet file.
struct FriendUser {
  std::string Name, Mail, Sex, Age, Type;
};
struct FriendPet {
  std::string PetName, TYPE;
  std::int32_t POWER = 0, DEFENSE = 0, SPEED = 0, LUCK = 0, MAXHP = 0, HP = 0, MAXMP = 0, MP = 0,
               CONDITION = 0, BRAIN = 0;
  std::string MODEL;
  float VER = 0;
};
struct FriendTime {
  std::string LASTTIME, START;
};
bool GetFriendProfile(Game& g, const std::string& path, FriendUser& user);
bool GetFriendPetProfile(Game& g, const std::string& path, FriendPet& pet);
bool GetFriendTime(Game& g, const std::string& path, FriendTime& time);

// Behaviour option (0..5) for a stored menuType code, -1 for none.
int optionForMenuType(std::int32_t code);

}  // namespace myu
