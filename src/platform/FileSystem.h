// What the standard library's file system functions do differently on Windows, done the same
// on every system: the finest change time (the library gives whole seconds there) and a copy
// over an existing file (the library there takes any two files for the same one).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace myu {

// When a file or folder last changed, in the system's own steps (100 ns on Windows), only
// for comparing two readings of the same file: empty when it cannot be read.
std::optional<std::int64_t> modificationStamp(const std::filesystem::path& path);

// Copies a file, replacing the file at to when there is one. False when it fails.
bool copyFileReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace myu
