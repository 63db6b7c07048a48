// Files that survive a crash or a power cut: written and flushed to the disk before they
// take an old file's place, and the folder flushed after the rename.
#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace myu {

// The error number of a file operation that failed with the system's error code (errno, or
// GetLastError on Windows): 70 "書き込みできません。" when the system refused the write (no
// permission, a read-only file system or file), 61 when the disk is full, 75 for a path that
// cannot be used otherwise.
int fileErrorNumber(int systemCode);
// The same for an error of the standard library's file system functions.
int fileErrorNumber(const std::error_code& error);

// Creates or truncates the file, writes the bytes and flushes them to the disk. Raises a
// VbError (70 the system refuses the write, 75 cannot be made, 61 the disk is full) on failure.
void writeFileDurably(const std::filesystem::path& file, std::string_view bytes);
// Renames from over to (replacing it), then flushes the folder so that the new name is on
// the disk. Raises a VbError (70 refused, 75 otherwise) on failure; the old file then stays.
void renameDurably(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace myu
