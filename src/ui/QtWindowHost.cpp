#include "ui/QtWindowHost.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include "kernel/Game.h"
#include "platform/Form.h"
#include "platform/Screens.h"
#include "ui/FormView.h"
#include "ui/Twips.h"

namespace myu::ui {

QtWindowHost* QtWindowHost::instance_ = nullptr;

QtWindowHost::QtWindowHost() {
  instance_ = this;
}

QtWindowHost::~QtWindowHost() {
  if (instance_ == this) instance_ = nullptr;
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

namespace {
constexpr const char* kPetWindow = "frmKivoMain";

FormView* petView() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* v = qobject_cast<FormView*>(w); v != nullptr && v->objectName() == kPetWindow)
      if (v->form() != nullptr) return v;
  return nullptr;
}

FormView* shownView(QWidget* w, const QWidget* except) {
  auto* v = qobject_cast<FormView*>(w);
  if (v == nullptr || v == except || v->form() == nullptr || !v->isVisible()) return nullptr;
  return v;
}
}  // namespace

FormView* QtWindowHost::ownerWindow(const QWidget* except) {
  if (FormView* v = shownView(QApplication::activeModalWidget(), except)) return v;
  if (FormView* v = shownView(QApplication::activeWindow(), except)) return v;
  if (FormView* v = shownView(petView(), except)) return v;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (FormView* v = shownView(w, except)) return v;
  return nullptr;
}

QScreen* QtWindowHost::ownerScreen(const QWidget* except) {
  const QWidget* owner = ownerWindow(except);
  if (owner == nullptr) {
    // The pet window hidden while another window is open keeps its place.
    const FormView* pet = petView();
    if (pet != nullptr && pet != except && pet->testAttribute(Qt::WA_Moved)) owner = pet;
  }
  if (owner != nullptr)
    if (QScreen* s = QGuiApplication::screenAt(owner->frameGeometry().center())) return s;
  // Before the pet window has opened: the monitor of the place it will open at.
  if (instance_ != nullptr && instance_->game_ != nullptr)
    if (const Form* pet = instance_->game_->petWindow().window()) {
      const Control& me = pet->me();
      const double dpi = logicalDpi(static_cast<const QScreen*>(nullptr));
      const QPoint centre(twipsToPixels(me.left + me.width / 2, dpi),
                          twipsToPixels(me.top + me.height / 2, dpi));
      if (QScreen* s = QGuiApplication::screenAt(centre)) return s;
    }
  return QGuiApplication::primaryScreen();
}

QPoint QtWindowHost::centredOn(const QScreen* screen, const QSize& outer) {
  if (screen == nullptr) return {};
  const QRect area = screen->availableGeometry();
  return area.center() - QPoint(outer.width() / 2, outer.height() / 2);
}

bool QtWindowHost::windowsKnowTheirPlace() {
  return !QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

void QtWindowHost::formShown(Form& form, bool modal) {
  syncAll();
  FormView* view = ensureView(form);
  if (modal && !view->isVisible()) view->setWindowModality(Qt::ApplicationModal);
  if (!view->isVisible() && form.name() != kPetWindow) {
    // A window belongs to the one it opens from: the desktop keeps it with that window (and
    // on its monitor), never with a hidden helper window.
    FormView* owner = ownerWindow(view);
    const Qt::WindowType type = owner != nullptr ? Qt::Dialog : Qt::Window;
    if (view->windowType() != type)
      view->setWindowFlags((view->windowFlags() & ~Qt::WindowType_Mask) | type);
    view->winId();
    if (QWindow* handle = view->windowHandle())
      handle->setTransientParent(owner != nullptr ? owner->windowHandle() : nullptr);
  }
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
  // By the window's own position: a window not yet shown is on the monitor it will open on.
  const Control& me = form.me();
  return monitorOf(screens(), me.left, me.top, me.width, me.height);
}

std::vector<ScreenArea> QtWindowHost::screens() {
  std::vector<ScreenArea> all;
  QList<QScreen*> list = QGuiApplication::screens();
  // The primary monitor first.
  if (QScreen* primary = QGuiApplication::primaryScreen()) {
    list.removeAll(primary);
    list.prepend(primary);
  }
  for (const QScreen* screen : list) {
    const double dpi = logicalDpi(screen);
    const QRect g = screen->geometry();
    all.push_back(ScreenArea{pixelsToTwips(g.left(), dpi), pixelsToTwips(g.top(), dpi),
                             pixelsToTwips(g.width(), dpi), pixelsToTwips(g.height(), dpi)});
  }
  if (all.empty()) all.emplace_back();
  return all;
}

bool QtWindowHost::placesWindow(const Form& form) {
  if (!windowsKnowTheirPlace()) return false;
  const FormView* view = viewOf(form);
  return view == nullptr || !view->movesIgnored();
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
