#include "events/mdlEventrakuda.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "kernel/mdlMain.h"
#include "platform/Sjis.h"

namespace myu {
namespace fs = std::filesystem;

namespace {

constexpr const char* kRootName = "らくだのこぶ";
constexpr const char* kRootNote = "はじまり.txt";
constexpr const char* kRootText = "シルクロードのはじまり地点は、ここなのだ！";
constexpr const char* kNote = "アタリかハズレか謎なのだ.txt";
constexpr const char* kMiss = "・・・・・・これでもかってぐらい、ハズレ。";
constexpr const char* kHit = "おぉ、アタリだけど無意味な戦いだったね。。";
constexpr std::array<const char*, 15> kHumps = {
    "ひとこぶめ", "ふたこぶめ", "ちょっとこぶ", "にきび",   "おでき",
    "ふきでもの", "けあな",     "かなりこぶ",   "こぶへい", "ももひき",
    "こぶこぶこ", "こぶちゃ",   "どこぶ",       "どこぶ",   "幻のこぶ"};

const std::string kSep(1, static_cast<char>(fs::path::preferred_separator));

// Writes one line of text in code page 932, ended by CR LF. Never through a link: the hunt
// writes inside its own tree only.
void writeNote(const std::string& path, const std::string& line) {
  std::error_code ec;
  const fs::path p = u8path(path);
  if (fs::is_symlink(p, ec)) raise(err::kPathFileAccess);
  auto bytes = toCp932(line);
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  if (!out) raise(err::kPathNotFound);
  out << (bytes ? *bytes : line) << "\r\n";
  out.close();
  if (!out) raise(err::kDeviceIo);
}

// The platform's directory search for an exact file name.
bool fileNamed(const fs::path& folder, const std::string& name) {
  std::error_code ec;
  const fs::path wanted = u8path(name);
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    if (it->path().filename() == wanted && it->is_regular_file(ec)) return true;
  return false;
}

bool holdsAFile(const fs::path& folder) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    if (it->is_regular_file(ec)) return true;
  return false;
}

}  // namespace

bool MakeHumpLevel(Game& g, std::string& path, std::int32_t& level) {
  // Every failing step is passed over.
  std::int32_t hi = level <= 2 ? 2 : level <= 4 ? 5 : level <= 9 ? 10 : 15;
  std::int32_t n = 1;
  try {
    n = RandomBetween(g, 1, hi);
  } catch (const HostAbort&) {
    throw;
  } catch (...) {
  }
  if (n < 1 || n > static_cast<std::int32_t>(kHumps.size())) n = 1;
  path += std::string("らくだの") + kHumps[static_cast<std::size_t>(n - 1)] + kSep;
  const fs::path folder = u8path(path);
  if (holdsAFile(folder)) return true;
  std::error_code ec;
  // A link is never written through (the caller stops there).
  if (fs::is_symlink(folder.parent_path(), ec)) return true;
  fs::create_directory(folder, ec);
  try {
    if (!fs::is_symlink(folder, ec)) writeNote(path + kNote, kMiss);
  } catch (const HostAbort&) {
    throw;
  } catch (...) {
  }
  return true;
}

bool makeDir(Game& g, std::string& path) {
  return guarded(g, "mdlEventrakuda/makeDir ", false, [&] {
    std::string desktop = ownersDesktop(g);
    if (desktop.back() != '/' && desktop.back() != '\\') desktop += kSep;
    path = desktop + kRootName + kSep;
    const fs::path root = u8path(path);
    std::error_code ec;
    if (fs::is_symlink(root.parent_path(), ec)) raise(err::kPathFileAccess);
    if (!fileNamed(root, kRootNote)) {
      // Making the root fails when it is there already without its note.
      if (!fs::create_directory(root, ec)) raise(ec ? err::kPathNotFound : err::kPathFileAccess);
      writeNote(path + kRootNote, kRootText);
    }
    std::int32_t depth = RandomBetween(g, 1, 8);
    for (std::int32_t level = 1; level <= depth; ++level) {
      if (!MakeHumpLevel(g, path, level)) return false;
      // A level that turned out to be a link would lead out of the tree.
      if (fs::is_symlink(u8path(path).parent_path(), ec)) raise(err::kPathFileAccess);
    }
    path += kNote;
    return true;
  });
}

bool RakudaProject(Game& g) {
  return guarded(g, "mdlEventrakuda/RakudaProject ", false, [&] {
    for (int i = 1; i <= 30; ++i) {
      std::string path;
      if (!makeDir(g, path)) {
        g.MsgBox("らくだのこぶ！\r\nしっぱいしちった！");
        return false;
      }
      writeNote(path, i == 1 ? kHit : kMiss);
    }
    return true;
  });
}

}  // namespace myu
