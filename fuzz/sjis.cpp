// Shift-JIS (code page 932) conversion. Bytes that read as text are written back as the same
// bytes, except where code page 932 has two codes for one character (the NEC-selected IBM
// extensions, rows 0xED and 0xEE, and a few codes of rows 0x87 and 0xFA): there the writer
// picks the one preferred code, and that code reads back as the same character.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzGame.h"
#include "platform/Sjis.h"

using namespace myu;

namespace {

// The characters of valid code-page-932 bytes, each as its bytes.
std::vector<std::string_view> characters(std::string_view b) {
  std::vector<std::string_view> out;
  size_t i = 0;
  while (i < b.size()) {
    size_t n = isSjisLeadByte(static_cast<unsigned char>(b[i])) && i + 1 < b.size() ? 2 : 1;
    out.push_back(b.substr(i, n));
    i += n;
  }
  return out;
}

bool hasSecondCode(std::string_view c) {
  if (c.size() != 2) return false;
  auto lead = static_cast<unsigned char>(c[0]);
  return lead == 0x87 || lead == 0xED || lead == 0xEE || lead == 0xFA;
}

bool validUtf8(std::string_view s) {
  size_t i = 0;
  while (i < s.size()) {
    auto c = static_cast<unsigned char>(s[i]);
    size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
    i += n;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view b(reinterpret_cast<const char*>(data), size);

  // Code page 932 -> UTF-8 -> code page 932.
  const auto u = fromCp932(b);
  const std::string lossy = fromCp932Lossy(b);
  FUZZ_CHECK(validUtf8(lossy), "the lossy reader gave broken UTF-8");
  if (u) {
    FUZZ_CHECK(lossy == *u, "the lossy reader differs on valid bytes");
    const auto t = toCp932(*u);
    FUZZ_CHECK(t.has_value(), "text read from code page 932 cannot be written back");
    FUZZ_CHECK(fromCp932(*t) == u, "written bytes read back as other text");
    FUZZ_CHECK(toCp932(*fromCp932(*t)) == t, "the preferred codes are not stable");
    FUZZ_CHECK(sjisLength(*u) == static_cast<int>(t->size()), "the length in bytes differs");
    const auto before = characters(b), after = characters(*t);
    FUZZ_CHECK(before.size() == after.size(), "a character was split or joined");
    for (size_t i = 0; i < before.size(); ++i)
      FUZZ_CHECK(before[i] == after[i] || hasSecondCode(before[i]),
                 "a character with one code came back as other bytes");
  }

  // UTF-8 -> code page 932 -> UTF-8: a text that can be written reads back as itself.
  if (const auto t = toCp932(b)) {
    FUZZ_CHECK(validUtf8(b), "broken UTF-8 was written");
    FUZZ_CHECK(fromCp932(*t) == std::optional<std::string>(b), "a written text reads back changed");
    FUZZ_CHECK(fitsCp932(b), "fitsCp932 disagrees with the writer");
  }

  // Cutting never splits a character, and a cut of valid bytes stays valid.
  for (std::size_t n :
       {std::size_t{0}, std::size_t{1}, std::size_t{19}, std::size_t{20}, size / 2, size}) {
    const std::string cut = cutSjisBytes(b, n);
    FUZZ_CHECK(cut.size() <= n || (n >= size && cut == b), "a cut is too long");
    FUZZ_CHECK(b.substr(0, cut.size()) == cut, "a cut is not a prefix");
    FUZZ_CHECK(cut.size() + 1 >= std::min(n, size), "a cut dropped more than one byte");
    if (u) FUZZ_CHECK(fromCp932(cut).has_value(), "a cut of valid bytes is not valid");
  }
  return 0;
}
