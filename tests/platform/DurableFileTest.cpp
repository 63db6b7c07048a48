// The error numbers of a refused or failed file write, as the platform reports them.
#include <gtest/gtest.h>

#include "platform/DurableFile.h"
#include "platform/VbError.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#endif

namespace myu {
namespace {

TEST(FileErrorNumber, ARefusedWriteIs70AnUnusablePath75) {
  struct Case {
    int systemCode;
    int number;
  } cases[] = {
#ifdef _WIN32
      {ERROR_ACCESS_DENIED, err::kPermissionDenied},
      {ERROR_WRITE_PROTECT, err::kPermissionDenied},
      {ERROR_SHARING_VIOLATION, err::kPermissionDenied},
      {ERROR_DISK_FULL, err::kDiskFull},
      {ERROR_PATH_NOT_FOUND, err::kPathFileAccess},
      {ERROR_INVALID_NAME, err::kPathFileAccess},
      {ERROR_FILENAME_EXCED_RANGE, err::kPathFileAccess},
#else
      {EACCES, err::kPermissionDenied}, {EPERM, err::kPermissionDenied},
      {EROFS, err::kPermissionDenied},  {ENOSPC, err::kDiskFull},
      {ENOENT, err::kPathFileAccess},   {EISDIR, err::kPathFileAccess},
      {ENOTDIR, err::kPathFileAccess},  {ENAMETOOLONG, err::kPathFileAccess},
      {ELOOP, err::kPathFileAccess},
#endif
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.systemCode);
    EXPECT_EQ(fileErrorNumber(c.systemCode), c.number);
  }
  // The standard library's errors, in either category.
  EXPECT_EQ(fileErrorNumber(std::make_error_code(std::errc::permission_denied)),
            err::kPermissionDenied);
  EXPECT_EQ(fileErrorNumber(std::make_error_code(std::errc::read_only_file_system)),
            err::kPermissionDenied);
  EXPECT_EQ(fileErrorNumber(std::make_error_code(std::errc::no_such_file_or_directory)),
            err::kPathFileAccess);
#ifndef _WIN32
  EXPECT_EQ(fileErrorNumber(std::error_code(EROFS, std::system_category())),
            err::kPermissionDenied);
#endif
  EXPECT_EQ(errorDescription(err::kPermissionDenied), "書き込みできません。");
  EXPECT_EQ(errorDescription(err::kPathFileAccess), "パス名が無効です。");
}

TEST(FileErrorNumber, AFileInAMissingFolderCannotBeMadeAt75) {
  const auto folder = std::filesystem::temp_directory_path() / "myuruka-no-such-folder-here";
  try {
    writeFileDurably(folder / "a.tmp", "x");
    FAIL() << "a file was made in a missing folder";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), err::kPathFileAccess);
  }
}

}  // namespace
}  // namespace myu
