// The one record of the pet's whole life: owner and pet profile, status values, personality
// counters, clocks, counters, titles and the transient fields of a running program.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace myu {

inline constexpr int kTitleCount = 26;
inline constexpr int kPersonalityCount = 8;

struct GameState {
  // Owner profile.
  std::string userName, userMail, userSex, userAge, userType;
  // Pet profile.
  std::string petName, petType, petModel;
  // The save's PetName held bytes that are not code page 932 (read with the profile): the
  // name would not come back byte for byte, and its words would be cut off from it.
  bool petNameUnreadable = false;
  float petVer = 0;
  std::string deadType;
  // Status values.
  std::int32_t power = 0, defense = 0, speed = 0, luck = 0;
  std::int32_t maxHp = 0, hp = 0, maxMp = 0, mp = 0;
  std::int32_t brain = 0, happy = 0, manpuku = 0, condition = 0, alcohol = 0, junk = 0;
  // Personality counters, in their fixed order.
  std::int16_t otaku = 0, sukebe = 0, utaguria = 0, yantya = 0, wild = 0, majime = 0, amaenbou = 0,
               namakemono = 0;
  // Clock.
  std::string startTime, lastTime;
  std::int32_t timeSec = 0, timeMin = 0, timeHour = 0;
  // Counters.
  std::int32_t eventCount = 0;
  std::int32_t countTYPEo = 0, countTYPEs = 0, countTYPEu = 0, countTYPEy = 0, countTYPEw = 0,
               countTYPEm = 0, countTYPEa = 0, countTYPEn = 0;
  std::int32_t junkCount = 0, kindanCount = 0, battleCount = 0, battleWinCount = 0;
  // Titles.
  std::array<std::int32_t, kTitleCount> titleFlags{};
  // Transient fields.
  std::string petMessage;
  std::int16_t answer1 = 0, answer2 = 0, mischiefResult = 0, petImage = 0, eventBusy = 0,
               waraiDake = 0, kindanState = 0;

  // Personality counter i (0..7) in the fixed order.
  std::int16_t& personality(int i);
  std::int16_t personality(int i) const;
};

// Keys and labels of the personality counters, in their fixed order.
extern const std::array<const char*, kPersonalityCount> kTypeKey;
extern const std::array<const char*, kPersonalityCount> kTypeLabel;

// The section and key of each title flag in title.ini, in the flags' order.
struct TitleKey {
  const char* section;
  const char* key;
};
extern const std::array<TitleKey, kTitleCount> kTitleKeys;

// The condition (−10 … 10) as the status, pet and friends windows show it.
std::string CONDITIONsNOTATION(std::int32_t condition);

// Brings status values and personality counters back into their ranges.
void ClampStatus(GameState& s);

// Access to fields by name ("hp", "petName", "titleFlags(9)") for scripts and tests.
// get: the value as text (numbers in decimal; the Booleans eventBusy, waraiDake and
// kindanState as True or False), empty optional for an unknown name.
std::optional<std::string> getField(const GameState& s, const std::string& name);
// set: false for an unknown name or a value that does not fit the field. The Booleans take
// True (-1) and False (0) as well as numbers.
bool setField(GameState& s, const std::string& name, const std::string& value);
// Every field name, in the record's order.
std::vector<std::string> fieldNames();

// A single as the platform writes it: the shortest decimal text ("1.51", "30").
std::string formatSingle(float value);

}  // namespace myu
