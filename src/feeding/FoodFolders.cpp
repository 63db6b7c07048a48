#include "feeding/FoodFolders.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "startup/Game.h"

namespace myu {
namespace fs = std::filesystem;

std::string asciiLower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

bool isReadableFolder(const fs::path& folder) {
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return false;
  fs::directory_iterator it(folder, ec);
  return !ec;
}

namespace {
template <typename Keep>
std::vector<std::string> listNames(const fs::path& folder, Keep keep) {
  std::vector<std::string> names;
  std::error_code ec;
  fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
  if (ec) return names;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    std::error_code ec2;
    if (keep(*it, ec2) && !ec2) names.push_back(pathToUtf8(it->path().filename()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

void addPlace(std::vector<std::string>& places, const fs::path& p) {
  if (p.empty() || !isReadableFolder(p)) return;
  std::error_code ec;
  fs::path canon = fs::weakly_canonical(p, ec);
  std::string text = pathToUtf8(ec ? p : canon);
  if (std::find(places.begin(), places.end(), text) == places.end()) places.push_back(text);
}
}  // namespace

std::vector<std::string> foodPlaces(const std::string& desktop, const fs::path& programFolder) {
  std::vector<std::string> places;
#ifdef _WIN32
  for (char d = 'A'; d <= 'Z'; ++d) {
    std::string root = std::string(1, d) + ":\\";
    std::error_code ec;
    if (fs::exists(fs::path(root), ec)) places.push_back(std::string(1, d) + ":");
  }
  (void)desktop;
  (void)programFolder;
#else
  if (const char* home = std::getenv("HOME")) addPlace(places, u8path(home));
  if (!desktop.empty()) addPlace(places, u8path(desktop));
  addPlace(places, programFolder);
  std::vector<fs::path> roots;
  if (const char* user = std::getenv("USER")) roots.push_back(fs::path("/media") / user);
  roots.emplace_back("/mnt");
  for (const auto& root : roots)
    for (const auto& name : subfolderNames(root)) addPlace(places, root / u8path(name));
#endif
  return places;
}

std::vector<std::string> subfolderNames(const fs::path& folder) {
  return listNames(
      folder, [](const fs::directory_entry& e, std::error_code& ec) { return e.is_directory(ec); });
}

std::vector<std::string> matchingFileNames(const fs::path& folder, const std::string& pattern) {
  auto dot = pattern.rfind('.');
  std::string ext = asciiLower(dot == std::string::npos ? "" : pattern.substr(dot));
  return listNames(folder, [&](const fs::directory_entry& e, std::error_code& ec) {
    if (!e.is_regular_file(ec) || ec) return false;
    return asciiLower(pathToUtf8(e.path().extension())) == ext;
  });
}

}  // namespace myu
