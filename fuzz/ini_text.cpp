// INI text: the document reader and writer, and the profile functions over a file.
// The input is the file; after its last form feed (0x0C) come the choice of a section and a
// key and the value to write.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>

#include "FuzzGame.h"
#include "platform/IniFile.h"
#include "platform/Sjis.h"

using namespace myu;

namespace {

// Names the game reads, and a few that differ only in letter case.
constexpr std::array<std::pair<const char*, const char*>, 12> kNames = {{
    {"PROFILE", "Name"},
    {"PETPROFILE", "PetName"},
    {"PETPROFILE", "HP"},
    {"petprofile", "maxhp"},
    {"TIME", "LASTTIME"},
    {"POSITION", "Mode"},
    {"COUNT", "JUNK"},
    {"ONTYPE", "TYPE"},
    {"SERVE", "WINS"},
    {"1PROFILE", "userName"},
    {"", ""},
    {"ＴＹＰＥ", "名前"},
}};

// A section or key name that reads back as itself from a written file.
bool plainName(std::string_view n) {
  if (n.empty() || n.front() == ' ' || n.front() == '\t' || n.back() == ' ' || n.back() == '\t')
    return false;
  if (n.front() == ';' || n.front() == '[') return false;
  return n.find_first_of("[]=\r\n") == std::string_view::npos;
}

std::string trimmed(std::string v) {
  for (char& c : v)
    if (c == '\r' || c == '\n') c = ' ';
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!v.empty() && blank(v.front())) v.erase(v.begin());
  while (!v.empty() && blank(v.back())) v.pop_back();
  return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto input = fuzz::splitSteering({reinterpret_cast<const char*>(data), size});
  FuzzedDataProvider in(reinterpret_cast<const std::uint8_t*>(input.steering.data()),
                        input.steering.size());
  const auto which = in.ConsumeIntegralInRange<std::size_t>(0, kNames.size() - 1);
  const bool ownName = in.ConsumeBool();
  const std::string value = in.ConsumeRandomLengthString(40);
  const std::string& text = input.file;

  // The writer keeps every line it does not touch: a second pass changes nothing.
  IniDocument doc = IniDocument::parse(text);
  const std::string once = doc.serialize();
  const std::string twice = IniDocument::parse(once).serialize();
  FUZZ_CHECK(once == twice, "a written document reads back differently");

  // A key set reads back as set, in memory and from the written text.
  std::string section = kNames[which].first, key = kNames[which].second;
  if (ownName) {
    // Names from the file itself: its first key line, when there is one.
    auto eq = text.find('=');
    auto open = text.find('[');
    auto close = text.find(']');
    if (eq != std::string::npos && open != std::string::npos && close != std::string::npos &&
        open < close && close < eq) {
      section = text.substr(open + 1, close - open - 1);
      auto lineStart = text.find_last_of('\n', eq);
      key = text.substr(lineStart == std::string::npos ? 0 : lineStart + 1,
                        eq - (lineStart == std::string::npos ? 0 : lineStart + 1));
    }
  }
  doc.set(section, key, value);
  const std::string expected = trimmed(value);
  if (plainName(section) && plainName(key)) {
    const std::string* got = doc.find(section, key);
    FUZZ_CHECK(got != nullptr && *got == expected, "a key set is not found as set");
    IniDocument again = IniDocument::parse(doc.serialize());
    got = again.find(section, key);
    FUZZ_CHECK(got != nullptr && *got == expected, "a key set is not read back from the file");
  }

  // The profile functions over the same bytes on disk.
  fuzz::FuzzGame t;
  t.put("user.ini", text);
  const auto file = t.folder() / "user.ini";
  IniStore& ini = t.game().ini;
  const IniDocument onDisk = IniDocument::parse(text);
  for (const auto& [sec, k] : kNames) {
    const std::string* raw = onDisk.find(sec, k);
    const std::string s = ini.getString(file, sec, k, "既定", 255);
    const std::int32_t n = ini.getInt(file, sec, k, -7);
    if (raw == nullptr) {
      FUZZ_CHECK(s == "既定" && n == -7, "a missing key does not give its default");
    } else {
      FUZZ_CHECK(s == fromCp932Lossy(cutSjisBytes(*raw, 254)), "a string read differs");
      FUZZ_CHECK(n == IniStore::parseInt(*raw), "an integer read differs");
    }
  }
  // A write through the store replaces the file whole and keeps the other lines.
  const std::string before = t.bytes("user.ini");
  ini.write(file, "PETPROFILE", "HP", "123");
  FUZZ_CHECK(ini.getInt(file, "PETPROFILE", "HP", 0) == 123, "a written integer reads back wrong");
  IniDocument expectedDoc = IniDocument::parse(before);
  expectedDoc.set("PETPROFILE", "HP", "123");
  FUZZ_CHECK(t.bytes("user.ini") == expectedDoc.serialize(), "a write changed other lines");
  FUZZ_CHECK(!t.exists("user.ini.tmp"), "a temporary file was left behind");
  {
    IniStore::Batch batch(ini);
    ini.write(file, "COUNT", "EVENT", "1");
    ini.write(t.folder() / "title.ini", "SERVE", "WINS", "2");
    batch.commit();
  }
  FUZZ_CHECK(ini.getInt(file, "COUNT", "EVENT", 0) == 1 &&
                 ini.getInt(t.folder() / "title.ini", "SERVE", "WINS", 0) == 2,
             "a batch lost a write");
  return 0;
}
