#include "platform/FileTime.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace myu {

std::optional<std::int64_t> modificationStamp(const std::filesystem::path& path) {
#ifdef _WIN32
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) == 0) return std::nullopt;
  return static_cast<std::int64_t>(
      (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
      data.ftLastWriteTime.dwLowDateTime);
#else
  std::error_code ec;
  const auto t = std::filesystem::last_write_time(path, ec);
  if (ec) return std::nullopt;
  return static_cast<std::int64_t>(t.time_since_epoch().count());
#endif
}

}  // namespace myu
