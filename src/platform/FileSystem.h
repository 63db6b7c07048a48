// When a file or folder last changed, to the finest step the system keeps. (The standard
// library on Windows gives whole seconds only; the file system keeps 100 ns.)
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace myu {

// The modification time in the system's own steps, only for comparing two readings of the
// same file: empty when it cannot be read.
std::optional<std::int64_t> modificationStamp(const std::filesystem::path& path);

}  // namespace myu
