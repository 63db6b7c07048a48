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

// A place offered once, when it is a folder that can be read.
void addPlace(std::vector<Place>& places, std::string name, const fs::path& p) {
  if (p.empty() || !isReadableFolder(p)) return;
  std::error_code ec;
  fs::path canon = fs::weakly_canonical(p, ec);
  std::string path = pathToUtf8(ec ? p : canon);
  for (const Place& place : places)
    if (place.path == path) return;
  places.push_back({std::move(name), std::move(path)});
}

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

std::vector<Place> placesOf(const PlaceSources& sources) {
  std::vector<Place> places;
  addPlace(places, "ホーム", sources.home);
  addPlace(places, "デスクトップ", sources.desktop);
  addPlace(places, "ペットのフォルダ", sources.petFolder);
  addPlace(places, "ルート", sources.root);
  if (!sources.user.empty() && sources.user.find('/') == std::string::npos) {
    const fs::path user = u8path(sources.user);
    for (const fs::path& media : {sources.root / "media" / user, sources.root / "run/media" / user})
      for (const auto& name : subfolderNames(media)) addPlace(places, name, media / u8path(name));
  }
  return places;
}

std::vector<Place> browsePlaces(const std::string& desktop, const fs::path& petFolder) {
  std::vector<Place> places;
#ifdef _WIN32
  for (char d = 'A'; d <= 'Z'; ++d) {
    const std::string drive = std::string(1, d) + ":";
    std::error_code ec;
    if (fs::exists(fs::path(drive + "\\"), ec)) places.push_back({drive, drive + "\\"});
  }
  (void)desktop;
  (void)petFolder;
#else
  PlaceSources sources;
  if (const char* home = std::getenv("HOME")) sources.home = u8path(home);
  if (!desktop.empty()) sources.desktop = u8path(desktop);
  sources.petFolder = petFolder;
  if (const char* user = std::getenv("USER")) sources.user = user;
  places = placesOf(sources);
#endif
  return places;
}

std::string placeLine(const Place& place) {
  if (place.name.size() == 2 && place.name[1] == ':') return place.name;
  return place.name + " (" + place.path + ")";
}

std::vector<std::string> subfolderNames(const fs::path& folder) {
  return listNames(folder, [](const fs::directory_entry& e, std::error_code& ec) {
    const std::string name = pathToUtf8(e.path().filename());
    return !name.empty() && name[0] != '.' && e.is_directory(ec);
  });
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
  // A click only selects (the list's index is set by then); a double click opens.
  form_.on(dir_, Event::DblClick, [this](const EventArgs&) {
    const int i = dir_.listIndex;
    if (i < 0 || i >= static_cast<int>(dirEntries_.size())) return;
    showFolder(pathToUtf8(dirEntries_[static_cast<size_t>(i)]));
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
  places_ = browsePlaces(
      g.services().shell != nullptr ? g.services().shell->desktopFolder() : std::string(),
      g.folder());
  drive_.items.clear();
  for (const Place& place : places_) drive_.items.push_back(placeLine(place));
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
  // The open folder's ancestors from the root down, the open one, then its subfolders.
  std::vector<fs::path> chain;
  for (fs::path at = p;; at = at.parent_path()) {
    chain.push_back(at);
    if (!at.has_relative_path() || at.parent_path() == at) break;
  }
  std::reverse(chain.begin(), chain.end());
  dirEntries_.clear();
  dir.items.clear();
  for (size_t level = 0; level < chain.size(); ++level) {
    const fs::path& at = chain[level];
    const std::string name = at.has_relative_path() ? pathToUtf8(at.filename()) : pathToUtf8(at);
    const bool open = level + 1 == chain.size();
    dirEntries_.push_back(at);
    dir.items.push_back(std::string(level * 2, ' ') + (open ? "▼ " : "▽ ") + name);
  }
  const std::string inner(chain.size() * 2, ' ');
  for (auto& name : subfolderNames(p)) {
    dirEntries_.push_back(p / u8path(name));
    std::string row = inner;
    row += "▷ ";
    row += name;
    dir.items.push_back(std::move(row));
  }
  // The open folder is the list's choice until the owner clicks another.
  dir.listIndex = static_cast<int>(chain.size()) - 1;
  followDrive();
  if (onFolderChanged_) {
    onFolderChanged_();
  } else {
    followFolder();
  }
  return true;
}

void FileBrowser::followDrive() {
  // The place that holds the open folder, the nearest when several do.
  Control& drive = drive_;
  const std::string& open = dir_.path;
  size_t best = 0;
  for (size_t i = 0; i < places_.size() && i < drive.items.size(); ++i) {
    const std::string& place = places_[i].path;
    const bool inside =
        open == place || (open.size() > place.size() && open.compare(0, place.size(), place) == 0 &&
                          (isSeparator(place.back()) || isSeparator(open[place.size()])));
    if (inside && place.size() >= best) {
      best = place.size();
      drive.listIndex = static_cast<int>(i);
      drive.text = drive.items[i];
      drive.path = place;
    }
  }
}

bool FileBrowser::driveChanged() {
  const int i = drive_.listIndex;
  if (i < 0 || i >= static_cast<int>(places_.size())) return true;
  const std::string place = places_[static_cast<size_t>(i)].path;
  if (!isReadableFolder(u8path(place)) || !showFolder(place)) {
    followDrive();  // the list shows the place of the open folder again
    return false;
  }
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
