// Browsing for a file in a window with a drive list Drive1, a folder list Dir1 and a file
// list File1 (the feeding and the friends windows), and the checks on a file dropped onto the
// file list. Unreadable folders list nothing.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Form.h"

namespace myu {

// Where an owner keeps files. On Windows: the drive roots that exist. Elsewhere: the home
// folder, the desktop, the program folder and the mounted volumes under /media/$USER and
// /mnt; each once, only those that are folders. UTF-8 paths.
std::vector<std::string> browsePlaces(const std::string& desktop,
                                      const std::filesystem::path& programFolder);

// The names of the subfolders of a folder, sorted; empty when it cannot be read.
std::vector<std::string> subfolderNames(const std::filesystem::path& folder);

// The names of the files in a folder that match the pattern ("*.krp", "*遺言*.dat": * any
// run of characters, ? one character), ASCII letter case aside, sorted; empty when the folder
// cannot be read.
std::vector<std::string> matchingFileNames(const std::filesystem::path& folder,
                                           const std::string& pattern);
bool matchesPattern(const std::string& utf8Name, const std::string& pattern);

// True when the folder exists and its entries can be listed.
bool isReadableFolder(const std::filesystem::path& folder);

// ASCII letters folded to lower case.
std::string asciiLower(std::string s);

// The three lists of a form (Drive1, Dir1, File1), kept in step: the drive list follows the
// folder shown, the file list shows the folder's files that match its pattern.
class FileBrowser {
 public:
  FileBrowser(Form& form, Control& drive, Control& dir, Control& file)
      : form_(form), drive_(drive), dir_(dir), file_(file) {}

  // Wires the folder list: choosing an entry opens it, typing a path goes there. Each change
  // of folder then runs onFolderChanged (the form's Dir1_Change).
  // Binds the three lists: a choice in the drive list runs driveChanged, each change of folder
  // folderChanged (the form's Dir1_Change), a click on a file (its name put into the file
  // list's text first) fileClicked, a drop onto the file list dropped.
  struct Handlers {
    std::function<void()> driveChanged, folderChanged, fileClicked;
    std::function<void(const EventArgs&)> dropped;
  };
  void wire(Handlers handlers);
  // Fills the drive list with the places and shows the folder.
  void start(const std::string& folder);
  // Shows a folder in the folder list; false when it is not a folder.
  bool showFolder(const std::string& path);
  // The drive list's chosen place shown; false when it cannot be read (the form says so).
  bool driveChanged();
  // The file list follows the folder list (its choice kept while it is still listed).
  void followFolder();
  void refreshFiles();
  // Chooses a file of the shown folder in the file list by name.
  void chooseFile(const std::string& name);

  std::string fileName();
  std::string folder();
  std::filesystem::path chosenFile();

 private:
  Form& form_;
  Control& drive_;
  Control& dir_;
  Control& file_;
  std::function<void()> onFolderChanged_;
};

// The file of a drop onto a file list with the pattern, or nothing after the window has said
// why not: more than one file, something that is not a file (a folder is passed over without a
// word), an extension other than the pattern's last three characters (letter case counts).
std::optional<std::filesystem::path> acceptDroppedFile(Game& g,
                                                       const std::vector<std::string>& files,
                                                       const std::string& pattern);

}  // namespace myu
