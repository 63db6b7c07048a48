#include "feeding/FoodRecord.h"

#include <algorithm>

#include "platform/RecordFile.h"
#include "platform/Sjis.h"
#include "platform/VbError.h"

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
  return fromCp932Lossy(nameBytes());
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

double leadingNumber(std::string_view text) {
  size_t i = 0;
  // The next character that is not a blank (Val skips blanks wherever they are), -1 at the end.
  auto next = [&]() -> int {
    while (i < text.size() &&
           (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r'))
      ++i;
    return i < text.size() ? text[i] : -1;
  };
  bool negative = false;
  int c = next();
  if (c == '-' || c == '+') {
    negative = c == '-';
    ++i;
  }
  double whole = 0, fraction = 0, divisor = 0;  // divisor: 0 before the point
  for (c = next(); c != -1; ++i, c = next()) {
    if (c == '.' && divisor == 0) {
      divisor = 1;
    } else if (c >= '0' && c <= '9') {
      if (divisor == 0) {
        whole = whole * 10 + (c - '0');
      } else {
        fraction = fraction * 10 + (c - '0');
        divisor *= 10;
      }
    } else {
      break;
    }
  }
  const double v = divisor == 0 ? whole : whole + fraction / divisor;
  return negative ? -v : v;
}

std::int16_t toInteger16(std::string_view text) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  std::int64_t whole = 0;
  std::string fraction;
  bool digits = false, point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.' && !point) {
      point = true;
      continue;
    }
    if (c < '0' || c > '9') raise(err::kTypeMismatch);
    digits = true;
    if (point) {
      fraction += c;
    } else {
      whole = whole * 10 + (c - '0');
      if (whole > 100000) raise(err::kOverflow);
    }
  }
  if (!digits) raise(err::kTypeMismatch);
  // Round the fraction: above a half up, below down, exactly a half to the even number.
  const auto firstNonZero =
      fraction.size() > 1 ? fraction.find_first_not_of('0', 1) : std::string::npos;
  if (!fraction.empty() &&
      (fraction[0] > '5' ||
       (fraction[0] == '5' && (firstNonZero != std::string::npos || whole % 2 == 1))))
    ++whole;
  if (negative) whole = -whole;
  if (whole < -32768 || whole > 32767) raise(err::kOverflow);
  return static_cast<std::int16_t>(whole);
}

}  // namespace myu
