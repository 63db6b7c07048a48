// Prints what the code-page-932 conversions answer for every one- and two-byte code and every
// code point below U+30000, one line each, so that the conversions of two systems (iconv on
// Linux, the system's own on Windows) can be compared: myuruka_cp932_table > FILE.
#include <cstdio>
#include <optional>
#include <string>

#include "platform/CommandLine.h"
#include "platform/Sjis.h"

namespace {

void printHex(const std::optional<std::string>& s) {
  if (!s) {
    std::puts("none");
    return;
  }
  for (unsigned char c : *s) std::printf("%02X", static_cast<unsigned>(c));
  std::putchar('\n');
}

std::string utf8(char32_t cp) {
  std::string o;
  auto put = [&o](char32_t v) { o += static_cast<char>(v); };
  if (cp < 0x80) {
    put(cp);
  } else if (cp < 0x800) {
    put(0xC0 | (cp >> 6));
    put(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    put(0xE0 | (cp >> 12));
    put(0x80 | ((cp >> 6) & 0x3F));
    put(0x80 | (cp & 0x3F));
  } else {
    put(0xF0 | (cp >> 18));
    put(0x80 | ((cp >> 12) & 0x3F));
    put(0x80 | ((cp >> 6) & 0x3F));
    put(0x80 | (cp & 0x3F));
  }
  return o;
}

}  // namespace

int main() {
  myu::useBinaryStandardStreams();
  for (unsigned a = 0; a < 256; ++a) {
    std::printf("%02X -> ", a);
    printHex(myu::fromCp932(std::string(1, static_cast<char>(a))));
  }
  for (unsigned a = 0x80; a < 256; ++a) {
    for (unsigned b = 0; b < 256; ++b) {
      const std::string bytes{static_cast<char>(a), static_cast<char>(b)};
      std::printf("%02X%02X -> ", a, b);
      printHex(myu::fromCp932(bytes));
      std::printf("lossy a%02X%02Xb -> ", a, b);
      printHex(myu::fromCp932Lossy("a" + bytes + "b"));
    }
  }
  for (char32_t cp = 0x80; cp < 0x30000; ++cp) {
    if (cp >= 0xD800 && cp < 0xE000) continue;
    std::printf("U+%04X -> ", static_cast<unsigned>(cp));
    printHex(myu::toCp932(utf8(cp)));
    std::printf("length aU+%04X = %d\n", static_cast<unsigned>(cp),
                myu::sjisLength("a" + utf8(cp)));
  }
  // Bytes that are not UTF-8: an overlong form, a surrogate, cut short, beyond U+10FFFF.
  for (const char* bad : {"\xC0\x80", "\xED\xA0\x80", "\xE3\x81", "\xFF", "\xF4\x90\x80\x80"}) {
    std::printf("bad %zu bytes -> ", std::string(bad).size());
    printHex(myu::toCp932(bad));
  }
  return 0;
}
