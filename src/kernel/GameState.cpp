#include "kernel/GameState.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>
#include <map>
#include <variant>

namespace myu {

const std::array<const char*, kPersonalityCount> kTypeKey = {
    "OTAKU", "SUKEBE", "UTAGURIA", "YANTYA", "WILD", "MAJIME", "AMAENBOU", "NAMAKEMONO"};
const std::array<const char*, kPersonalityCount> kTypeLabel = {
    "オタク",   "スケベ", "ウタガイ屋", "やんちゃ",
    "わいるど", "まじめ", "あまえん坊", "なまけものぉ"};
const std::array<TitleKey, kTitleCount> kTitleKeys = {{
    {"TYPE", "OTAKU"},       {"TYPE", "UTAGAI"},      {"TYPE", "SUKEBE"},
    {"TYPE", "MAJIME"},      {"TYPE", "NAMAKE"},      {"TYPE", "AMAENBO"},
    {"TYPE", "YANTYA"},      {"STATUS", "WILDFUNKY"}, {"STATUS", "NAGAIKI"},
    {"SERVE", "TOBUKUSURI"}, {"SERVE", "LUCKYBEENS"}, {"SERVE", "ALCOHOL"},
    {"SERVE", "JUNKY"},      {"SERVE", "SOUP"},       {"SERVE", "AOKINOKO"},
    {"SERVE", "noJUNKY"},    {"SERVE", "MONOSHIRI"},  {"SERVE", "WINS"},
    {"SERVE", "MUTYA"},      {"SERVE", "KANASIMI"},   {"SERVE", "IDOMU"},
    {"SYORI", "TIMETR"},     {"SYORI", "IKASAMA"},    {"SYORI", "IJIME"},
    {"SYORI", "TESTPLAY"},   {"SYORI", "NODATA"},
}};

std::string CONDITIONsNOTATION(std::int32_t condition) {
  static const std::array<const char*, 21> kTexts{"↓10 死神と雑談中",
                                                  "↓9 三途の川で遊泳中",
                                                  "↓8 幽体離脱中",
                                                  "↓7 瀕死",
                                                  "↓6 動けない",
                                                  "↓5 熱あるな…",
                                                  "↓4 こりゃ風邪かな",
                                                  "↓3 体調悪い",
                                                  "↓2 だるい",
                                                  "↓1 すこし疲れ気味",
                                                  "→ ふつう",
                                                  "1↑ちょっといい",
                                                  "2↑ 心なしか快調",
                                                  "3↑ 気分爽快",
                                                  "4↑ 愉快痛快",
                                                  "5↑ どこにだって行ける",
                                                  "6↑ なんにだってなれる",
                                                  "7↑ 10歳若返った気分",
                                                  "8↑ かなりハイな気分",
                                                  "9↑ 元気汁あふれまくり",
                                                  "10↑ 青春を満喫中"};
  if (condition < -10 || condition > 10) return "?? もはやエラー";
  const int row = condition + 10;
  return kTexts[static_cast<std::size_t>(row)];
}

std::int16_t& GameState::personality(int i) {
  std::int16_t* const fields[] = {&otaku, &sukebe, &utaguria, &yantya,
                                  &wild,  &majime, &amaenbou, &namakemono};
  return *fields[i];
}

std::int16_t GameState::personality(int i) const {
  return const_cast<GameState*>(this)->personality(i);
}

void ClampStatus(GameState& s) {
  for (int i = 0; i < kPersonalityCount; ++i)
    if (s.personality(i) > 100) s.personality(i) = 100;
  for (int i = 0; i < kPersonalityCount; ++i)
    if (s.personality(i) < 0) s.personality(i) = 0;
  for (std::int32_t* v : {&s.power, &s.speed, &s.defense, &s.luck, &s.happy, &s.manpuku})
    if (*v > 100) *v = 100;
  if (s.brain > 500) s.brain = 500;
  if (s.maxHp > 1000) s.maxHp = 1000;
  if (s.maxMp > 1000) s.maxMp = 1000;
  if (s.hp > s.maxHp) s.hp = s.maxHp;
  if (s.mp > s.maxMp) s.mp = s.maxMp;
  for (std::int32_t* v : {&s.power, &s.speed, &s.defense, &s.luck, &s.happy, &s.manpuku, &s.brain})
    if (*v < 0) *v = 0;
  if (s.maxHp < 0) s.maxHp = 30;
  if (s.maxMp < 0) s.maxMp = 30;
  if (s.hp < 0) s.hp = 0;
  if (s.mp < 0) s.mp = 0;
}

std::string formatSingle(float value) {
  // The shortest text that reads back as the same single, as the platform prints it: plain
  // decimals ("1440", "1.51", "-0.5") for everyday magnitudes, an exponent only for the
  // extreme ones.
  if (value == 0) return "0";
  float magnitude = value < 0 ? -value : value;
  auto format = (magnitude >= 1e-5f && magnitude < 1e15f) ? std::chars_format::fixed
                                                          : std::chars_format::general;
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, format);
  if (ec != std::errc()) return "0";
  return std::string(buf, end);
}

namespace {

// A 16-bit Boolean of the running program: True is -1, False 0. The program only ever asks
// whether it is zero, so any other number it might hold (1, say) reads as True too.
struct Flag {
  std::int16_t GameState::*member;
};

using Field = std::variant<std::string GameState::*, std::int32_t GameState::*,
                           std::int16_t GameState::*, float GameState::*, Flag>;

const std::vector<std::pair<std::string, Field>>& fieldTable() {
  static const std::vector<std::pair<std::string, Field>> kTable = {
      {"userName", &GameState::userName},
      {"userMail", &GameState::userMail},
      {"userSex", &GameState::userSex},
      {"userAge", &GameState::userAge},
      {"userType", &GameState::userType},
      {"petName", &GameState::petName},
      {"petType", &GameState::petType},
      {"petModel", &GameState::petModel},
      {"petVer", &GameState::petVer},
      {"deadType", &GameState::deadType},
      {"power", &GameState::power},
      {"defense", &GameState::defense},
      {"speed", &GameState::speed},
      {"luck", &GameState::luck},
      {"maxHp", &GameState::maxHp},
      {"hp", &GameState::hp},
      {"maxMp", &GameState::maxMp},
      {"mp", &GameState::mp},
      {"brain", &GameState::brain},
      {"happy", &GameState::happy},
      {"manpuku", &GameState::manpuku},
      {"condition", &GameState::condition},
      {"alcohol", &GameState::alcohol},
      {"junk", &GameState::junk},
      {"otaku", &GameState::otaku},
      {"sukebe", &GameState::sukebe},
      {"utaguria", &GameState::utaguria},
      {"yantya", &GameState::yantya},
      {"wild", &GameState::wild},
      {"majime", &GameState::majime},
      {"amaenbou", &GameState::amaenbou},
      {"namakemono", &GameState::namakemono},
      {"startTime", &GameState::startTime},
      {"lastTime", &GameState::lastTime},
      {"timeSec", &GameState::timeSec},
      {"timeMin", &GameState::timeMin},
      {"timeHour", &GameState::timeHour},
      {"eventCount", &GameState::eventCount},
      {"countTYPEo", &GameState::countTYPEo},
      {"countTYPEs", &GameState::countTYPEs},
      {"countTYPEu", &GameState::countTYPEu},
      {"countTYPEy", &GameState::countTYPEy},
      {"countTYPEw", &GameState::countTYPEw},
      {"countTYPEm", &GameState::countTYPEm},
      {"countTYPEa", &GameState::countTYPEa},
      {"countTYPEn", &GameState::countTYPEn},
      {"junkCount", &GameState::junkCount},
      {"kindanCount", &GameState::kindanCount},
      {"battleCount", &GameState::battleCount},
      {"battleWinCount", &GameState::battleWinCount},
      {"petMessage", &GameState::petMessage},
      {"answer1", &GameState::answer1},
      {"answer2", &GameState::answer2},
      {"mischiefResult", &GameState::mischiefResult},
      {"petImage", &GameState::petImage},
      {"eventBusy", Flag{&GameState::eventBusy}},
      {"waraiDake", Flag{&GameState::waraiDake}},
      {"kindanState", Flag{&GameState::kindanState}},
  };
  return kTable;
}

const Field* lookup(const std::string& name) {
  for (const auto& [n, f] : fieldTable())
    if (n == name) return &f;
  return nullptr;
}

bool parseInteger(const std::string& text, std::int64_t& out) {
  const char* b = text.data();
  const char* e = b + text.size();
  auto [p, ec] = std::from_chars(b, e, out);
  return ec == std::errc() && p == e;
}

// "titleFlags(9)" -> 9; -1 when the name is not a title entry.
int titleIndex(const std::string& name) {
  const std::string prefix = "titleFlags(";
  if (name.rfind(prefix, 0) != 0 || name.back() != ')') return -1;
  std::int64_t i = -1;
  if (!parseInteger(name.substr(prefix.size(), name.size() - prefix.size() - 1), i)) return -1;
  return (i >= 0 && i < kTitleCount) ? static_cast<int>(i) : -1;
}

}  // namespace

std::optional<std::string> getField(const GameState& s, const std::string& name) {
  if (int i = titleIndex(name); i >= 0) return std::to_string(s.titleFlags[static_cast<size_t>(i)]);
  const Field* f = lookup(name);
  if (f == nullptr) return std::nullopt;
  return std::visit(
      [&s](auto member) -> std::string {
        if constexpr (std::is_same_v<decltype(member), Flag>) {
          return s.*member.member != 0 ? "True" : "False";
        } else {
          const auto& v = s.*member;
          using T = std::decay_t<decltype(v)>;
          if constexpr (std::is_same_v<T, std::string>) {
            return v;
          } else if constexpr (std::is_same_v<T, float>) {
            return formatSingle(v);
          } else {
            return std::to_string(v);
          }
        }
      },
      *f);
}

namespace {

template <typename T>
bool setInteger(T& v, const std::string& value) {
  std::int64_t parsed = 0;
  if (!parseInteger(value, parsed) || parsed < std::numeric_limits<T>::min() ||
      parsed > std::numeric_limits<T>::max())
    return false;
  v = static_cast<T>(parsed);
  return true;
}

}  // namespace

bool setField(GameState& s, const std::string& name, const std::string& value) {
  if (int i = titleIndex(name); i >= 0)
    return setInteger(s.titleFlags[static_cast<size_t>(i)], value);
  const Field* f = lookup(name);
  if (f == nullptr) return false;
  return std::visit(
      [&s, &value](auto member) -> bool {
        if constexpr (std::is_same_v<decltype(member), Flag>) {
          auto& v = s.*member.member;
          if (value == "True") {
            v = -1;
            return true;
          }
          if (value == "False") {
            v = 0;
            return true;
          }
          return setInteger(v, value);  // -1, 0 or any number the field can hold
        } else {
          auto& v = s.*member;
          using T = std::decay_t<decltype(v)>;
          if constexpr (std::is_same_v<T, std::string>) {
            v = value;
            return true;
          } else if constexpr (std::is_same_v<T, float>) {
            char* end = nullptr;
            float parsed = std::strtof(value.c_str(), &end);
            if (end == value.c_str() || *end != '\0') return false;
            v = parsed;
            return true;
          } else {
            return setInteger(v, value);
          }
        }
      },
      *f);
}

std::vector<std::string> fieldNames() {
  std::vector<std::string> names;
  for (const auto& [n, f] : fieldTable()) names.push_back(n);
  return names;
}

}  // namespace myu
