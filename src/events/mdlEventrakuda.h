// The treasure hunt: a tree of folders named after camel humps on the owner's desktop, a
// miss note in every folder and one hit note somewhere.
#pragma once

#include <cstdint>
#include <string>

namespace myu {
class Game;

// Makes 30 random paths, the first ending in the hit note; false after a failed one.
bool RakudaProject(Game& g);
// Makes one random path; path gets the full name of the note file at its end.
bool makeDir(Game& g, std::string& path);
// Adds one level to the path and makes it with its miss note when it holds no file yet.
bool MakeHumpLevel(Game& g, std::string& path, std::int32_t& level);

}  // namespace myu
