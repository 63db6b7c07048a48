#include "ui/QtServices.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSpacerItem>
#include <QStandardPaths>
#include <QUrl>
#include <chrono>
#include <cmath>

#include "ui/FormView.h"
#include "ui/MessageBoxStyle.h"
#include "ui/QtWindowHost.h"

namespace myu::ui {
namespace {
QString qs(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString titleOr(const std::string& title) {
  return title.empty() ? QString::fromUtf8(kAppTitle) : qs(title);
}

// A box belongs to the window it opens from (the desktop keeps it with that window, never with
// a hidden helper window) and opens in the middle of that window's monitor.
template <class Box>
class OwnedBox : public Box {
 public:
  OwnedBox() : Box(QtWindowHost::ownerWindow()), screen_(QtWindowHost::ownerScreen()) {}

 protected:
  void showEvent(QShowEvent* event) override {
    Box::showEvent(event);  // lays the box out at its size
    if (!event->spontaneous()) this->move(QtWindowHost::centredOn(screen_, this->frameSize()));
  }

 private:
  QPointer<QScreen> screen_;
};

QMessageBox::Icon qtIcon(int icon) {
  switch (icon) {
    case mb::kCritical:
      return QMessageBox::Critical;
    case mb::kQuestion:
      return QMessageBox::Question;
    case mb::kExclamation:
      return QMessageBox::Warning;
    case mb::kInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}
// The width a dialog needs for its whole title in the window manager's title bar: the title in
// a title bar's font (bold, a quarter larger than the dialog's own, as window managers draw it),
// with room for the bar's icon and buttons.
int titleBarWidth(const QWidget& box) {
  QFont bar = box.font();
  bar.setBold(true);
  bar.setPointSizeF(bar.pointSizeF() * 1.25);
  return QFontMetrics(bar).horizontalAdvance(box.windowTitle()) +
         8 * QFontMetrics(box.font()).height();
}
}  // namespace

int QtDialogs::msgBox(const std::string& prompt, int style, const std::string& title) {
  if (beforeShow) beforeShow();
  const MsgBoxLayout layout = msgBoxLayout(style);
  OwnedBox<QMessageBox> box;
  box.setWindowTitle(titleOr(title));
  box.setText(qs(normaliseLineBreaks(prompt)));
  box.setTextFormat(Qt::PlainText);
  box.setIcon(qtIcon(layout.icon));
  box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  // A message box sizes itself to its text: a spacer keeps it as wide as its title.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
    grid->addItem(new QSpacerItem(titleBarWidth(box), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
  std::vector<std::pair<QAbstractButton*, int>> answers;
  for (size_t i = 0; i < layout.buttons.size(); ++i) {
    const auto& b = layout.buttons[i];
    QPushButton* button = box.addButton(qs(b.caption), QMessageBox::ActionRole);
    answers.emplace_back(button, b.answer);
    if (static_cast<int>(i) == layout.defaultIndex) box.setDefaultButton(button);
    if (b.answer == layout.escapeAnswer) box.setEscapeButton(button);
  }
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  for (auto& [button, answer] : answers)
    if (button == clicked) return answer;
  return layout.escapeAnswer;
}

std::string QtDialogs::inputBox(const std::string& prompt, const std::string& title,
                                const std::string& defaultText) {
  if (beforeShow) beforeShow();
  OwnedBox<QInputDialog> box;
  box.setWindowTitle(titleOr(title));
  box.setLabelText(qs(normaliseLineBreaks(prompt)));
  box.setTextValue(qs(defaultText));
  box.setOkButtonText(QStringLiteral("OK"));
  box.setCancelButtonText(QStringLiteral("キャンセル"));
  box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  box.setMinimumWidth(titleBarWidth(box));
  if (box.exec() != QDialog::Accepted) return {};
  return box.textValue().toStdString();
}

DateTime QtClock::now() {
  const QDateTime t = QDateTime::currentDateTime();
  const QDate d = t.date();
  const QTime h = t.time();
  return DateTime{d.year(), d.month(), d.day(), h.hour(), h.minute(), h.second()};
}

std::int64_t QtClock::nowMs() {
  const QDateTime t = QDateTime::currentDateTime();
  const QDate d = t.date();
  const QTime h = t.time();
  return DateTime{d.year(), d.month(), d.day(), h.hour(), h.minute(), h.second()}.serialSeconds() *
             1000 +
         h.msec();
}

QtRandom::QtRandom()
    : engine_(static_cast<std::mt19937::result_type>(
          std::chrono::system_clock::now().time_since_epoch().count())) {}

std::int32_t QtRandom::between(std::int32_t lo, std::int32_t hi) {
  if (hi < lo) std::swap(lo, hi);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  const double r = unit(engine_);
  const double span = static_cast<double>(hi) - static_cast<double>(lo) + 1.0;
  const double v = std::floor(r * span + static_cast<double>(lo));
  if (v > hi) return hi;  // r can round up to 1 on some libraries
  return static_cast<std::int32_t>(v);
}

int QtShell::open(const std::string& path, const std::string& /*workingDirectory*/) {
  const QString file = qs(path);
  if (!QFileInfo::exists(file)) return 2;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(file)) ? 42 : 31;
}

std::string QtShell::desktopFolder() {
  QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  if (desktop.isEmpty()) desktop = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
  return desktop.toStdString();
}

}  // namespace myu::ui
