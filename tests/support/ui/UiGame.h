// A game for the view tests: the scripted services with the real window host, in a fresh
// temporary program folder, and the pictures the tests draw.
#pragma once

#include <QColor>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <sstream>

#include "kernel/Game.h"
#include "testsupport/Scripted.h"
#include "ui/QtWindowHost.h"

namespace myu::test {

class UiGame {
 public:
  UiGame();
  ~UiGame();
  UiGame(const UiGame&) = delete;
  UiGame& operator=(const UiGame&) = delete;

  Game& game() { return *game_; }
  ui::QtWindowHost& host() { return *host_; }
  // A path in the program folder.
  QString path(const QString& name) const { return dir_.filePath(name); }
  // What the pet window's tests start from: the program's own views, dialogs that answer
  // with their default button, and a pet "ぴよ" with 60 of 60 HP.
  void preparePetWindow();
  // Copies the pictures of the built program folder (its Img folder) into the program folder.
  void copyProgramPictures();

  std::ostringstream out;  // the transcript
  ScriptedServices scripted{out};

 private:
  QTemporaryDir dir_;
  std::unique_ptr<ui::QtWindowHost> host_;
  std::unique_ptr<Game> game_;
};

// Writes a BMP picture of width × height pixels: `left` on the left half, `right` on the
// right, and, when given, one pixel of `dot` at the top left. False when it was not written.
bool writeBmp(const QString& path, int width, int height, QColor left, QColor right,
              std::optional<QColor> dot = std::nullopt);

}  // namespace myu::test
