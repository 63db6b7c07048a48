#include "support/ui/UiGame.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>

#include "ui/Views.h"

namespace myu::test {

UiGame::UiGame() : host_(std::make_unique<ui::QtWindowHost>()) {
  const std::filesystem::path folder = dir_.path().toStdString();
  Services s = scripted.forFolder(folder);
  s.windows = host_.get();
  game_ = std::make_unique<Game>(folder, s);
}

UiGame::~UiGame() {
  game_.reset();
  host_.reset();
}

void UiGame::preparePetWindow() {
  scripted.dialogs.autoMode = true;
  ui::registerViews(*host_);
  GameState& s = game_->st;
  s.petName = "ぴよ";
  s.maxHp = 60;
  s.hp = 60;
}

void UiGame::copyProgramPictures() {
  const QString from = QStringLiteral(MYURUKA_PROGRAM_DIR "/Img");
  QDir().mkpath(dir_.filePath(QStringLiteral("Img")));
  QDirIterator it(from, QDir::Files);
  while (it.hasNext()) {
    const QString source = it.next();
    QFile::copy(source, dir_.filePath(QStringLiteral("Img/") + it.fileName()));
  }
}

bool writeBmp(const QString& path, int width, int height, QColor left, QColor right,
              std::optional<QColor> dot) {
  QImage img(width, height, QImage::Format_RGB32);
  img.fill(left);
  for (int y = 0; y < height; ++y)
    for (int x = width / 2; x < width; ++x) img.setPixelColor(x, y, right);
  if (dot) img.setPixelColor(0, 0, *dot);
  return img.save(path, "BMP");
}

}  // namespace myu::test
