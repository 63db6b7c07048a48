// Names that come from data (a pet's name, a friend's file) become parts of paths. A name is
// safe when it stays inside its folder and every file system we run on accepts it.
#pragma once

#include <string>
#include <string_view>

namespace myu {

// False for an empty name, "." or "..", separators, control characters, the characters
// \ / : * ? " < > |, a trailing dot or blank, and names the Windows file system reserves
// (CON, NUL, COM1 …).
bool isSafeFileName(std::string_view name);

// True when a name from data (a pet's name) can name its file name + ".dat": a safe file
// name, not empty, at most 255 bytes, and every character storable in code page 932.
bool isUsableDataName(std::string_view name);

}  // namespace myu
