// Real windows for the game's forms: a FormView per shown form, modal forms in a nested
// event loop, the screen geometry in twips, the always-on-top band and pauses. A pause in
// which the windows keep answering belongs to the innermost modal window: once that window
// has closed, the pause ends and the remaining pauses of the same step are skipped.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <list>
#include <map>
#include <string>
#include <vector>

#include "platform/Platform.h"

class QEventLoop;
class QScreen;
class QWidget;
class QPoint;
class QSize;

namespace myu {
class Game;
}

namespace myu::ui {

class FormView;

class QtWindowHost final : public QObject, public WindowHost {
  Q_OBJECT

 public:
  using ViewFactory = std::function<FormView*(Form&, QtWindowHost&)>;

  QtWindowHost();
  ~QtWindowHost() override;

  void formShown(Form& form, bool modal) override;
  void formHidden(Form& form) override;
  void formClosed(Form& form) override;
  void runModal(Form& form) override;
  ScreenArea screenOf(const Form& form) override;
  std::vector<ScreenArea> screens() override;
  bool placesWindow(const Form& form) override;
  void setOnTop(Form& form, bool onTop) override;
  void sleep(int milliseconds) override;
  void waitResponsive(int milliseconds) override;

  // A view class of its own for the form of that name (the default is a plain FormView).
  void registerView(const std::string& formName, ViewFactory factory);
  // Mirrors every open form onto its window; called after each event the owner causes.
  void syncAll();
  FormView* viewOf(const Form& form) const;
  // The program quits when that form closes (the pet window), and only then: a moment in
  // which every window is hidden (one window hands over to another) is no end.
  void quitWhenClosed(const Form& form) { quitWith_ = &form; }
  // True once the form named by quitWhenClosed has closed and the quit was asked for.
  bool quitAsked() const { return quitAsked_; }
  // True while some form is shown.
  bool anyFormShown() const;
  // The game whose windows these are: boxes shown before the pet window opens go onto the
  // monitor of its saved position.
  void setGame(Game& game) { game_ = &game; }

  // The window a new window or box belongs to: the innermost modal window of ours, else the
  // active one, else the pet window, else any other shown one; only a window on screen
  // (never a hidden one), and never `except`. Nothing when none is on screen.
  static FormView* ownerWindow(const QWidget* except = nullptr);
  // The monitor a new window or box opens on: the owner's, else the hidden pet window's (it
  // comes back there), else the primary monitor.
  static QScreen* ownerScreen(const QWidget* except = nullptr);
  // Puts a window of that outer size in the middle of a monitor's free area (pixels).
  static QPoint centredOn(const QScreen* screen, const QSize& outer);
  // False on a platform where a window cannot place itself or know where it is (native
  // Wayland): the saved position stays as it was.
  static bool windowsKnowTheirPlace();

 private:
  FormView* ensureView(Form& form);

  std::map<const Form*, QPointer<FormView>> views_;
  std::map<std::string, ViewFactory> factories_;
  // A modal form's event loop, innermost last, with the pauses taken inside it.
  struct Modal {
    const Form* form;
    QEventLoop* loop;
    bool ended = false;  // the form has closed or hidden: its loop is quitting
    std::vector<QEventLoop*> pauses;
  };
  void endModal(const Form& form);

  std::list<Modal> modalLoops_;
  const Form* quitWith_ = nullptr;
  bool quitAsked_ = false;
  Game* game_ = nullptr;
  static QtWindowHost* instance_;
};

}  // namespace myu::ui
