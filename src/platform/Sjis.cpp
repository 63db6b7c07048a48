#include "platform/Sjis.h"

#include <cerrno>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace myu {
namespace {

#ifndef _WIN32
// One direction of conversion. Opening a descriptor loads the code tables and costs far more
// than converting a name or a record, so each thread opens each direction once and resets
// the descriptor's state before every use.
class Converter {
 public:
  Converter(const char* to, const char* from) : to_(to), from_(from) {}
  ~Converter() {
    if (isOpen()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // The conversion; empty optional on an invalid or unconvertible sequence.
  std::optional<std::string> operator()(std::string_view in) {
    if (!isOpen()) cd_ = iconv_open(to_, from_);  // tried again while it fails
    if (!isOpen()) return std::nullopt;
    // A previous conversion that stopped on a bad sequence may have left a shift state.
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    std::vector<char> buf(in.size() * 4 + 16);
    auto* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    while (inLeft > 0) {
      char* outPtr = buf.data();
      size_t outLeft = buf.size();
      size_t r = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
      out.append(buf.data(), buf.size() - outLeft);
      if (r == static_cast<size_t>(-1)) {
        if (errno == E2BIG) continue;
        return std::nullopt;
      }
      // glibc counts irreversible conversions; a character that was substituted is not ours.
      if (r > 0) return std::nullopt;
    }
    return out;
  }

 private:
  // iconv_open's failure value is (iconv_t)-1.
  static iconv_t failed() {
    return reinterpret_cast<iconv_t>(-1);  // NOLINT(performance-no-int-to-ptr)
  }
  bool isOpen() const { return cd_ != failed(); }

  const char* to_;
  const char* from_;
  iconv_t cd_ = failed();
};

std::optional<std::string> utf8ToCp932(std::string_view in) {
  thread_local Converter c("CP932", "UTF-8");
  return c(in);
}

std::optional<std::string> cp932ToUtf8(std::string_view in) {
  thread_local Converter c("UTF-8", "CP932");
  return c(in);
}
#else
// Windows reads the bytes 0x80, 0xA0, 0xFD, 0xFE and 0xFF of code page 932 as U+0080 and
// the private characters U+F8F0 to U+F8F3 and writes those back; the code page has no
// characters there, and they are refused as they are everywhere else.
bool hasCharacterOutsideCp932(const std::wstring& w) {
  for (wchar_t c : w)
    if (c == 0x80 || (c >= 0xF8F0 && c <= 0xF8F3)) return true;
  return false;
}

std::optional<std::string> convert(UINT to, UINT from, std::string_view in) {
  if (in.empty()) return std::string();
  int wlen = MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, in.data(), static_cast<int>(in.size()),
                                 nullptr, 0);
  if (wlen <= 0) return std::nullopt;
  std::wstring w(static_cast<size_t>(wlen), L'\0');
  MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, in.data(), static_cast<int>(in.size()), w.data(),
                      wlen);
  if (hasCharacterOutsideCp932(w)) return std::nullopt;
  // Into code page 932 without a look-alike for a character it lacks ("é" as "e"), and
  // failing where the default character would stand in.
  BOOL usedDefault = FALSE;
  const bool toUtf8 = to == CP_UTF8;
  const DWORD flags = toUtf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL* flag = toUtf8 ? nullptr : &usedDefault;
  int len = WideCharToMultiByte(to, flags, w.data(), wlen, nullptr, 0, nullptr, flag);
  if (len <= 0 || usedDefault) return std::nullopt;
  std::string out(static_cast<size_t>(len), '\0');
  WideCharToMultiByte(to, flags, w.data(), wlen, out.data(), len, nullptr, flag);
  return out;
}
#endif

bool isAscii(std::string_view s) {
  for (unsigned char c : s)
    if (c >= 0x80) return false;
  return true;
}

}  // namespace

bool isSjisLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

std::optional<std::string> toCp932(std::string_view utf8) {
  if (isAscii(utf8)) return std::string(utf8);
#ifdef _WIN32
  auto bytes = convert(932, CP_UTF8, utf8);
#else
  auto bytes = utf8ToCp932(utf8);
#endif
  // The converters take a few characters that come back as others ("〜" as "～", "¥" as "\",
  // "−" as "－", language tags as nothing): those have no code-page-932 form either.
  if (bytes && fromCp932(*bytes) != utf8) return std::nullopt;
  return bytes;
}

std::optional<std::string> fromCp932(std::string_view bytes) {
  if (isAscii(bytes)) return std::string(bytes);
#ifdef _WIN32
  return convert(CP_UTF8, 932, bytes);
#else
  return cp932ToUtf8(bytes);
#endif
}

std::string fromCp932Lossy(std::string_view bytes) {
  if (auto whole = fromCp932(bytes)) return *whole;
  std::string out;
  size_t i = 0;
  while (i < bytes.size()) {
    auto c = static_cast<unsigned char>(bytes[i]);
    size_t n = (isSjisLeadByte(c) && i + 1 < bytes.size()) ? 2 : 1;
    if (auto part = fromCp932(bytes.substr(i, n))) {
      out += *part;
    } else {
      out += "\xEF\xBF\xBD";  // U+FFFD
    }
    i += n;
  }
  return out;
}

bool fitsCp932(std::string_view utf8) {
  return toCp932(utf8).has_value();
}

int sjisLength(std::string_view utf8) {
  if (auto bytes = toCp932(utf8)) return static_cast<int>(bytes->size());
  // Count character by character so that one foreign character does not hide the rest.
  int total = 0;
  size_t i = 0;
  while (i < utf8.size()) {
    auto c = static_cast<unsigned char>(utf8[i]);
    size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    if (i + n > utf8.size()) n = utf8.size() - i;
    auto one = toCp932(utf8.substr(i, n));
    total += one ? static_cast<int>(one->size()) : 2;
    i += n;
  }
  return total;
}

std::string cutSjisBytes(std::string_view bytes, std::size_t maxBytes) {
  if (bytes.size() <= maxBytes) return std::string(bytes);
  size_t i = 0;
  while (i < maxBytes) {
    size_t n = isSjisLeadByte(static_cast<unsigned char>(bytes[i])) ? 2 : 1;
    if (i + n > maxBytes) break;
    i += n;
  }
  return std::string(bytes.substr(0, i));
}

}  // namespace myu
