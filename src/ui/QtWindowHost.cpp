#include "ui/QtWindowHost.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QTimer>

#include "platform/Form.h"
#include "ui/FormView.h"
#include "ui/Twips.h"

namespace myu::ui {

QtWindowHost::QtWindowHost() = default;

QtWindowHost::~QtWindowHost() {
  for (auto& [form, view] : views_) {
    if (view) {
      view->detach();
      delete view.data();
    }
  }
}

void QtWindowHost::registerView(const std::string& formName, ViewFactory factory) {
  factories_[formName] = std::move(factory);
}

FormView* QtWindowHost::viewOf(const Form& form) const {
  auto it = views_.find(&form);
  return it == views_.end() ? nullptr : it->second.data();
}

FormView* QtWindowHost::ensureView(Form& form) {
  if (FormView* v = viewOf(form)) return v;
  auto it = factories_.find(form.name());
  FormView* view = it != factories_.end() ? it->second(form, *this) : new FormView(form, *this);
  views_[&form] = view;
  view->create();
  return view;
}

void QtWindowHost::formShown(Form& form, bool modal) {
  syncAll();
  FormView* view = ensureView(form);
  if (modal && !view->isVisible()) view->setWindowModality(Qt::ApplicationModal);
  if (form.onTop) view->setWindowFlag(Qt::WindowStaysOnTopHint, true);
  view->sync();
  view->show();
  view->raise();
  view->activateWindow();
}

void QtWindowHost::formHidden(Form& form) {
  if (FormView* view = viewOf(form)) view->hide();
  endModal(form);
}

void QtWindowHost::formClosed(Form& form) {
  endModal(form);
  auto it = views_.find(&form);
  if (it != views_.end()) {
    // The view may be inside one of its own handlers (the close box, a timer that paused):
    // it goes once that has returned.
    if (FormView* view = it->second.data()) view->release();
    views_.erase(it);
  }
  if (&form == quitWith_) {
    quitWith_ = nullptr;
    quitAsked_ = true;
    QCoreApplication::quit();
  }
}

void QtWindowHost::endModal(const Form& form) {
  for (Modal& m : modalLoops_) {
    if (m.form != &form) continue;
    m.ended = true;
    m.loop->quit();
    for (QEventLoop* pause : m.pauses) pause->quit();
  }
}

void QtWindowHost::runModal(Form& form) {
  if (form.closed || !form.shown) return;
  QEventLoop loop;
  auto it = modalLoops_.insert(modalLoops_.end(), Modal{&form, &loop, false, {}});
  if (!form.closed && form.shown) loop.exec();
  modalLoops_.erase(it);
}

ScreenArea QtWindowHost::screenOf(const Form& form) {
  const FormView* view = viewOf(form);
  const QScreen* screen = view != nullptr ? view->screen() : QGuiApplication::primaryScreen();
  ScreenArea area;
  if (screen == nullptr) return area;
  const double dpi = logicalDpi(screen);
  const QRect g = screen->geometry();
  area.left = pixelsToTwips(g.left(), dpi);
  area.top = pixelsToTwips(g.top(), dpi);
  area.width = pixelsToTwips(g.width(), dpi);
  area.height = pixelsToTwips(g.height(), dpi);
  return area;
}

void QtWindowHost::setOnTop(Form& form, bool onTop) {
  form.onTop = onTop;
  FormView* view = viewOf(form);
  if (view == nullptr) return;
  const bool visible = view->isVisible();
  if (view->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
  view->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  if (visible) view->show();  // changing the flags hides a window
}

void QtWindowHost::sleep(int milliseconds) {
  // What the handler changed so far shows before the pause.
  syncAll();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void QtWindowHost::waitResponsive(int milliseconds) {
  // What changed shows first; then the windows go on answering the owner, each event
  // bringing every window up to date, until the time is up.
  syncAll();
  if (milliseconds <= 0) return;
  // A modal form's loop stays in the list until its exec() returns, which is below this
  // call on the stack: the entry outlives the pause.
  Modal* owner = modalLoops_.empty() ? nullptr : &modalLoops_.back();
  if (owner != nullptr && owner->ended) return;
  QEventLoop pause;
  QTimer timer;
  timer.setSingleShot(true);
  timer.setTimerType(Qt::PreciseTimer);
  connect(&timer, &QTimer::timeout, &pause, &QEventLoop::quit);
  if (owner != nullptr) owner->pauses.push_back(&pause);
  timer.start(milliseconds);
  pause.exec();
  if (owner != nullptr) std::erase(owner->pauses, &pause);
  syncAll();
}

void QtWindowHost::syncAll() {
  // A view may go away while another syncs (a closed form): work on a copy.
  std::vector<QPointer<FormView>> views;
  for (auto& [form, view] : views_) views.push_back(view);
  for (auto& view : views)
    if (view && view->form() != nullptr) view->sync();
}

bool QtWindowHost::anyFormShown() const {
  for (const auto& [form, view] : views_)
    if (view && view->form() != nullptr && view->form()->shown && !view->form()->closed)
      return true;
  return false;
}

}  // namespace myu::ui
