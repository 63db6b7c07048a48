#include "platform/RecordFile.h"

#include <fstream>
#include <system_error>

#include "platform/Sjis.h"
#include "platform/VbError.h"

namespace myu {

RecordFile::RecordFile(std::filesystem::path path, std::size_t recordLength)
    : path_(std::move(path)), length_(recordLength) {}

void RecordFile::open() {
  std::error_code ec;
  if (!std::filesystem::exists(path_, ec)) {
    std::ofstream create(path_, std::ios::binary);
    if (!create) throw VbError(err::kPathFileAccess);
  } else if (std::filesystem::is_directory(path_, ec)) {
    throw VbError(err::kPathFileAccess);
  }
  open_ = true;
}

std::int32_t RecordFile::count() const {
  std::error_code ec;
  auto size = std::filesystem::file_size(path_, ec);
  if (ec || length_ == 0) return 0;
  auto n = size / length_;
  return n > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<std::int32_t>(n);
}

std::string RecordFile::read(std::int32_t n) const {
  if (n < 1) throw VbError(err::kBadRecordNumber);
  std::string rec(length_, ' ');
  std::ifstream in(path_, std::ios::binary);
  if (!in) throw VbError(err::kFileNotFound);
  in.seekg(static_cast<std::streamoff>((static_cast<std::uint64_t>(n) - 1) * length_));
  if (!in) return rec;
  in.read(rec.data(), static_cast<std::streamsize>(length_));
  auto got = static_cast<size_t>(in.gcount());
  for (size_t i = got; i < length_; ++i) rec[i] = ' ';
  return rec;
}

void RecordFile::forEach(std::int32_t last,
                         const std::function<bool(std::int32_t, std::string_view)>& visit) const {
  if (last < 1) return;
  std::ifstream in(path_, std::ios::binary);
  if (!in) throw VbError(err::kFileNotFound);
  std::string rec(length_, ' ');
  for (std::int32_t n = 1; n <= last; ++n) {
    std::size_t got = 0;
    if (in) {
      in.read(rec.data(), static_cast<std::streamsize>(length_));
      got = static_cast<std::size_t>(in.gcount());
    }
    for (std::size_t i = got; i < length_; ++i) rec[i] = ' ';
    if (!visit(n, rec)) return;
  }
}

void RecordFile::write(std::int32_t n, std::string_view record) const {
  if (n < 1) throw VbError(err::kBadRecordNumber);
  std::string rec(record.substr(0, length_));
  rec.resize(length_, ' ');
  std::fstream io(path_, std::ios::binary | std::ios::in | std::ios::out);
  if (!io) throw VbError(err::kPermissionDenied);
  auto offset = static_cast<std::streamoff>((static_cast<std::uint64_t>(n) - 1) * length_);
  io.seekp(0, std::ios::end);
  auto size = static_cast<std::streamoff>(io.tellp());
  if (offset > size) {
    // Records between the end and n are filled with blanks, as a random-access write does.
    std::string gap(static_cast<size_t>(offset - size), ' ');
    io.write(gap.data(), static_cast<std::streamsize>(gap.size()));
  }
  io.seekp(offset);
  io.write(rec.data(), static_cast<std::streamsize>(rec.size()));
  io.flush();
  if (!io) throw VbError(err::kDeviceIo);
}

std::string packField(std::string_view utf8, std::size_t width) {
  std::string bytes;
  if (auto b = toCp932(utf8)) {
    bytes = *b;
  } else {
    size_t i = 0;
    while (i < utf8.size()) {
      auto c = static_cast<unsigned char>(utf8[i]);
      size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
      if (i + n > utf8.size()) n = utf8.size() - i;
      auto one = toCp932(utf8.substr(i, n));
      bytes += one ? *one : std::string("?");
      i += n;
    }
  }
  std::string out = cutSjisBytes(bytes, width);
  out.resize(width, ' ');
  return out;
}

namespace {
std::string_view stripField(std::string_view bytes) {
  size_t nul = bytes.find('\0');
  if (nul != std::string_view::npos) bytes = bytes.substr(0, nul);
  while (!bytes.empty() && bytes.back() == ' ') bytes.remove_suffix(1);
  return bytes;
}
}  // namespace

std::string unpackFieldLossy(std::string_view bytes) {
  return fromCp932Lossy(stripField(bytes));
}

bool unpackField(std::string_view bytes, std::string& out) {
  auto text = fromCp932(stripField(bytes));
  if (!text) {
    out = fromCp932Lossy(stripField(bytes));
    return false;
  }
  out = *text;
  return true;
}

}  // namespace myu
