#include "ui/QtWindowHost.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>

#include "startup/Form.h"
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
  for (auto& [f, loop] : modalLoops_)
    if (f == &form) loop->quit();
}

void QtWindowHost::formClosed(Form& form) {
  for (auto& [f, loop] : modalLoops_)
    if (f == &form) loop->quit();
  auto it = views_.find(&form);
  if (it != views_.end()) {
    if (FormView* view = it->second.data()) {
      view->detach();
      view->hide();
      view->deleteLater();
    }
    views_.erase(it);
  }
  maybeQuit();
}

void QtWindowHost::runModal(Form& form) {
  if (form.closed || !form.shown) return;
  QEventLoop loop;
  modalLoops_.emplace_back(&form, &loop);
  if (!form.closed && form.shown) loop.exec();
  std::erase_if(modalLoops_, [&loop](const auto& p) { return p.second == &loop; });
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
  // The windows go on answering the owner through the pause; what changed shows first.
  syncAll();
  QElapsedTimer elapsed;
  elapsed.start();
  while (elapsed.elapsed() < milliseconds) {
    const auto left = static_cast<int>(milliseconds - elapsed.elapsed());
    QCoreApplication::processEvents(QEventLoop::AllEvents, left > 0 ? left : 0);
    syncAll();
    if (left > 0) QThread::msleep(static_cast<unsigned long>(left < 15 ? left : 15));
  }
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

void QtWindowHost::maybeQuit() {
  if (quitWhenNoWindow_ && !anyFormShown()) QCoreApplication::quit();
}

}  // namespace myu::ui
