// Word records (60 bytes) and food records (56 bytes): reading, writing and reading again.
// The input is the record's bytes; a few bytes at its end give numbers to write.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>

#include "FuzzGame.h"
#include "feeding/FoodRecord.h"
#include "platform/RecordFile.h"
#include "platform/Sjis.h"
#include "platform/VbError.h"
#include "words/WordRecord.h"

using namespace myu;

namespace {

std::string_view upToNul(std::string_view b) {
  auto nul = b.find('\0');
  return nul == std::string_view::npos ? b : b.substr(0, nul);
}

void wordRecord(std::string_view raw) {
  const WordRecord r = WordRecord::unpack(raw);
  const std::string packed = r.pack();
  FUZZ_CHECK(packed.size() == WordRecord::kLength, "a packed word record has the wrong length");
  const WordRecord again = WordRecord::unpack(packed);
  // A field whose bytes are text keeps its text through a write.
  std::string padded(raw.substr(0, WordRecord::kLength));
  padded.resize(WordRecord::kLength, ' ');
  std::string_view all(padded);
  if (fromCp932(upToNul(all.substr(0, WordRecord::kMeanBytes))))
    FUZZ_CHECK(again.mean == r.mean, "a meaning changed through a write");
  if (fromCp932(upToNul(all.substr(WordRecord::kMeanBytes))))
    FUZZ_CHECK(again.word == r.word, "a word changed through a write");
  // Writing what was read is a fixed point after one round.
  FUZZ_CHECK(WordRecord::unpack(packed).pack() == packed, "a record read and written changes");
}

void foodRecord(std::string_view raw, std::int32_t remain, std::int32_t fullness) {
  FoodRecord r(raw);
  FUZZ_CHECK(r.bytes.size() == FoodRecord::kLength, "a food record has the wrong length");
  const std::string name = r.name();
  (void)r.paddedName();
  (void)FoodRecord::fieldText(r.remainBytes());
  const std::string oldRemain(r.remainBytes()), oldFullness(r.fullnessBytes());
  r.setRemain(remain);
  r.setFullness(fullness);
  FUZZ_CHECK(r.bytes.size() == FoodRecord::kLength, "a number changed the record's length");
  FUZZ_CHECK(std::string_view(r.bytes).substr(0, FoodRecord::kNameBytes) ==
                 std::string_view(FoodRecord(raw).bytes).substr(0, FoodRecord::kNameBytes),
             "a number changed the name");
  FUZZ_CHECK(toInteger16(trimField(r.remainBytes())) == std::clamp(remain, -99, 999),
             "the servings left read back wrong");
  FUZZ_CHECK(toInteger16(trimField(r.fullnessBytes())) == std::clamp(fullness, -99, 999),
             "the fullness read back wrong");
  // The numbers as stored: CInt agrees with Val to the half, or refuses the text.
  for (const std::string& field : {oldRemain, oldFullness}) {
    const std::string t = trimField(field);
    try {
      const std::int16_t n = toInteger16(t);
      if (t.find_first_of(" \t\r\n") == std::string::npos)
        FUZZ_CHECK(std::fabs(n - leadingNumber(t)) <= 0.5, "CInt and Val disagree");
    } catch (const VbError& e) {
      FUZZ_CHECK(e.number() == err::kTypeMismatch || e.number() == err::kOverflow,
                 "an unexpected error number");
    }
  }
  // A name that is text keeps its text through a write.
  if (fromCp932(
          upToNul(std::string_view(FoodRecord(raw).bytes).substr(0, FoodRecord::kNameBytes)))) {
    FoodRecord copy;
    copy.setName(name);
    FUZZ_CHECK(copy.name() == name, "a dish name changed through a write");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const auto remain = in.ConsumeIntegral<std::int32_t>();
  const auto fullness = in.ConsumeIntegral<std::int32_t>();
  const std::string raw = in.ConsumeRemainingBytesAsString();
  wordRecord(raw);
  foodRecord(raw, remain, fullness);
  // Text written into fields: cut on a whole character, padded, and read back as written.
  for (std::size_t width :
       {WordRecord::kMeanBytes, WordRecord::kWordBytes, FoodRecord::kNameBytes}) {
    const std::string field = packField(raw, width);
    FUZZ_CHECK(field.size() == width, "a packed field has the wrong width");
    if (toCp932(raw)) {
      std::string back;
      FUZZ_CHECK(unpackField(field, back), "a packed field does not read as text");
    }
  }
  return 0;
}
