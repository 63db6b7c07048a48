// The running program: the game state record, its two folders (kernel/ProgramFolders.h says
// which is which), the INI store, the open language files, the open windows and the platform
// services. One object, passed by
// reference; there are no globals.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "kernel/GameState.h"
#include "kernel/PetWindowPort.h"
#include "kernel/ProgramFolders.h"
#include "platform/DateTime.h"
#include "platform/Form.h"
#include "platform/IniFile.h"
#include "platform/Platform.h"
#include "platform/RecordFile.h"

namespace myu {

class Game {
 public:
  // One program folder for everything, as a program run from its own folder has it.
  Game(std::filesystem::path programFolder, Services services);
  Game(ProgramFolders folders, Services services);
  ~Game();
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  GameState st;
  IniStore ini;
  // Depth of running event handlers; closed forms are destroyed when it returns to 0.
  int eventDepth = 0;
  // Depth of the owner's events and timer ticks running now (only those: a script's own line
  // is not one), so that a tick can tell whether it interrupts another handler.
  int handlerDepth = 0;
  // While set, a reported error is written to the error log only, without its box: for the
  // saves nobody is there to answer (the session ending, the periodic save).
  bool quietErrors = false;
  // Sets quietErrors for its lifetime and puts back what was there.
  class QuietErrors {
   public:
    explicit QuietErrors(Game& g) : g_(g), was_(g.quietErrors) { g.quietErrors = true; }
    ~QuietErrors() { g_.quietErrors = was_; }
    QuietErrors(const QuietErrors&) = delete;
    QuietErrors& operator=(const QuietErrors&) = delete;

   private:
    Game& g_;
    bool was_;
  };
  // Told of every line written to the error log (the scenario runner prints them).
  std::function<void(const std::string&)> errorLogObserver;
  RecordFile lang1;  // the own language file (handle 1)
  RecordFile lang3;  // another pet's language file (handle 3)
  // Closes both language files, as the game does after each use of another pet's words.
  void closeWordFiles() {
    lang1.close();
    lang3.close();
  }

  // The program's version, from the project's one statement of it (CMakeLists.txt).
  static constexpr int kVersionMajor = MYURUKA_VERSION_MAJOR, kVersionMinor = MYURUKA_VERSION_MINOR,
                       kVersionRevision = MYURUKA_VERSION_PATCH;

  // The pet folder: the pet's own files, read and written.
  const std::filesystem::path& folder() const { return folder_; }
  // A file in the pet folder; name is UTF-8.
  std::filesystem::path file(const std::string& name) const;
  // The data folder: the pictures, the help page, the notes, only ever read.
  const std::filesystem::path& dataFolder() const { return dataFolder_; }
  // A file in the data folder; name is UTF-8.
  std::filesystem::path dataFile(const std::string& name) const;
  std::filesystem::path userIni() const { return file("user.ini"); }
  std::filesystem::path titleIni() const { return file("title.ini"); }
  std::filesystem::path deadIni() const { return file("dead.ini"); }

  Services& services() { return services_; }
  Dialogs& dialogs() { return *services_.dialogs; }
  WindowHost& windows() { return *services_.windows; }
  DateTime now() { return services_.clock->now(); }

  // The pet window as the save routines see it.
  PetWindowPort& petWindow() { return *petWindow_; }
  void setPetWindow(PetWindowPort* port) { petWindow_ = port != nullptr ? port : &detached_; }

  // Message boxes and input boxes through the dialog service.
  int MsgBox(const std::string& prompt, int style = 0, const std::string& title = "");
  std::string InputBox(const std::string& prompt, const std::string& title = "",
                       const std::string& defaultText = "");

  // Windows. Each form exists at most once, by name, as the platform's default instances.
  template <typename F>
  F& form() {
    if (Form* f = findForm(F::kName)) return static_cast<F&>(*f);
    auto fresh = std::make_unique<F>(*this);
    F& ref = *fresh;
    forms_.push_back(std::move(fresh));
    return ref;
  }
  Form* findForm(const std::string& name);
  std::vector<Form*> openForms();
  // Loads the form when needed (its Form_Load runs once).
  void load(Form& f);
  // Shows a form; a modal one returns once it is closed or hidden.
  void show(Form& f, bool modal = false);
  void hide(Form& f);
  // Closes a form: its QueryUnload may cancel; then Form_Unload, and the form goes away.
  // Returns false when the close was cancelled.
  bool unload(Form& f);
  // Destroys closed forms; the hosts call it when no event handler is running.
  void reapClosedForms();

 private:
  std::filesystem::path folder_;
  std::filesystem::path dataFolder_;
  Services services_;
  DetachedPetWindow detached_;
  PetWindowPort* petWindow_ = &detached_;
  std::vector<std::unique_ptr<Form>> forms_;
  std::vector<std::unique_ptr<Form>> closed_;
};

// Program folder paths from UTF-8 names.
std::filesystem::path u8path(const std::string& utf8);
std::string pathToUtf8(const std::filesystem::path& p);

}  // namespace myu
