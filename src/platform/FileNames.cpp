#include "platform/FileNames.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include "platform/Sjis.h"

namespace myu {

bool isSafeFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (unsigned char c : name) {
    if (c < 0x20 || c == 0x7F) return false;
    if (std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos)
      return false;
  }
  if (name.find("..") != std::string_view::npos) return false;
  char last = name.back();
  if (last == '.' || last == ' ') return false;
  // U+3000 (ideographic space) at the end is trimmed away by some file dialogs: refuse it too.
  if (name.size() >= 3 && name.substr(name.size() - 3) == "\xE3\x80\x80") return false;
  std::string stem(name.substr(0, name.find('.')));
  std::transform(stem.begin(), stem.end(), stem.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  static const std::array<const char*, 22> kReserved = {
      "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
      "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};
  for (const char* r : kReserved)
    if (stem == r) return false;
  return true;
}

bool isUsableDataName(std::string_view name) {
  const std::string file = std::string(name) + ".dat";
  return !name.empty() && isSafeFileName(file) && fitsCp932(name) && file.size() <= 255 &&
         sjisLength(file) <= 255;
}

}  // namespace myu
