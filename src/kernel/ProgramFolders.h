// Which folder holds what. This is the one place that says it.
//
// Every file the program reads or writes lies in one of two folders:
//
//   the data folder  what the program is shipped with, only ever read: the pictures (Img/,
//                    with their @2x twins), the help page お助けぺーじ.html, the notes
//                    注意事項.txt and the sample food files (*.krp)
//   the pet folder   the pet's own files, read and written: user.ini, title.ini, dead.ini,
//                    the language files (<pet name>.dat), the error log KivoError.log, the
//                    files made for friends and the wills, and the food files the feeding
//                    window lists
//
// A program run from a folder of its own (the build's program folder build/<preset>/myuruka)
// has one folder for both: the folder of its executable, as it always had.
//
// An installed program is an executable in PREFIX/bin beside the folder PREFIX/share/myuruka:
// it reads its data from there and never writes into PREFIX. Its pet lives in
// $XDG_DATA_HOME/myuruka, or ~/.local/share/myuruka when XDG_DATA_HOME is not set (or is not
// an absolute path, as the XDG base directory rules say). When that folder is made, on the
// first start, the sample food files are copied into it, once, so that the feeding window
// finds them beside the pet.
#pragma once

#include <filesystem>
#include <string>

namespace myu {

struct ProgramFolders {
  std::filesystem::path data;  // read only
  std::filesystem::path pet;   // read and written; empty when no home folder is known
  bool installed = false;
};

// The folders of a program whose executable lies in exeFolder. installedData is where an
// installed copy's data folder lies, relative to exeFolder ("../share/myuruka"); xdgDataHome
// and home are the environment's XDG_DATA_HOME and HOME (nullptr when not set).
ProgramFolders programFolders(const std::filesystem::path& exeFolder,
                              const std::filesystem::path& installedData, const char* xdgDataHome,
                              const char* home);

// Makes the pet folder of an installed copy when it is not there yet and then copies the
// sample food files of the data folder into it. Nothing to do for a program folder. False,
// with the reason in Japanese, when the folder cannot be made.
bool preparePetFolder(const ProgramFolders& folders, std::string& error);

}  // namespace myu
