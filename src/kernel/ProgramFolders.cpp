#include "kernel/ProgramFolders.h"

#include <system_error>

#include "kernel/Game.h"

namespace myu {

namespace fs = std::filesystem;

ProgramFolders programFolders(const fs::path& exeFolder, const fs::path& installedData,
                              const char* xdgDataHome, const char* home) {
  std::error_code ec;
  const fs::path data = (exeFolder / installedData).lexically_normal();
  if (installedData.empty() || !fs::is_directory(data, ec)) return {exeFolder, exeFolder, false};
  ProgramFolders f{data, {}, true};
  if (xdgDataHome != nullptr && fs::path(xdgDataHome).is_absolute()) {
    f.pet = fs::path(xdgDataHome) / "myuruka";
  } else if (home != nullptr && fs::path(home).is_absolute()) {
    f.pet = fs::path(home) / ".local" / "share" / "myuruka";
  }
  return f;
}

bool preparePetFolder(const ProgramFolders& folders, std::string& error) {
  if (!folders.installed) return true;
  error.clear();
  if (folders.pet.empty()) {
    error = "ペットの住むフォルダが分かりません。環境変数 HOME を設定してください。";
    return false;
  }
  std::error_code ec;
  if (fs::is_directory(folders.pet, ec)) return true;
  fs::create_directories(folders.pet, ec);
  if (!fs::is_directory(folders.pet, ec)) {
    error = "フォルダ「" + pathToUtf8(folders.pet) + "」を作れませんでした。";
    return false;
  }
  // The sample food files, once: a file the owner deletes later does not come back.
  for (fs::directory_iterator it(folders.data, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code each;
    if (it->path().extension() != ".krp" || !it->is_regular_file(each)) continue;
    fs::copy_file(it->path(), folders.pet / it->path().filename(), fs::copy_options::skip_existing,
                  each);
  }
  return true;
}

}  // namespace myu
