#include "platform/IniFile.h"

#include <cctype>
#include <fstream>
#include <limits>
#include <system_error>

#include "platform/DurableFile.h"
#include "platform/Sjis.h"
#include "platform/VbError.h"

namespace myu {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

std::string fileNameText(const std::filesystem::path& p) {
  auto s = p.filename().u8string();
  return std::string(s.begin(), s.end());
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Compares two code-page-932 names without regard to the case of ASCII letters.
bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  bool trail = false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto x = static_cast<unsigned char>(a[i]);
    auto y = static_cast<unsigned char>(b[i]);
    if (trail) {
      if (x != y) return false;
      trail = false;
      continue;
    }
    if (std::tolower(x) != std::tolower(y)) return false;
    trail = isSjisLeadByte(x);
  }
  return true;
}

// A section name as the index keeps it: ASCII letters folded, as sameName compares.
std::string foldName(std::string_view name) {
  std::string out(name);
  bool trail = false;
  for (char& c : out) {
    auto x = static_cast<unsigned char>(c);
    if (trail) {
      trail = false;
      continue;
    }
    c = static_cast<char>(std::tolower(x));
    trail = isSjisLeadByte(x);
  }
  return out;
}

std::string toFileText(std::string_view utf8) {
  if (auto bytes = toCp932(utf8)) return *bytes;
  // Only damaged data reaches here (owners' entries are checked where they are typed):
  // keep every character that fits and mark the others.
  std::string out;
  size_t i = 0;
  while (i < utf8.size()) {
    auto c = static_cast<unsigned char>(utf8[i]);
    size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    if (i + n > utf8.size()) n = utf8.size() - i;
    auto one = toCp932(utf8.substr(i, n));
    out += one ? *one : std::string("?");
    i += n;
  }
  return out;
}

}  // namespace

IniDocument IniDocument::parse(std::string_view bytes) {
  IniDocument doc;
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t end = bytes.find('\n', pos);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view raw = bytes.substr(pos, end - pos);
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    pos = end + 1;

    std::string_view t = trim(raw);
    if (!t.empty() && t.front() == '[') {
      size_t close = t.find(']');
      Section s;
      s.name = std::string(
          trim(t.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1)));
      s.header = std::string(raw);
      doc.index_.emplace(foldName(s.name), doc.sections_.size());
      doc.sections_.push_back(std::move(s));
      continue;
    }
    Line line;
    line.raw = std::string(raw);
    size_t eq = t.find('=');
    if (eq != std::string_view::npos && t.front() != ';') {
      line.isKey = true;
      line.key = std::string(trim(t.substr(0, eq)));
      line.value = std::string(trim(t.substr(eq + 1)));
    }
    if (doc.sections_.empty()) {
      doc.preamble_.push_back(std::move(line));
    } else {
      doc.sections_.back().lines.push_back(std::move(line));
    }
  }
  return doc;
}

std::string IniDocument::serialize() const {
  std::string out;
  for (const auto& l : preamble_) out += l.raw + "\r\n";
  for (const auto& s : sections_) {
    out += s.header + "\r\n";
    for (const auto& l : s.lines) out += l.raw + "\r\n";
  }
  return out;
}

IniDocument::Section* IniDocument::findSection(std::string_view name) {
  auto it = index_.find(foldName(name));
  return it == index_.end() ? nullptr : &sections_[it->second];
}

const IniDocument::Section* IniDocument::findSection(std::string_view name) const {
  auto it = index_.find(foldName(name));
  return it == index_.end() ? nullptr : &sections_[it->second];
}

bool IniDocument::hasSection(std::string_view section) const {
  return findSection(section) != nullptr;
}

const std::string* IniDocument::find(std::string_view section, std::string_view key) const {
  const Section* s = findSection(section);
  if (s == nullptr) return nullptr;
  for (const auto& l : s->lines)
    if (l.isKey && sameName(l.key, key)) return &l.value;
  return nullptr;
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view rawValue) {
  // A value is one line: a line break inside it would start a key or section of its own.
  std::string oneLine(rawValue);
  for (char& c : oneLine)
    if (c == '\r' || c == '\n') c = ' ';
  const std::string_view value = oneLine;
  Section* s = findSection(section);
  if (s == nullptr) {
    Section fresh;
    fresh.name = std::string(section);
    fresh.header = "[" + fresh.name + "]";
    index_.emplace(foldName(fresh.name), sections_.size());
    sections_.push_back(std::move(fresh));
    s = &sections_.back();
  }
  for (auto& l : s->lines) {
    if (l.isKey && sameName(l.key, key)) {
      l.value = std::string(trim(value));
      l.raw = l.key + "=" + std::string(value);
      return;
    }
  }
  Line line;
  line.isKey = true;
  line.key = std::string(key);
  line.value = std::string(trim(value));
  line.raw = line.key + "=" + std::string(value);
  // A new key goes after the section's last key, before any trailing blank lines.
  auto at = s->lines.end();
  while (at != s->lines.begin() && trim((at - 1)->raw).empty()) --at;
  s->lines.insert(at, std::move(line));
}

namespace {

// Writes the bytes into the file's temporary neighbour and flushes them to the disk. Raises
// a VbError on failure, after removing what it wrote.
void writeTemp(const std::filesystem::path& file, std::string_view bytes) {
  const std::filesystem::path tmp = temporaryFileOf(file);
  try {
    writeFileDurably(tmp, bytes);
  } catch (...) {
    std::error_code ignored;
    std::filesystem::remove(tmp, ignored);
    throw;
  }
}

// Puts the temporary neighbour in the file's place, durably.
void renameTemp(const std::filesystem::path& file) {
  const std::filesystem::path tmp = temporaryFileOf(file);
  try {
    renameDurably(tmp, file);
  } catch (...) {
    std::error_code ignored;
    std::filesystem::remove(tmp, ignored);
    throw;
  }
}

}  // namespace

std::filesystem::path temporaryFileOf(const std::filesystem::path& file) {
  std::filesystem::path tmp = file;
  tmp += ".tmp";
  return tmp;
}

void removeStaleTemporaryFiles(const std::vector<std::filesystem::path>& files) {
  for (const auto& file : files) {
    std::error_code ec;
    const auto tmp = temporaryFileOf(file);
    if (std::filesystem::is_regular_file(tmp, ec)) std::filesystem::remove(tmp, ec);
  }
}

void replaceFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
  writeTemp(file, bytes);
  renameTemp(file);
}

IniDocument IniStore::load(const std::filesystem::path& file) const {
  std::ifstream in(file, std::ios::binary);
  if (!in) return {};
  std::error_code ec;
  const auto size = std::filesystem::file_size(file, ec);
  // A file too large to be a save of ours is refused whole, so that it is never rewritten
  // with its tail cut off.
  if (!ec && size > kMaxFileBytes)
    throw VbError(err::kOutOfMemory,
                  "ファイル『" + fileNameText(file) + "』が大きすぎて読み込めません。");
  std::string bytes;
  char chunk[1 << 16];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > kMaxFileBytes)
      throw VbError(err::kOutOfMemory,
                    "ファイル『" + fileNameText(file) + "』が大きすぎて読み込めません。");
  }
  return IniDocument::parse(bytes);
}

void IniStore::save(const std::filesystem::path& file, const IniDocument& doc) {
  replaceFileAtomically(file, doc.serialize());
}

const std::string* IniStore::lookup(const std::filesystem::path& file, std::string_view section,
                                    std::string_view key, IniDocument& scratch) {
  if (depth_ > 0) {
    auto it = cache_.find(file);
    if (it == cache_.end()) it = cache_.emplace(file, Cached{load(file), false}).first;
    return it->second.doc.find(section, key);
  }
  scratch = load(file);
  return scratch.find(section, key);
}

std::string IniStore::getString(const std::filesystem::path& file, std::string_view section,
                                std::string_view key, std::string_view defaultValue,
                                std::size_t bufferSize) {
  IniDocument scratch;
  const std::string* raw = lookup(file, section, key, scratch);
  std::size_t room = bufferSize == 0 ? 0 : bufferSize - 1;
  if (raw == nullptr) {
    std::string def(defaultValue);
    auto bytes = toCp932(def);
    if (!bytes) return def;
    return fromCp932Lossy(cutSjisBytes(*bytes, room));
  }
  return fromCp932Lossy(cutSjisBytes(*raw, room));
}

std::optional<std::string> IniStore::getBytes(const std::filesystem::path& file,
                                              std::string_view section, std::string_view key) {
  IniDocument scratch;
  const std::string* raw = lookup(file, section, key, scratch);
  if (raw == nullptr) return std::nullopt;
  return *raw;
}

std::int32_t IniStore::parseInt(std::string_view value) {
  std::string_view t = trim(value);
  bool negative = false;
  if (!t.empty() && t.front() == '-') {
    negative = true;
    t.remove_prefix(1);
  }
  std::int64_t v = 0;
  for (char c : t) {
    if (c < '0' || c > '9') break;
    v = v * 10 + (c - '0');
    if (v > (std::int64_t{1} << 32)) break;
  }
  if (negative) v = -v;
  if (v > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (v < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(v);
}

std::int32_t IniStore::getInt(const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::int32_t defaultValue) {
  IniDocument scratch;
  const std::string* raw = lookup(file, section, key, scratch);
  if (raw == nullptr) return defaultValue;
  return parseInt(*raw);
}

void IniStore::write(const std::filesystem::path& file, std::string_view section,
                     std::string_view key, std::string_view value) {
  std::string sec = toFileText(section);
  std::string k = toFileText(key);
  std::string v = toFileText(value);
  if (depth_ > 0) {
    auto it = cache_.find(file);
    if (it == cache_.end()) it = cache_.emplace(file, Cached{load(file), false}).first;
    it->second.doc.set(sec, k, v);
    it->second.dirty = true;
    return;
  }
  IniDocument doc = load(file);
  doc.set(sec, k, v);
  save(file, doc);
}

IniStore::Batch::Batch(IniStore& store) : store_(store), outermost_(store.depth_ == 0) {
  ++store_.depth_;
}

IniStore::Batch::~Batch() {
  --store_.depth_;
  if (outermost_) store_.cache_.clear();
}

void IniStore::Batch::commit() {
  if (!outermost_ || done_) return;
  done_ = true;
  // Every changed file is first written beside itself; only when all of them are written do
  // they take the old files' places, so a failure leaves every old file as it was.
  std::vector<std::filesystem::path> written;
  try {
    for (auto& [path, cached] : store_.cache_) {
      if (!cached.dirty) continue;
      writeTemp(path, cached.doc.serialize());
      written.push_back(path);
    }
  } catch (...) {
    for (const auto& path : written) {
      std::error_code ignored;
      std::filesystem::remove(temporaryFileOf(path), ignored);
    }
    throw;
  }
  for (const auto& path : written) {
    renameTemp(path);
    store_.cache_[path].dirty = false;
  }
}

}  // namespace myu
