// INI files with the semantics of the platform's profile functions: sections and keys match
// without regard to case, missing ones read as the caller's default, integers are read from
// their leading digits, values are trimmed, writes create what is missing and keep the order.
// Texts are code page 932 in the file and UTF-8 here. A file is always replaced as a whole
// through a temporary file and a rename.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace myu {

// One INI file held in memory. Lines are kept as their bytes so that whatever we do not
// touch is written back exactly as it was.
class IniDocument {
 public:
  static IniDocument parse(std::string_view bytes);
  std::string serialize() const;

  // Raw code-page-932 value of a key (trimmed), or nullptr when section or key is missing.
  const std::string* find(std::string_view section, std::string_view key) const;
  // Sets a key (raw bytes), creating the section and the key when missing.
  void set(std::string_view section, std::string_view key, std::string_view value);
  bool hasSection(std::string_view section) const;

 private:
  struct Line {
    std::string raw;    // the line as read, without its line end
    std::string key;    // for key lines: the key as written
    std::string value;  // for key lines: the trimmed value
    bool isKey = false;
  };
  struct Section {
    std::string name;
    std::string header;  // raw header line
    std::vector<Line> lines;
  };
  Section* findSection(std::string_view name);
  const Section* findSection(std::string_view name) const;

  std::vector<Line> preamble_;  // lines before the first section
  std::vector<Section> sections_;
  // The first section of each name (letter case folded), so that a file of many sections is
  // searched in constant time.
  std::unordered_map<std::string, std::size_t> index_;
};

// The profile functions over files on disk. Inside a batch (see Batch) every file is read once
// and written once when the outermost batch ends; outside one, each call reads or replaces
// the file on its own.
class IniStore {
 public:
  // Files are read whole. A file larger than this (a save is a few kilobytes, a hall of fame
  // of 300,000 pets some 90 MB) is refused with an error and never rewritten.
  static constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t{256} << 20;

  // The string reader with a buffer of bufferSize bytes: at most bufferSize − 1 bytes of the
  // value (cut on a whole character); the default when the section or key is missing.
  std::string getString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view defaultValue,
                        std::size_t bufferSize = 255);
  // The value's bytes as the file holds them (code page 932, trimmed), or nothing when the
  // section or key is missing.
  std::optional<std::string> getBytes(const std::filesystem::path& file, std::string_view section,
                                      std::string_view key);
  // The integer reader: an optional minus sign and the leading decimal digits count; a value
  // that does not begin with a number reads as 0; a missing key gives the default. Values
  // beyond the 32-bit range read as the nearest 32-bit value.
  std::int32_t getInt(const std::filesystem::path& file, std::string_view section,
                      std::string_view key, std::int32_t defaultValue);
  // The writer. Raises a VbError when the file cannot be replaced.
  void write(const std::filesystem::path& file, std::string_view section, std::string_view key,
             std::string_view value);

  // Groups reads and writes: while any Batch lives, files are cached and writes held back;
  // the outermost Batch's commit() writes each changed file once. A Batch that ends without
  // commit() (a failure part-way) still writes nothing half: the files stay as they were.
  class Batch {
   public:
    explicit Batch(IniStore& store);
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;
    // Writes the changed files (only the outermost batch does). Raises a VbError on failure;
    // every old file then stays as it was.
    void commit();

   private:
    IniStore& store_;
    bool outermost_;
    bool done_ = false;
  };

  // Parses an integer value as the integer reader does.
  static std::int32_t parseInt(std::string_view value);

 private:
  struct Cached {
    IniDocument doc;
    bool dirty = false;
  };
  IniDocument load(const std::filesystem::path& file) const;
  static void save(const std::filesystem::path& file, const IniDocument& doc);
  const std::string* lookup(const std::filesystem::path& file, std::string_view section,
                            std::string_view key, IniDocument& scratch);

  int depth_ = 0;
  std::map<std::filesystem::path, Cached> cache_;
};

// Replaces a file's content as a whole: a temporary file beside it, flushed to the disk, then
// a rename, and the folder flushed too, so that neither a crash nor a power cut leaves a
// half-written or empty file. Raises a VbError when that fails; the old file then stays as
// it was.
void replaceFileAtomically(const std::filesystem::path& file, std::string_view bytes);
// The temporary file a replacement writes beside the file.
std::filesystem::path temporaryFileOf(const std::filesystem::path& file);
// Removes temporary files that an interrupted save left beside these files.
void removeStaleTemporaryFiles(const std::vector<std::filesystem::path>& files);

}  // namespace myu
