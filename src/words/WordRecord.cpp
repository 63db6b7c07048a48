#include "words/WordRecord.h"

#include "platform/RecordFile.h"
#include "platform/Sjis.h"

namespace myu {
namespace {

std::string readField(std::string_view bytes) {
  auto nul = bytes.find('\0');
  if (nul != std::string_view::npos) bytes = bytes.substr(0, nul);
  std::string text = fromCp932Lossy(bytes);
  auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

}  // namespace

std::string WordRecord::pack() const {
  return packField(mean, kMeanBytes) + packField(word, kWordBytes);
}

WordRecord WordRecord::unpack(std::string_view bytes) {
  std::string padded(bytes.substr(0, kLength));
  padded.resize(kLength, ' ');
  std::string_view all(padded);
  WordRecord r;
  r.mean = readField(all.substr(0, kMeanBytes));
  r.word = readField(all.substr(kMeanBytes, kWordBytes));
  r.rawMean = fromCp932Lossy(all.substr(0, kMeanBytes));
  r.rawWord = fromCp932Lossy(all.substr(kMeanBytes, kWordBytes));
  return r;
}

}  // namespace myu
