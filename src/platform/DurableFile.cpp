#include "platform/DurableFile.h"

#include <algorithm>
#include <system_error>

#include "platform/VbError.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#endif

namespace myu {

int fileErrorNumber(const std::error_code& error) {
  if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
      error == std::errc::read_only_file_system)
    return err::kPermissionDenied;
  if (error == std::errc::no_space_on_device) return err::kDiskFull;
  // The system's own codes (GetLastError on Windows) say more than their portable names.
  if (error.category() == std::system_category()) return fileErrorNumber(error.value());
  return err::kPathFileAccess;
}

#ifdef _WIN32

int fileErrorNumber(int systemCode) {
  switch (systemCode) {
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return err::kPermissionDenied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return err::kDiskFull;
    default:
      return err::kPathFileAccess;
  }
}

namespace {
// The error of the last failed write to `file`. Windows refuses a folder where the file goes
// as it refuses a write; that is a path not to use, as on other systems.
int writeErrorNumber(const std::filesystem::path& file) {
  const auto code = static_cast<int>(GetLastError());
  std::error_code ec;
  if (code == ERROR_ACCESS_DENIED && std::filesystem::is_directory(file, ec))
    return err::kPathFileAccess;
  return fileErrorNumber(code);
}
}  // namespace

void writeFileDurably(const std::filesystem::path& file, std::string_view bytes) {
  HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) throw VbError(writeErrorNumber(file));
  std::size_t done = 0;
  bool ok = true;
  while (ok && done < bytes.size()) {
    DWORD wrote = 0;
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
    ok = WriteFile(h, bytes.data() + done, chunk, &wrote, nullptr) != 0;
    done += wrote;
  }
  ok = ok && FlushFileBuffers(h) != 0;
  CloseHandle(h);
  if (!ok) throw VbError(err::kDiskFull);
}

void renameDurably(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ==
      0)
    throw VbError(writeErrorNumber(to));
}

#else

int fileErrorNumber(int systemCode) {
  switch (systemCode) {
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
      return err::kPermissionDenied;
    case ENOSPC:
    case EDQUOT:
      return err::kDiskFull;
    default:
      return err::kPathFileAccess;
  }
}

namespace {
void syncFolder(const std::filesystem::path& folder) {
  const std::filesystem::path dir = folder.empty() ? std::filesystem::path(".") : folder;
  int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;  // a folder that cannot be opened for reading is not flushed
  ::fsync(fd);
  ::close(fd);
}
}  // namespace

void writeFileDurably(const std::filesystem::path& file, std::string_view bytes) {
  int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) throw VbError(fileErrorNumber(errno));
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ::close(fd);
      throw VbError(err::kDiskFull);
    }
    done += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0 && errno != EINVAL) {
    ::close(fd);
    throw VbError(err::kDiskFull);
  }
  if (::close(fd) != 0) throw VbError(err::kDiskFull);
}

void renameDurably(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code ec;
  std::filesystem::rename(from, to, ec);
  if (ec) throw VbError(fileErrorNumber(ec));
  syncFolder(to.parent_path());
}

#endif

}  // namespace myu
