#include "platform/CommandLine.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <cstdio>
#endif

namespace myu {

#ifdef _WIN32

namespace {
std::string utf8FromWide(const wchar_t* w) {
  const int wlen = static_cast<int>(wcslen(w));
  if (wlen == 0) return {};
  const int len = WideCharToMultiByte(CP_UTF8, 0, w, wlen, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(len > 0 ? len : 0), '\0');
  if (len > 0) WideCharToMultiByte(CP_UTF8, 0, w, wlen, out.data(), len, nullptr, nullptr);
  return out;
}
}  // namespace

std::vector<std::string> commandLineArguments(int argc, char** argv) {
  int wargc = 0;
  LPWSTR* wargv = CommandLineToArgvW(GetCommandLineW(), &wargc);
  if (wargv == nullptr || wargc != argc) {
    if (wargv != nullptr) LocalFree(wargv);
    return std::vector<std::string>(argv, argv + argc);
  }
  std::vector<std::string> args;
  for (int i = 0; i < wargc; ++i) args.push_back(utf8FromWide(wargv[i]));
  LocalFree(wargv);
  return args;
}

void useBinaryStandardStreams() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  SetConsoleOutputCP(CP_UTF8);
}

#else

std::vector<std::string> commandLineArguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

void useBinaryStandardStreams() {}

#endif

}  // namespace myu
