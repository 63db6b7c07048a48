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
};

}  // namespace myu::ui
