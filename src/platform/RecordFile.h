// Random-access files of fixed-length records (language files of 60 bytes, food files of
// 56 bytes). Record n (1-based) lies at byte (n − 1) × length; writing record count + 1
// appends. Text fields are code page 932, padded with blanks and cut in bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace myu {

class RecordFile {
 public:
  RecordFile() = default;
  RecordFile(std::filesystem::path path, std::size_t recordLength);

  // Opens the file, creating it empty when missing. Raises a VbError on failure.
  void open();
  bool isOpen() const { return open_; }
  void close() { open_ = false; }
  const std::filesystem::path& path() const { return path_; }
  std::size_t recordLength() const { return length_; }

  // Number of whole records: file length ÷ record length.
  std::int32_t count() const;
  // The bytes of record n (1-based). A record past the end reads as blanks, a record cut
  // short is filled with blanks. Raises error 63 for n < 1.
  std::string read(std::int32_t n) const;
  // Calls visit with records 1 .. last in order (read as read() does) through one open
  // stream, until it returns false.
  void forEach(std::int32_t last,
               const std::function<bool(std::int32_t, std::string_view)>& visit) const;
  // Writes record n; n = count + 1 appends. Raises error 63 for n < 1.
  void write(std::int32_t n, std::string_view record) const;

 private:
  std::filesystem::path path_;
  std::size_t length_ = 0;
  bool open_ = false;
};

// A text field of a record: UTF-8 -> code page 932, cut to width bytes on a whole character
// and padded with blanks. Characters without a code-page-932 form become "?".
std::string packField(std::string_view utf8, std::size_t width);
// The bytes of a field -> UTF-8 with trailing blanks and NULs removed; empty optional when
// the bytes are not code page 932.
std::string unpackFieldLossy(std::string_view bytes);
bool unpackField(std::string_view bytes, std::string& out);

}  // namespace myu
