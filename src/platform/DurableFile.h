// Files that survive a crash or a power cut: written and flushed to the disk before they
// take an old file's place, and the folder flushed after the rename.
#pragma once

#include <filesystem>
#include <string_view>

namespace myu {

// Creates or truncates the file, writes the bytes and flushes them to the disk. Raises a
// VbError (75 cannot be made, 61 the disk is full) on failure.
void writeFileDurably(const std::filesystem::path& file, std::string_view bytes);
// Renames from over to (replacing it), then flushes the folder so that the new name is on
// the disk. Raises a VbError (75) on failure; the old file then stays.
void renameDurably(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace myu
