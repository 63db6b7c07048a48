// Folder browsing for the feeding window: the places offered in the drive list, the
// subfolders of a folder and the food files in it. Unreadable folders list nothing.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace myu {

// Where an owner keeps files. On Windows: the drive roots that exist. Elsewhere: the home
// folder, the desktop, the program folder and the mounted volumes under /media/$USER and
// /mnt; each once, only those that are folders. UTF-8 paths.
std::vector<std::string> foodPlaces(const std::string& desktop,
                                    const std::filesystem::path& programFolder);

// The names of the subfolders of a folder, sorted; empty when it cannot be read.
std::vector<std::string> subfolderNames(const std::filesystem::path& folder);

// The names of the files in a folder whose extension matches the pattern's ("*.krp"),
// letter case aside, sorted; empty when the folder cannot be read.
std::vector<std::string> matchingFileNames(const std::filesystem::path& folder,
                                           const std::string& pattern);

// True when the folder exists and its entries can be listed.
bool isReadableFolder(const std::filesystem::path& folder);

// ASCII letters folded to lower case.
std::string asciiLower(std::string s);

}  // namespace myu
