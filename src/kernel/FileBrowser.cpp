#include "kernel/FileBrowser.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "kernel/Game.h"
#include "platform/Platform.h"

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

#ifndef _WIN32
// A folder the browser offers on a system without drives, once.
void addPlace(std::vector<std::string>& places, const fs::path& p) {
  if (p.empty() || !isReadableFolder(p)) return;
  std::error_code ec;
  fs::path canon = fs::weakly_canonical(p, ec);
  std::string text = pathToUtf8(ec ? p : canon);
  if (std::find(places.begin(), places.end(), text) == places.end()) places.push_back(text);
}
#endif

bool isSeparator(char c) {
  return c == '/' || c == static_cast<char>(fs::path::preferred_separator);
}

// UTF-8 to code points; a stray byte stands for itself.
std::u32string codePoints(const std::string& s) {
  std::u32string out;
  for (std::size_t i = 0; i < s.size();) {
    auto c = static_cast<unsigned char>(s[i]);
    std::size_t len = c < 0x80           ? 1
                      : (c >> 5) == 0x6  ? 2
                      : (c >> 4) == 0xE  ? 3
                      : (c >> 3) == 0x1E ? 4
                                         : 1;
    if (i + len > s.size()) len = 1;
    char32_t cp = len == 1 ? c : c & (0x7F >> len);
    for (std::size_t k = 1; k < len; ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    if (cp >= 'A' && cp <= 'Z') cp = cp - 'A' + 'a';
    out.push_back(cp);
    i += len;
  }
  return out;
}

bool globMatch(const std::u32string& name, const std::u32string& pattern) {
  std::size_t n = 0, p = 0, star = std::u32string::npos, mark = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == U'?' || pattern[p] == name[n])) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == U'*') {
      star = p++;
      mark = n;
    } else if (star != std::u32string::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == U'*') ++p;
  return p == pattern.size();
}
}  // namespace

bool matchesPattern(const std::string& utf8Name, const std::string& pattern) {
  return globMatch(codePoints(utf8Name), codePoints(pattern));
}

std::vector<std::string> browsePlaces(const std::string& desktop, const fs::path& programFolder) {
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
  const std::u32string wanted = codePoints(pattern);
  return listNames(folder, [&](const fs::directory_entry& e, std::error_code& ec) {
    if (!e.is_regular_file(ec) || ec) return false;
    return globMatch(codePoints(pathToUtf8(e.path().filename())), wanted);
  });
}

// ---- the three lists ----

void FileBrowser::wire(Handlers handlers) {
  onFolderChanged_ = std::move(handlers.folderChanged);
  auto driveChanged = std::move(handlers.driveChanged);
  form_.on(drive_, Event::Click, [driveChanged](const EventArgs&) { driveChanged(); });
  form_.on(drive_, Event::Change, [driveChanged](const EventArgs&) { driveChanged(); });
  form_.on(file_, Event::Click,
           [this, clicked = std::move(handlers.fileClicked)](const EventArgs&) {
             Control& file = file_;
             if (file.listIndex >= 0 && file.listIndex < static_cast<int>(file.items.size()))
               file.text = file.items[static_cast<size_t>(file.listIndex)];
             clicked();
           });
  form_.on(file_, Event::DragDrop, std::move(handlers.dropped));
  form_.on(dir_, Event::Click, [this](const EventArgs&) {
    Control& dir = dir_;
    if (dir.listIndex < 0 || dir.listIndex >= static_cast<int>(dir.items.size())) return;
    const std::string& item = dir.items[static_cast<size_t>(dir.listIndex)];
    fs::path here = u8path(dir.path);
    showFolder(pathToUtf8(item == ".." ? here.parent_path() : here / u8path(item)));
  });
  form_.on(dir_, Event::Change, [this](const EventArgs&) {
    Control& dir = dir_;
    if (dir.text.empty()) return;
    fs::path p = u8path(dir.text);
    dir.text.clear();
    showFolder(pathToUtf8(p.is_absolute() ? p : form_.game().folder() / p));
  });
}

void FileBrowser::start(const std::string& folder) {
  Game& g = form_.game();
  drive_.items = browsePlaces(
      g.services().shell != nullptr ? g.services().shell->desktopFolder() : std::string(),
      g.folder());
  showFolder(folder);
}

bool FileBrowser::showFolder(const std::string& path) {
  std::error_code ec;
  fs::path p = u8path(path);
  if (!fs::is_directory(p, ec)) return false;
  fs::path canon = fs::weakly_canonical(p, ec);
  if (!ec) p = canon;
  Control& dir = dir_;
  dir.path = pathToUtf8(p);
  dir.items.clear();
  if (p.has_parent_path() && p.parent_path() != p) dir.items.emplace_back("..");
  for (auto& name : subfolderNames(p)) dir.items.push_back(name);
  dir.listIndex = -1;
  // The drive list follows: the place that holds the folder, if it is one of them.
  Control& drive = drive_;
  size_t best = 0;
  for (size_t i = 0; i < drive.items.size(); ++i) {
    const std::string& place = drive.items[i];
    bool inside =
        dir.path == place ||
        (dir.path.size() > place.size() && dir.path.compare(0, place.size(), place) == 0 &&
         (isSeparator(place.back()) || isSeparator(dir.path[place.size()])));
    if (inside && place.size() >= best) {
      best = place.size();
      drive.listIndex = static_cast<int>(i);
      drive.text = place;
    }
  }
  if (onFolderChanged_) {
    onFolderChanged_();
  } else {
    followFolder();
  }
  return true;
}

bool FileBrowser::driveChanged() {
  Control& drive = drive_;
  if (drive.listIndex < 0 || drive.listIndex >= static_cast<int>(drive.items.size())) return true;
  const std::string place = drive.items[static_cast<size_t>(drive.listIndex)];
  if (!isReadableFolder(u8path(place)) || !showFolder(place)) return false;
  drive.text = place;
  return true;
}

void FileBrowser::followFolder() {
  Control& file = file_;
  if (file.path != dir_.path) file.text.clear();
  file.path = dir_.path;
  refreshFiles();
}

void FileBrowser::refreshFiles() {
  Control& file = file_;
  file.items = matchingFileNames(u8path(file.path), file.pattern);
  file.listIndex = -1;
  auto it = std::find(file.items.begin(), file.items.end(), file.text);
  if (it != file.items.end()) file.listIndex = static_cast<int>(it - file.items.begin());
}

void FileBrowser::chooseFile(const std::string& name) {
  file_.text = name;
  refreshFiles();
}

std::string FileBrowser::fileName() {
  return file_.text;
}

std::string FileBrowser::folder() {
  return file_.path;
}

fs::path FileBrowser::chosenFile() {
  Control& file = file_;
  return u8path(file.path) / u8path(file.text);
}

std::optional<fs::path> acceptDroppedFile(Game& g, const std::vector<std::string>& files,
                                          const std::string& pattern) {
  if (files.size() > 1) {
    g.MsgBox("そんないっぺんにいっぱいファイル持ってこないでよ！！", mb::kInformation);
    return std::nullopt;
  }
  std::error_code ec;
  fs::path item = files.empty() ? fs::path() : u8path(files.front());
  if (!item.empty() && fs::is_directory(item, ec)) return std::nullopt;
  if (item.empty() || !fs::is_regular_file(item, ec)) {
    g.MsgBox("うん？ フォルダじゃなくってファイルもってきてちょ。", mb::kInformation);
    return std::nullopt;
  }
  std::string name = pathToUtf8(item.filename());
  auto dot = name.rfind('.');
  std::string ext = dot == std::string::npos ? "" : name.substr(dot + 1);
  // The last three characters of the pattern; the two texts are compared as they are.
  std::string wanted = pattern;
  {
    std::size_t count = 0, i = pattern.size();
    while (i > 0 && count < 3) {
      --i;
      if ((static_cast<unsigned char>(pattern[i]) & 0xC0) != 0x80) ++count;
    }
    wanted = pattern.substr(i);
  }
  if (ext != wanted) {
    g.MsgBox("ドロップされたファイルの拡張子は『" + ext + "』で、指定されている『" + wanted +
             "』とは異なります。");
    return std::nullopt;
  }
  return item;
}

}  // namespace myu
