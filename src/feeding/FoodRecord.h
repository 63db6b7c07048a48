// One dish of a food file ("*.krp"): a 56-byte record of three code-page-932 text fields,
// left-aligned and padded with blanks. The offsets are the file format and never change.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace myu {

struct FoodRecord {
  static constexpr std::size_t kLength = 56;
  static constexpr std::size_t kNameOffset = 0, kNameBytes = 50;
  static constexpr std::size_t kRemainOffset = 50, kRemainBytes = 3;
  static constexpr std::size_t kFullnessOffset = 53, kFullnessBytes = 3;

  // The record's bytes as stored; always kLength bytes.
  std::string bytes = std::string(kLength, ' ');

  FoodRecord() = default;
  // Takes the bytes of a record; a short one is filled with blanks.
  explicit FoodRecord(std::string_view raw);

  std::string_view nameBytes() const { return field(kNameOffset, kNameBytes); }
  std::string_view remainBytes() const { return field(kRemainOffset, kRemainBytes); }
  std::string_view fullnessBytes() const { return field(kFullnessOffset, kFullnessBytes); }

  // The name for showing: cut at the first NUL, trailing blanks dropped, bytes that are not
  // code page 932 shown as replacement characters.
  std::string name() const;
  // The whole 50-byte name field as text, padding and anything after a NUL included: the
  // bird and special-dish checks look at all of it.
  std::string paddedName() const;
  // A 3-byte field as stored, for messages (cut at a NUL).
  static std::string fieldText(std::string_view bytes);

  // Name from UTF-8: converted, cut to 50 bytes on a whole character, padded with blanks.
  void setName(std::string_view utf8);
  // Numbers as decimal text, left-aligned in their three bytes; values that need more than
  // three characters are held at 999 (or -99) instead of being cut to other digits.
  void setRemain(std::int32_t value) { setNumber(kRemainOffset, value); }
  void setFullness(std::int32_t value) { setNumber(kFullnessOffset, value); }

 private:
  std::string_view field(std::size_t offset, std::size_t n) const {
    return std::string_view(bytes).substr(offset, n);
  }
  void setNumber(std::size_t offset, std::int32_t value);
};

// The field cut at its first NUL byte and trimmed of blanks at both ends.
std::string trimField(std::string_view bytes);
// The leading number of a text, as the platform's Val reads it: blanks skipped (also between
// digits), an optional sign, digits with an optional decimal fraction; no number counts 0.
double leadingNumber(std::string_view text);
// A number text converted to a 16-bit integer as the platform's CInt does: a decimal fraction
// is rounded to the nearest whole number, halves to the even one (2.5 gives 2). Raises error 13
// when the text is not a number (empty, letters, garbage) and error 6 when it does not fit.
std::int16_t toInteger16(std::string_view text);

}  // namespace myu
