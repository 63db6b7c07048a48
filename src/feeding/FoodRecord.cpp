#include "feeding/FoodRecord.h"

#include <algorithm>

#include "startup/RecordFile.h"
#include "startup/Sjis.h"
#include "startup/VbError.h"

namespace myu {
namespace {
std::string_view cutAtNulView(std::string_view s) {
  auto nul = s.find('\0');
  return nul == std::string_view::npos ? s : s.substr(0, nul);
}
}  // namespace

FoodRecord::FoodRecord(std::string_view raw) {
  bytes = std::string(raw.substr(0, kLength));
  bytes.resize(kLength, ' ');
}

std::string FoodRecord::name() const {
  return unpackFieldLossy(nameBytes());
}

std::string FoodRecord::paddedName() const {
  return fromCp932Lossy(cutAtNulView(nameBytes()));
}

std::string FoodRecord::fieldText(std::string_view b) {
  return fromCp932Lossy(cutAtNulView(b));
}

void FoodRecord::setName(std::string_view utf8) {
  bytes.replace(kNameOffset, kNameBytes, packField(utf8, kNameBytes));
}

void FoodRecord::setNumber(std::size_t offset, std::int32_t value) {
  value = std::clamp(value, -99, 999);
  std::string text = std::to_string(value);
  text.resize(3, ' ');
  bytes.replace(offset, 3, text);
}

std::string trimField(std::string_view b) {
  b = cutAtNulView(b);
  while (!b.empty() && b.front() == ' ') b.remove_prefix(1);
  while (!b.empty() && b.back() == ' ') b.remove_suffix(1);
  return std::string(b);
}

std::int32_t leadingNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  std::int64_t v = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    v = v * 10 + (text[i] - '0');
    if (v > 0x7FFFFFFF) v = 0x7FFFFFFF;
  }
  return static_cast<std::int32_t>(negative ? -v : v);
}

std::int16_t toInteger16(std::string_view text) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i == text.size()) raise(err::kTypeMismatch);
  std::int64_t v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') raise(err::kTypeMismatch);
    v = v * 10 + (text[i] - '0');
    if (v > 100000) raise(err::kOverflow);
  }
  if (negative) v = -v;
  if (v < -32768 || v > 32767) raise(err::kOverflow);
  return static_cast<std::int16_t>(v);
}

}  // namespace myu
