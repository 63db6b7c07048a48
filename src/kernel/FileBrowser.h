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

// A place of the drive list: a plain name and the folder it opens (UTF-8).
struct Place {
  std::string name;
  std::string path;
  bool operator==(const Place&) const = default;
};

// Where a Linux owner keeps files, as the drive list offers them: the home folder, the desktop
// folder, the pet's folder, the root of the file system and the mounted media (each folder of
// /media/$USER and /run/media/$USER). Each folder once, only those that can be read; media
// named by their folder, the others by what they are.
struct PlaceSources {
  std::filesystem::path home, desktop, petFolder;
  std::string user;
  std::filesystem::path root = "/";  // the file system's root; the media lie under it
};
std::vector<Place> placesOf(const PlaceSources& sources);

// The drive list's places of this system: on Windows the drive roots that exist ("C:"),
// elsewhere placesOf() for $HOME and $USER.
std::vector<Place> browsePlaces(const std::string& desktop, const std::filesystem::path& petFolder);

// A place as its line in the drive list: the name, then its path ("ホーム (/home/taro)"); a
// drive letter alone.
std::string placeLine(const Place& place);

// The names of the subfolders of a folder, sorted, hidden ones (".name") left out; empty when
// it cannot be read.
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

// The three lists of a form (Drive1, Dir1, File1), kept in step, as the platform's list
// controls work: the drive list offers the places and shows the one that holds the open folder;
// the folder list shows the open folder's ancestors from the root down, indented, the open one
// marked "▼" (its ancestors "▽"), then its subfolders ("▷"), one level deeper; a click there
// only selects, a double click (or Enter) opens the selected folder; the file list shows the
// open folder's files that match its pattern.
class FileBrowser {
 public:
  FileBrowser(Form& form, Control& drive, Control& dir, Control& file)
      : form_(form), drive_(drive), dir_(dir), file_(file) {}

  // Binds the three lists: a choice in the drive list runs driveChanged, each change of folder
  // folderChanged (the form's Dir1_Change), a click on a file (its name put into the file
  // list's text first) fileClicked, a drop onto the file list dropped. In the folder list a
  // double click opens the selected entry and a typed path is gone to.
  struct Handlers {
    std::function<void()> driveChanged, folderChanged, fileClicked;
    std::function<void(const EventArgs&)> dropped;
  };
  void wire(Handlers handlers);
  // Fills the drive list with the places and shows the folder.
  void start(const std::string& folder);
  // Opens a folder in the folder list; false when it is not a folder.
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
  // Chooses the drive list's place that holds the open folder.
  void followDrive();

  Form& form_;
  Control& drive_;
  Control& dir_;
  Control& file_;
  std::function<void()> onFolderChanged_;
  std::vector<Place> places_;                      // the drive list's entries
  std::vector<std::filesystem::path> dirEntries_;  // the folder list's entries
};

// The file of a drop onto a file list with the pattern, or nothing after the window has said
// why not: more than one file, something that is not a file (a folder is passed over without a
// word), an extension other than the pattern's last three characters (letter case counts).
std::optional<std::filesystem::path> acceptDroppedFile(Game& g,
                                                       const std::vector<std::string>& files,
                                                       const std::string& pattern);

}  // namespace myu
