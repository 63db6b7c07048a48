#include "kernel/mdlMain.h"

#include <cstdlib>
#include <fstream>

#include "platform/DurableFile.h"
#include "platform/FileNames.h"
#include "platform/Sjis.h"

namespace myu {

void ErrorHandle(Game& g, std::int32_t number, const std::string& description,
                 const std::string& title, const std::string& label) {
  std::string line =
      g.now().format() + " " + label + ":(" + std::to_string(number) + ") - " + description;
  if (g.errorLogObserver) g.errorLogObserver(line);
  {
    // A log that cannot be written (a read-only folder) is passed over: the box still shows.
    std::ofstream log(g.file("KivoError.log"), std::ios::binary | std::ios::app);
    if (log) {
      auto bytes = toCp932(line);
      log << (bytes ? *bytes : line) << "\r\n";
    }
  }
  if (g.quietErrors) return;
  g.MsgBox("えらーが起こっちまったようですね。\r\rｴﾗｰ番号 : " + std::to_string(number) + "\r" +
               description,
           mb::kCritical + mb::kOkOnly, title);
}

std::string ownersDesktop(Game& g) {
  Shell* shell = g.services().shell;
  std::string desktop = shell != nullptr ? CutAtNul(shell->desktopFolder()) : std::string();
  if (desktop.empty()) raise(err::kPathNotFound);
  const std::filesystem::path folder = u8path(desktop);
  std::error_code ec;
  if (std::filesystem::is_directory(folder, ec)) return desktop;
  std::filesystem::create_directories(folder, ec);
  if (ec) raise(fileErrorNumber(ec));
  if (!std::filesystem::is_directory(folder, ec)) raise(err::kPathNotFound);
  return desktop;
}

void reportCurrentError(Game& g, std::string_view label) {
  std::int32_t number = err::kInvalidCall;
  std::string description;
  try {
    throw;
  } catch (const HostAbort&) {
    throw;
  } catch (const VbError& e) {
    number = e.number();
    description = e.description();
  } catch (const std::bad_alloc&) {
    number = err::kOutOfMemory;
    description = errorDescription(number);
  } catch (...) {
    description = errorDescription(number);
  }
  ErrorHandle(g, number, description, kAppTitle, std::string(label) + "ErrorHandle");
}

std::int32_t RandomBetween(Game& g, std::int32_t lo, std::int32_t hi) {
  return g.services().random->between(lo, hi);
}

std::string CutAtNul(const std::string& s) {
  auto nul = s.find('\0');
  return nul == std::string::npos ? s : s.substr(0, nul);
}

std::int32_t GetStringA(Game& g, const std::string& section, const std::string& key,
                        const std::string& defaultValue, std::string& value,
                        const std::filesystem::path& file) {
  return guarded(g, "mdlMain/GetStringA ", std::int32_t{0}, [&] {
    std::string buffer = g.ini.getString(file, section, key, defaultValue, 255);
    buffer = CutAtNul(buffer);
    auto first = buffer.find_first_not_of(' ');
    auto last = buffer.find_last_not_of(' ');
    value = first == std::string::npos ? std::string() : buffer.substr(first, last - first + 1);
    return std::int32_t{1};
  });
}

namespace {
std::int32_t openLanguageFile(RecordFile& handle, const std::filesystem::path& path) {
  handle.close();
  handle = RecordFile(path, 60);
  handle.open();
  return handle.count();
}
}  // namespace

std::int32_t OPENDAT1(Game& g) {
  return guarded(g, "mdlMain/OPENDAT1 ", std::int32_t{0}, [&] {
    // A name that cannot name a file of the program folder has no language file: the pet
    // then knows no words (start-up has told the owner once why).
    if (!isUsableDataName(g.st.petName)) {
      g.lang1.close();
      return std::int32_t{0};
    }
    return openLanguageFile(g.lang1, g.file(g.st.petName + ".dat"));
  });
}

std::int32_t OPENDAT3(Game& g, const std::string& path) {
  return guarded(g, "mdlMain/OPENDAT3 ", std::int32_t{0}, [&] {
    // The file named must be a plain name inside its folder: nothing is made elsewhere.
    const auto file = u8path(path);
    if (!isSafeFileName(pathToUtf8(file.filename()))) raise(err::kBadFileName);
    return openLanguageFile(g.lang3, file);
  });
}

void ActiveKivoMain(Game& g, bool enabled) {
  guarded(g, "mdlMain/ActiveKivoMain ", [&] { g.petWindow().setClocks(enabled); });
}

void PRE_VIEW(Game& g, std::int16_t onTop, Form& window) {
  guarded(g, "mdlMain/PRE_VIEW ", [&] {
    window.onTop = onTop == 1;
    g.windows().setOnTop(window, onTop == 1);
  });
}

float versionNumber(int major, int minor, int revision) {
  std::string text = std::to_string(major) + "." + std::to_string(minor) + std::to_string(revision);
  return std::strtof(text.c_str(), nullptr);
}

}  // namespace myu
