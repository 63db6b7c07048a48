#include "platform/FileSystem.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace myu {

#ifdef _WIN32

std::optional<std::int64_t> modificationStamp(const std::filesystem::path& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) == 0) return std::nullopt;
  const std::uint64_t high = data.ftLastWriteTime.dwHighDateTime;
  return static_cast<std::int64_t>((high << 32) | data.ftLastWriteTime.dwLowDateTime);
}

bool copyFileReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
  return CopyFileW(from.c_str(), to.c_str(), FALSE) != 0;
}

#else

std::optional<std::int64_t> modificationStamp(const std::filesystem::path& path) {
  std::error_code ec;
  const auto t = std::filesystem::last_write_time(path, ec);
  if (ec) return std::nullopt;
  return static_cast<std::int64_t>(t.time_since_epoch().count());
}

bool copyFileReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code ec;
  std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, ec);
  return !ec;
}

#endif

}  // namespace myu
