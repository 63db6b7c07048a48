// The platform services the game relies on. The Qt build supplies the real ones, tests and
// the scenario runner scripted ones (src/testsupport). Nothing here knows about Qt.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/DateTime.h"

namespace myu {

class Form;

// Message-box styles: a button set, an icon and an optional default-button flag, summed.
namespace mb {
inline constexpr int kOkOnly = 0;
inline constexpr int kOkCancel = 1;
inline constexpr int kYesNoCancel = 3;
inline constexpr int kYesNo = 4;
inline constexpr int kCancelTryContinue = 6;
inline constexpr int kCritical = 16;
inline constexpr int kQuestion = 32;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;
inline constexpr int kDefaultButton2 = 256;
// Answer codes.
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
inline constexpr int kTryAgain = 10;
inline constexpr int kContinue = 11;
}  // namespace mb

// The application title shown by a dialog whose title is empty.
inline constexpr const char* kAppTitle = "ミュルカ";

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Modal message box; returns the answer code.
  virtual int msgBox(const std::string& prompt, int style, const std::string& title) = 0;
  // Modal text-input box; returns the typed text, or the empty text when cancelled.
  virtual std::string inputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultText) = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime now() = 0;
  // The same moment in milliseconds (now().serialSeconds() × 1000 plus the milliseconds), for
  // measuring how long the owner takes to answer.
  virtual std::int64_t nowMs() { return now().serialSeconds() * 1000; }
};

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A uniform integer in lo..hi, both included.
  virtual std::int32_t between(std::int32_t lo, std::int32_t hi) = 0;
};

class Shell {
 public:
  virtual ~Shell() = default;
  // Asks the system to "open" a document; returns a code above 32 on success, 2 when the
  // file does not exist, another small code on other failures.
  virtual int open(const std::string& path, const std::string& workingDirectory) = 0;
  // The owner's desktop folder (UTF-8 path), whether it exists or not: XDG_DESKTOP_DIR of the
  // XDG user folders, $HOME/Desktop when they name none. The game makes it when it needs it.
  virtual std::string desktopFolder() = 0;
};

// Log off, restart and shut down. Only the program itself links the real one.
class Session {
 public:
  virtual ~Session() = default;
  enum class Request { LogOff, Reboot, Shutdown, ForceLogOff };
  virtual int request(Request what) = 0;
};

// Screen geometry in twips, for keeping windows on the screen: one monitor of the desktop.
struct ScreenArea {
  int left = 0, top = 0, width = 15360, height = 11520;
};

// Where windows appear. The Qt layer shows real windows; the scenario runner lets a modal
// window take the following script lines until it closes.
class WindowHost {
 public:
  virtual ~WindowHost() = default;
  virtual void formShown(Form& form, bool modal) = 0;
  virtual void formHidden(Form& form) = 0;
  // Called after the form's unload; the form object is destroyed right after.
  virtual void formClosed(Form& form) = 0;
  // For a modal form: returns once the form is closed (or hidden).
  virtual void runModal(Form& form) = 0;
  // The monitor that holds the given window (twips): the one with the largest part of it.
  virtual ScreenArea screenOf(const Form& form) = 0;
  // Every monitor of the desktop (twips), the primary one first.
  virtual std::vector<ScreenArea> screens() = 0;
  // False when the desktop does not put a window where the game moves it (a compositor that
  // places every window itself, or a window that cannot know its own position): the window
  // stays where the desktop put it and its position is what it really has.
  virtual bool placesWindow(const Form& form) {
    (void)form;
    return true;
  }
  // Puts a window into or out of the always-on-top band.
  virtual void setOnTop(Form& form, bool onTop) = 0;
  // A short pause that lets the windows repaint.
  virtual void sleep(int milliseconds) = 0;
  // A longer pause in which the windows keep answering the owner (a button may be pressed,
  // a window closed). Without a display it is the same as sleep.
  virtual void waitResponsive(int milliseconds) { sleep(milliseconds); }
};

// Whether another copy of the program is already running.
class InstanceLock {
 public:
  virtual ~InstanceLock() = default;
  virtual bool alreadyRunning() = 0;
};

// Every service, handed to the game object in one bundle.
struct Services {
  Dialogs* dialogs = nullptr;
  Clock* clock = nullptr;
  RandomSource* random = nullptr;
  Shell* shell = nullptr;
  Session* session = nullptr;
  WindowHost* windows = nullptr;
  InstanceLock* instance = nullptr;  // none: this copy is the only one
};

}  // namespace myu
