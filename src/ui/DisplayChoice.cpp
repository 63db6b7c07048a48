#include "ui/DisplayChoice.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace myu::ui {
namespace {

constexpr const char* kNoDisplay =
    "myuruka: 画面に接続できませんでした。X11 の画面 (DISPLAY) も Wayland の画面 "
    "(WAYLAND_DISPLAY) も開けません。デスクトップの中から起動してね。\n";

QtMessageHandler previousHandler = nullptr;

// Qt ends with qFatal when no platform could be opened: the program ends with its own message.
void onStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    if (previousHandler != nullptr) previousHandler(type, context, message);
    return;
  }
  std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
  std::fputs(kNoDisplay, stderr);
  std::fflush(stderr);
  std::_Exit(1);
}

bool isSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

}  // namespace

void chooseDisplay() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  if (!isSet("QT_QPA_PLATFORM")) {
    if (!isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY")) {
      std::fputs(kNoDisplay, stderr);
      std::exit(1);
    }
    // XWayland first, then Wayland itself: Qt takes the first of the list that opens.
    if (isSet("WAYLAND_DISPLAY"))
      qputenv("QT_QPA_PLATFORM", isSet("DISPLAY") ? "xcb;wayland" : "wayland");
  }
#endif
  previousHandler = qInstallMessageHandler(onStartMessage);
}

void displayOpened() {
  qInstallMessageHandler(previousHandler);
}

}  // namespace myu::ui
