// One record of a language file: the meaning (20 bytes) and the word (40 bytes), code page
// 932, each left-aligned and padded with blanks.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace myu {

struct WordRecord {
  static constexpr std::size_t kLength = 60, kMeanBytes = 20, kWordBytes = 40;

  std::string mean;  // UTF-8, cut at the first NUL and trimmed of blanks
  std::string word;  // UTF-8, cut at the first NUL and trimmed of blanks
  // The whole fields as stored (blanks and NULs kept), for substring tests.
  std::string rawMean, rawWord;

  // The 60 bytes of the record; each field is cut to its width on a whole character.
  std::string pack() const;
  // Reads a record; bytes that are not code page 932 show as replacement characters.
  static WordRecord unpack(std::string_view bytes);
};

}  // namespace myu
