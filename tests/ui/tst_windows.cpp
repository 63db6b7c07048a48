// The game's windows on screen: the feeding window with a food file open and with every
// potion and poison, the status window's radar chart, the titles, the death window's last
// words, the hall of fame, the friends window with a friend's pet dropped on it and the
// battle window. Each is shown through the core, in a copy of the program
// folder, and checked on its widgets and pixels. With MYURUKA_SHOTS set to a folder, each
// window is also saved there as a picture (run under a real X server for window frames).
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <sstream>

#include "feeding/Feeding.h"
#include "feeding/frmServe.h"
#include "friends/Friends.h"
#include "friends/PetPictures.h"
#include "friends/frmBattle.h"
#include "friends/frmFriend.h"
#include "kernel/Game.h"
#include "kernel/UserInput.h"
#include "memorial/Memorial.h"
#include "memorial/frmDeaD.h"
#include "memorial/frmDendou.h"
#include "persistence/mdliniFile.h"
#include "petwindow/frmKivoMain.h"
#include "petwindow/frmSplash.h"
#include "petwindow/mdlGraphic.h"
#include "platform/Platform.h"
#include "platform/Sjis.h"
#include "startup/frmFirstProfile.h"
#include "status/StatusWindow.h"
#include "status/frmRoyalTitle.h"
#include "status/frmStatus.h"
#include "testsupport/Scripted.h"
#include "ui/AppLook.h"
#include "ui/FormView.h"
#include "ui/QtServices.h"
#include "ui/QtWindowHost.h"
#include "ui/Twips.h"
#include "ui/Views.h"
#include "words/LangForms.h"
#include "words/WordRecord.h"

using namespace myu;

namespace {

// A game with the real window host in a copy of the built program folder.
struct Rig {
  std::ostringstream out;
  ScriptedDialogs dialogs{out};
  ScriptedClock clock;
  ScriptedRandom random{out};
  ScriptedShell shell{out, "/nonexistent"};
  ScriptedSession session{out};
  ui::QtWindowHost host;
  QTemporaryDir dir;
  std::unique_ptr<Game> game;

  Rig() {
    dialogs.autoMode = true;
    ui::registerViews(host);
    const QString from = QStringLiteral(MYURUKA_PROGRAM_DIR);
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QString source = it.next();
      const QString rel = QDir(from).relativeFilePath(source);
      if (!rel.startsWith(QStringLiteral("Img/")) && !rel.endsWith(QStringLiteral(".krp")))
        continue;
      QDir().mkpath(QFileInfo(dir.filePath(rel)).absolutePath());
      QFile::copy(source, dir.filePath(rel));
    }
    game = std::make_unique<Game>(dir.path().toStdString(),
                                  Services{&dialogs, &clock, &random, &shell, &session, &host});
    GameState& s = game->st;
    s.userName = "たろう";
    s.userSex = "男";
    s.userAge = "20";
    s.userType = "いいひと";
    s.userMail = "taro@example.jp";
    s.petName = "ぴーちゃん";
    s.petModel = "モフリーノ";
    s.petType = "わいるど";
    s.petVer = 1.5F;
    s.startTime = "2025/12/20 10:00:00";
    s.lastTime = "2026/01/01 09:00:00";
    s.maxHp = 300, s.hp = 240, s.maxMp = 200, s.mp = 120;
    s.power = 45, s.defense = 38, s.speed = 52, s.luck = 20;
    s.brain = 64, s.happy = 70, s.manpuku = 55, s.condition = 1;
    const std::int16_t counters[] = {80, 20, 45, 60, 95, 35, 70, 10};
    for (int i = 0; i < kPersonalityCount; ++i) s.personality(i) = counters[i];
  }

  ui::FormView* view(Form& f) { return host.viewOf(f); }
};

// The window as the owner sees it: with its frame on a real X server, else its inside.
QImage shoot(QWidget* w, const char* file) {
  QApplication::processEvents();
  QImage image;
  if (QGuiApplication::platformName() == QLatin1String("xcb") && w->screen() != nullptr) {
    QTest::qWait(400);
    const QRect r = w->frameGeometry();
    image = w->screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage();
  } else {
    image = w->grab().toImage();
  }
  const QString folder = qEnvironmentVariable("MYURUKA_SHOTS");
  if (!folder.isEmpty()) image.save(folder + QLatin1Char('/') + QLatin1String(file));
  return image;
}

// Runs `inside` once the modal window of `show` is up, then closes it.
void whileModal(Game& g, Form& form, const std::function<void()>& show,
                const std::function<void()>& inside) {
  QTimer::singleShot(0, [&g, &form, inside] {
    inside();
    if (form.loaded) g.unload(form);
  });
  show();
}

int fileIndex(const Control& files, const std::string& name) {
  for (size_t i = 0; i < files.items.size(); ++i)
    if (files.items[i] == name) return static_cast<int>(i);
  return -1;
}

void putCp932(const QString& path, const std::string& utf8) {
  const auto bytes = toCp932(utf8);
  QFile f(path);
  QVERIFY(bytes && f.open(QIODevice::WriteOnly));
  f.write(bytes->data(), static_cast<qint64>(bytes->size()));
}

// A language file of (meaning, word) records.
void putWords(const QString& path, const std::vector<std::pair<std::string, std::string>>& words) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  for (const auto& [mean, word] : words) {
    const std::string record = WordRecord{mean, word, "", ""}.pack();
    f.write(record.data(), static_cast<qint64>(record.size()));
  }
}

// A friend's pet as the status window's copy leaves it on the friend's desktop: the owner's
// save file "はなこ.kvo" in the layout of user.ini, and the pet's language file beside it.
QString putFriend(const QString& folder) {
  QDir().mkpath(folder);
  const QString kvo = folder + QStringLiteral("/はなこ.kvo");
  putCp932(kvo,
           "[PROFILE]\r\nName=はなこ\r\nMail=ふわりんと仲良くしてね！\r\nSex=女\r\nAge=19\r\n"
           "Type=のんびりや\r\n[PETPROFILE]\r\nPetName=ふわりん\r\nTYPE=まじめ\r\n"
           "MODEL=フワリーノ\r\nVER=1.5\r\nPOWER=38\r\nDEFENSE=30\r\nSPEED=44\r\nLUCK=25\r\n"
           "MAXHP=260\r\nHP=230\r\nMAXMP=180\r\nMP=150\r\nCONDITION=2\r\nBRAIN=40\r\n"
           "[TIME]\r\nSTART=2025/11/03 18:20:00\r\nLASTTIME=2026/01/01 08:30:00\r\n");
  putWords(folder + QStringLiteral("/ふわりん.dat"), {{"悪口", "いじわる"},
                                                      {"悪口", "おたんこなす"},
                                                      {"悪口", "ぷんぷん"},
                                                      {"誉め言葉", "ふわふわ"},
                                                      {"挨拶", "こんにちは"}});
  return kvo;
}

// The owner drags a file from elsewhere and lets it go over the list.
void dropOn(QListWidget* list, const QString& file) {
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(file)});
  const QPoint at = list->viewport()->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(list->viewport(), &enter);
  QVERIFY(enter.isAccepted());
  QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(list->viewport(), &drop);
}

// Every text of a window's labels fits its label on one line: nothing wraps out of sight.
void labelsFit(QWidget* view) {
  for (auto* l : view->findChildren<QLabel*>()) {
    if (l->text().isEmpty() || !l->isVisible()) continue;
    QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->contentsRect().width(),
             qPrintable(l->objectName() + QStringLiteral(": ") + l->text()));
  }
}

// A group box's style option, which QGroupBox keeps to itself.
struct GroupBoxPeek : QGroupBox {
  using QGroupBox::initStyleOption;
};

// Where a frame's caption is drawn: the view's own frames say so, others ask the style.
QRect captionOf(QGroupBox* g) {
  if (auto* frame = qobject_cast<ui::CaptionFrame*>(g)) return frame->captionRect();
  QStyleOptionGroupBox opt;
  static_cast<GroupBoxPeek*>(g)->initStyleOption(&opt);
  return g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
}

// Every text a window shows that does not fit its control at the fonts of the program, with
// the control's name: a caption wider than its label, button, box or frame, lines that run
// below a label's or a button's bottom, a frame's caption under a control or on the line of
// the frame around it. Controls in `cutByTheGame` are left out: the game cuts their texts.
QStringList textFaults(QWidget* view, const QStringList& cutByTheGame) {
  QStringList faults;
  auto fault = [&faults](QWidget* w, const QString& text, const QString& why) {
    faults << w->window()->objectName() + QLatin1Char('.') + w->objectName() +
                  QStringLiteral(" \"") + text + QStringLiteral("\": ") + why;
  };
  for (QWidget* w : view->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(view) || cutByTheGame.contains(w->objectName())) continue;
    const QFontMetrics fm = w->fontMetrics();
    // A control with a text, cut by the edge of what holds it (up to the window).
    const bool hasText =
        (qobject_cast<QLabel*>(w) != nullptr && !static_cast<QLabel*>(w)->text().isEmpty()) ||
        (qobject_cast<QAbstractButton*>(w) != nullptr &&
         !static_cast<QAbstractButton*>(w)->text().isEmpty());
    for (QWidget* up = w; hasText && up != view && up->parentWidget() != nullptr;
         up = up->parentWidget()) {
      const QRect inParent(w->mapTo(up->parentWidget(), QPoint(0, 0)), w->size());
      if (!up->parentWidget()->rect().contains(inParent)) {
        const QString text = qobject_cast<QLabel*>(w) != nullptr
                                 ? static_cast<QLabel*>(w)->text()
                                 : static_cast<QAbstractButton*>(w)->text();
        fault(w, text, QStringLiteral("cut by the edge of ") + up->parentWidget()->objectName());
        break;
      }
    }
    if (auto* l = qobject_cast<ui::CaptionLabel*>(w)) {
      if (!l->textFits()) fault(w, l->text(), QStringLiteral("runs out of its label"));
    } else if (auto* b = qobject_cast<QPushButton*>(w)) {
      if (b->text().isEmpty()) continue;
      QStyleOptionButton opt;
      opt.initFrom(b);
      opt.text = b->text();
      const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
      if (fm.horizontalAdvance(b->text()) > room.width())
        fault(w, b->text(), QStringLiteral("wider than its button"));
      if (fm.height() > b->height() - 2)
        fault(w, b->text(), QStringLiteral("taller than its button"));
    } else if (auto* c = qobject_cast<QAbstractButton*>(w)) {
      if (c->text().isEmpty()) continue;
      QStyleOptionButton opt;
      opt.initFrom(c);
      opt.text = c->text();
      const auto element = qobject_cast<QRadioButton*>(w) != nullptr
                               ? QStyle::SE_RadioButtonContents
                               : QStyle::SE_CheckBoxContents;
      const QRect room = c->style()->subElementRect(element, &opt, c);
      if (fm.horizontalAdvance(c->text()) > room.width())
        fault(w, c->text(), QStringLiteral("wider than its box"));
      if (fm.height() > c->height()) fault(w, c->text(), QStringLiteral("taller than its box"));
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
      if (g->title().isEmpty()) continue;
      const QRect label = captionOf(g);
      if (fm.horizontalAdvance(g->title()) > label.width() || label.right() >= g->width())
        fault(w, g->title(), QStringLiteral("wider than its frame"));
      for (auto* child : g->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisibleTo(view) && child->geometry().intersects(label))
          fault(w, g->title(),
                QStringLiteral("under ") + child->objectName() + QStringLiteral(" by ") +
                    QString::number(child->geometry().intersected(label).height()) +
                    QStringLiteral(" px"));
      // A frame inside a frame: its caption below the line of the outer one.
      if (auto* outer = qobject_cast<QGroupBox*>(g->parentWidget())) {
        const QRect outerLabel = captionOf(outer);
        if (g->geometry().top() + label.top() < outerLabel.bottom() + 1)
          fault(w, g->title(), QStringLiteral("on the line of ") + outer->objectName());
      }
    }
  }
  return faults;
}

// The picture a label shows, as drawn.
QImage drawn(QWidget* view, const char* name) {
  auto* l = view->findChild<QLabel*>(QLatin1String(name));
  return l == nullptr ? QImage() : l->grab().toImage();
}

}  // namespace

class WindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void feedingWindowListsTheDishesOfTheChosenFile() {
    Rig rig;
    auto& form = rig.game->form<frmServe>();
    bool checked = false;
    whileModal(
        *rig.game, form, [&] { showFeedingWindow(*rig.game); },
        [&] {
          ui::FormView* view = rig.view(form);
          QVERIFY(view != nullptr && view->isVisible());
          const int index = fileIndex(form.ctl("File1"), "ごちそう.krp");
          QVERIFY(index >= 0);
          userSelect(form, "File1", index);
          userSelect(form, "List1", 0);
          rig.host.syncAll();
          auto* dishes = view->findChild<QListWidget*>(QStringLiteral("List1"));
          QVERIFY(dishes != nullptr && dishes->isVisible());
          QVERIFY(dishes->count() > 3);
          QVERIFY(!view->findChild<QLineEdit*>(QStringLiteral("Text1"))->text().isEmpty());
          shoot(view, "feeding-window.png");
          checked = true;
        });
    QVERIFY(checked);
  }

  // No single pet meets every rule (some ask for a sick pet, others for a fit one): the
  // window is set up for a sick pet and for a fit one, and every button one of them opens
  // is shown open at once.
  void feedingWindowWithEveryMedicine() {
    Rig rig;
    auto& form = rig.game->form<frmServe>();
    auto sick = [](GameState& s) {
      s.maxHp = 500, s.hp = 40, s.maxMp = 500, s.mp = 50, s.condition = -5, s.happy = 40;
      s.manpuku = 20, s.sukebe = 20, s.waraiDake = 1, s.power = 60, s.brain = 100, s.wild = 80;
      s.majime = 100, s.defense = 80, s.namakemono = 100, s.junk = 1;
    };
    auto fit = [](GameState& s) {
      s.maxHp = 500, s.hp = 500, s.maxMp = 500, s.mp = 460, s.condition = 3, s.otaku = 90;
      s.sukebe = 95, s.brain = 300, s.happy = 80, s.majime = 100;
    };
    bool checked = false;
    whileModal(
        *rig.game, form, [&] { showFeedingWindow(*rig.game); },
        [&] {
          std::map<std::string, std::string> open;  // button → caption
          for (const auto& setUp : {std::function<void(GameState&)>(sick), std::function(fit)}) {
            setUp(rig.game->st);
            rig.random.queued = {1, 1};  // the lucky draws of 幸運豆 and アオウミ茸
            form.setUpMedicines();
            for (const char* kind : {"potion", "poison"})
              for (int i = 1; i <= 10; ++i) {
                const Control& b = form.ctl(kind + std::to_string(i));
                if (b.enabled) open[b.name] = b.caption;
              }
          }
          QCOMPARE(open.size(), size_t{20});
          for (const auto& [name, caption] : open) {
            form.ctl(name).enabled = true;
            form.ctl(name).caption = caption;
          }
          rig.host.syncAll();
          ui::FormView* view = rig.view(form);
          for (const auto& [name, caption] : open) {
            auto* b = view->findChild<QPushButton*>(QString::fromStdString(name));
            QVERIFY(b != nullptr && b->isEnabled() && b->isVisible());
            QCOMPARE(b->text(), QString::fromStdString(caption));
            QVERIFY(b->text() != QStringLiteral("???"));
          }
          shoot(view, "feeding-items.png");
          checked = true;
        });
    QVERIFY(checked);
  }

  void statusWindowDrawsTheRadarChart() {
    Rig rig;
    rig.game->load(rig.game->form<frmKivoMain>());  // its picture is the face shown
    showStatusWindow(*rig.game);
    auto& form = rig.game->form<frmStatus>();
    ui::FormView* view = rig.view(form);
    QVERIFY(view != nullptr && view->isVisible());
    auto* face = view->findChild<QLabel*>(QStringLiteral("KAO_Pic"));
    QVERIFY(face != nullptr && !face->pixmap().isNull() && face->hasScaledContents());
    QWidget* chart = view->widget("Picture1");
    QVERIFY(chart != nullptr);
    QCOMPARE(form.ctl("Picture1").points.size(), size_t{16});
    shoot(view, "status-window.png");

    const QImage img = chart->grab().toImage();
    const int cx = img.width() / 2, cy = img.height() / 2;
    QCOMPARE(img.pixelColor(cx, cy), QColor(0, 150, 255));
    // Up the top axis, inside the values (otaku 80): pink axis; outside the outline: grey.
    QCOMPARE(img.pixelColor(cx, cy - cy / 3), QColor(255, 150, 150));
    QCOMPARE(img.pixelColor(cx, 2), QColor(200, 200, 200));
    // Between the axes: the value fill near the centre, the outline's white further out
    // (sukebe, up-right, is 20).
    const double up = -0.38, right = 0.92;  // 22.5° right of the top, as a unit vector
    auto at = [&](double part) {
      return img.pixelColor(cx + static_cast<int>(right * part * cx),
                            cy + static_cast<int>(up * part * cy));
    };
    QCOMPARE(at(0.08), QColor(255, 200, 200));
    QCOMPARE(at(0.6), QColor(255, 255, 255));
  }

  void titlesWindowTicksTheEarnedTitles() {
    Rig rig;
    auto& flags = rig.game->st.titleFlags;
    flags[0] = 1, flags[4] = 1, flags[8] = 1, flags[13] = 1, flags[16] = 3;
    showRoyalTitleWindow(*rig.game);
    Form* form = rig.game->findForm("frmRoyalTitle");
    QVERIFY(form != nullptr);
    ui::FormView* view = rig.view(*form);
    QVERIFY(view != nullptr && view->isVisible());
    auto* word = view->findChild<QCheckBox*>(QStringLiteral("fldTitle(16)"));
    QVERIFY(word != nullptr);
    QCOMPARE(word->text(), QStringLiteral("ドクターふくろう"));
    // An earned title is a greyed box: ticked, in grey.
    QCOMPARE(word->checkState(), Qt::Checked);
    QCOMPARE(word->palette().color(QPalette::Active, QPalette::Text), QColor(128, 128, 128));
    shoot(view, "titles-window.png");
  }

  void deathWindowEndsOnGameOverThenTheHallOfFameKeepsThePet() {
    Rig rig;
    rig.game->st.deadType = "餓死";
    QVERIFY(WriteProfile(*rig.game));
    auto& form = rig.game->form<frmDeaD>();
    bool checked = false;
    whileModal(
        *rig.game, form, [&] { showDeathWindow(*rig.game); },
        [&] {
          ui::FormView* view = rig.view(form);
          QVERIFY(view != nullptr && view->isVisible());
          auto* picture = view->findChild<QLabel*>(QStringLiteral("Picture1"));
          QVERIFY(picture != nullptr && !picture->pixmap().isNull());
          // The story rolls up and fades in, then the end: the timers' ticks, without waiting.
          for (int i = 0; i < 1000 && form.timer("Timer2")->enabled; ++i) {
            form.fireTimer("Timer2");
            if (i == 60) {
              rig.host.syncAll();
              shoot(view, "death-window-story.png");
            }
          }
          QVERIFY(!form.timer("Timer2")->enabled);
          form.fireTimer("Timer1");
          rig.host.syncAll();
          auto* line = view->findChild<QLabel*>(QStringLiteral("Label1"));
          QCOMPARE(line->text(), QStringLiteral("GAME  OVER"));
          QVERIFY(line->isVisible());
          QCOMPARE(line->width(), picture->width());
          QVERIFY(line->alignment() & Qt::AlignHCenter);
          // The red words sit in the middle of the line.
          const QImage img = line->grab().toImage();
          int first = img.width(), last = -1;
          for (int x = 0; x < img.width(); ++x)
            for (int y = 0; y < img.height(); ++y)
              if (img.pixelColor(x, y).red() > 150 && img.pixelColor(x, y).green() < 120) {
                first = std::min(first, x);
                last = std::max(last, x);
              }
          QVERIFY(last > first);
          QVERIFY(std::abs((first + last) / 2 - img.width() / 2) < img.width() / 20);
          shoot(view, "death-window.png");
          checked = true;
        });
    QVERIFY(checked);
    // Closing the window wrote the dead pet's record.
    DeadPetRecord r;
    QVERIFY(GetDeadPet(*rig.game, 1, r) != 0);

    showHallOfFame(*rig.game);
    Form* hall = rig.game->findForm("frmDendou");
    QVERIFY(hall != nullptr);
    ui::FormView* view = rig.view(*hall);
    QVERIFY(view != nullptr && view->isVisible());
    auto* picture = view->findChild<QLabel*>(QStringLiteral("D_pet_pic"));
    QVERIFY(picture != nullptr && !picture->pixmap().isNull() && picture->hasScaledContents());
    // The only dead pet: no neighbour to step to, and the buttons look it.
    auto* next = view->findChild<QPushButton*>(QStringLiteral("nextBtn"));
    QVERIFY(next != nullptr && !next->isEnabled());
    QVERIFY(next->palette().color(QPalette::Disabled, QPalette::ButtonText) !=
            next->palette().color(QPalette::Active, QPalette::ButtonText));
    auto* name = view->findChild<QLabel*>(QStringLiteral("D_name"));
    QVERIFY(name != nullptr);
    QCOMPARE(name->text(), QStringLiteral("ぴーちゃん"));
    shoot(view, "hall-of-fame.png");
  }

  // The friend's files are dropped on the file list; the pet learns its words, then fights it
  // and the battle window is looked at after a battle of words and a blow.
  void friendsWindowTakesADroppedFriendThenChatsAndFights() {
    Rig rig;
    putWords(rig.dir.filePath(QStringLiteral("ぴーちゃん.dat")),
             {{"悪口", "ばーか"}, {"悪口", "とりあたま"}, {"挨拶", "おはよう"}});
    const QString kvo = putFriend(rig.dir.filePath(QStringLiteral("ともだち")));
    showFriendsWindow(*rig.game);
    auto& form = rig.game->form<frmFriend>();
    ui::FormView* view = rig.view(form);
    QVERIFY(view != nullptr && view->isVisible());
    auto* files = view->findChild<QListWidget*>(QStringLiteral("File1"));
    QVERIFY(files != nullptr && files->viewport()->acceptDrops());
    dropOn(files, kvo);

    // The list moved to the friend's folder with the file chosen; the friend is shown.
    QVERIFY(files->currentItem() != nullptr);
    QCOMPARE(files->currentItem()->text(), QStringLiteral("はなこ.kvo"));
    auto text = [view](const char* name) {
      auto* l = view->findChild<QLabel*>(QLatin1String(name));
      return l == nullptr ? QString() : l->text();
    };
    QCOMPARE(text("F_name"), QStringLiteral("ふわりん"));
    QCOMPARE(text("F_model"), QStringLiteral("フワリーノ"));
    QCOMPARE(text("F_lastrec"), QStringLiteral("5コ"));
    QCOMPARE(text("F_totalday"), QStringLiteral("59日"));
    QCOMPARE(text("U_name"), QStringLiteral("はなこ"));
    QCOMPARE(text("F_relation"), QStringLiteral("なんとなく、気が合うんだよね。"));
    QCOMPARE(view->findChild<QPlainTextEdit*>(QStringLiteral("U_text"))->toPlainText(),
             QStringLiteral("ふわりんと仲良くしてね！"));
    // Its picture, the sister species' own, framed by a single line.
    auto* face = view->findChild<QLabel*>(QStringLiteral("KAO_pic_F"));
    QVERIFY(face != nullptr && face->isVisible() && !face->pixmap().isNull());
    QCOMPARE(face->frameShape(), QFrame::Box);
    QCOMPARE(face->pixmap().toImage(),
             QImage(rig.dir.filePath(QStringLiteral("Img/Fwa_IMG_0a.bmp")))
                 .convertToFormat(face->pixmap().toImage().format()));
    auto* chat = view->findChild<QPushButton*>(QStringLiteral("Command2"));
    auto* fight = view->findChild<QPushButton*>(QStringLiteral("battleStart"));
    QVERIFY(chat->isEnabled() && fight->isEnabled());
    labelsFit(view);
    shoot(view, "friends-window.png");

    chat->click();
    QVERIFY(rig.out.str().find("ふわりんから5コ 教えて貰ったようだ。") != std::string::npos);

    bool fought = false;
    auto fightOnce = [&](frmBattle* battle) {
      QVERIFY(battle != nullptr);
      ui::FormView* bv = rig.view(*battle);
      QVERIFY(bv != nullptr && bv->isVisible());
      // The steps are taken here, one by one, each after the log was cut as a tick cuts it.
      battle->timer("Timer1")->enabled = false;
      battle->RemoveLine();
      QVERIFY(battle->AttackU());
      battle->RemoveLine();
      QVERIFY(battle->AttackF());
      battle->RemoveLine();
      QVERIFY(battle->Battle2(0));
      battle->RemoveLine();
      QVERIFY(battle->AttackU());
      QVERIFY(battle->print_BT_Status());
      rig.host.syncAll();

      // The log: its last four lines, each wholly inside the list.
      auto* log = bv->findChild<QListWidget*>(QStringLiteral("List1"));
      QCOMPARE(log->count(), 4);
      QCOMPARE(log->item(3)->text().left(4), QStringLiteral("ふわりん"));
      for (int i = 0; i < log->count(); ++i) {
        const QRect r = log->visualItemRect(log->item(i));
        QVERIFY(log->viewport()->rect().contains(r.topLeft()));
        QVERIFY(r.bottom() <= log->viewport()->rect().bottom());
        QVERIFY2(
            log->fontMetrics().horizontalAdvance(log->item(i)->text()) < log->viewport()->width(),
            qPrintable(log->item(i)->text()));
      }
      // Both bars partly red, both pictures there.
      for (const char* bar : {"UHP", "FHP"}) {
        const int red = bv->widget(std::string(bar) + "red")->width();
        QVERIFY(red > 0 && red < bv->widget(std::string(bar) + "blu")->width());
      }
      QVERIFY(!drawn(bv, "PicIMG(0)").isNull() && !drawn(bv, "PicIMG(1)").isNull());
      QVERIFY(battle->ctl("PicIMG", 1).mirrored);
      labelsFit(bv);
      shoot(bv, "battle-window.png");
      fought = true;
    };
    QTimer::singleShot(0, [&] {
      auto* battle = static_cast<frmBattle*>(rig.game->findForm(frmBattle::kName));
      fightOnce(battle);
      if (battle != nullptr) rig.game->unload(*battle);
    });
    fight->click();
    QVERIFY(fought);
    QVERIFY(view->isVisible());
  }

  // The red part of a bar lies over its blue whole and is as long as the value says.
  void battleBarsShowTheValueInRedOverBlue_data() {
    QTest::addColumn<int>("hp");
    QTest::addColumn<int>("redTwips");
    QTest::newRow("most of it") << 240 << 1152;
    QTest::newRow("half") << 150 << 720;
    QTest::newRow("all") << 300 << 1440;
    QTest::newRow("nothing") << 0 << 0;
  }
  void battleBarsShowTheValueInRedOverBlue() {
    QFETCH(int, hp);
    QFETCH(int, redTwips);
    Rig rig;
    auto& battle = rig.game->form<frmBattle>();
    rig.game->load(battle);
    battle.friendMaxHp = 300;
    battle.friendHp = hp;
    battle.friendMaxMp = 100;
    battle.friendMp = 50;
    QVERIFY(battle.print_BT_Status());
    rig.game->show(battle);
    ui::FormView* view = rig.view(battle);
    QVERIFY(view != nullptr);
    const double dpi = view->dpi();
    QWidget* red = view->widget("FHPred");
    QWidget* blue = view->widget("FHPblu");
    QCOMPARE(battle.ctl("FHPred").width, redTwips);
    QCOMPARE(red->isVisible(), redTwips > 0);
    if (redTwips > 0) QCOMPARE(red->width(), ui::twipsToPixels(redTwips, dpi));
    const QImage img = view->grab().toImage();
    const int y = blue->geometry().center().y();
    const QColor first = img.pixelColor(blue->geometry().left() + 1, y);
    const QColor last = img.pixelColor(blue->geometry().right() - 1, y);
    QCOMPARE(first, redTwips > 0 ? QColor(255, 0, 0) : QColor(0, 0, 255));
    QCOMPARE(last, redTwips == 1440 ? QColor(255, 0, 0) : QColor(0, 0, 255));
    if (redTwips > 0 && redTwips < 1440) {
      const int edge = blue->geometry().left() + ui::twipsToPixels(redTwips, dpi);
      QCOMPARE(img.pixelColor(edge - 2, y), QColor(255, 0, 0));
      QCOMPARE(img.pixelColor(edge + 1, y), QColor(0, 0, 255));
    }
    QCOMPARE(view->findChild<QLabel*>(QStringLiteral("FHP"))->text(), QString::number(hp));
  }

  // An opponent of our own species: the same picture, the other way round.
  void battleWindowShowsTheOpponentMirrored() {
    Rig rig;
    auto& battle = rig.game->form<frmBattle>();
    rig.game->load(battle);
    ShowBattlePose(*rig.game, battle, 0);
    std::int32_t pose = 0;
    DrawBattlePictures(*rig.game, battle, pose, "Mof");
    rig.game->show(battle);
    ui::FormView* view = rig.view(battle);
    const QImage own = drawn(view, "PicIMG(0)");
    const QImage other = drawn(view, "PicIMG(1)");
    QVERIFY(!own.isNull());
    QCOMPARE(other.size(), own.size());
    QVERIFY(other != own);
    QCOMPARE(other, own.mirrored(true, false));
  }

  // The close box in the middle of a battle of words: the step ends, and so does the battle,
  // without a result.
  void closingTheBattleWindowDuringABattleOfWordsEndsIt() {
    Rig rig;
    putWords(rig.dir.filePath(QStringLiteral("ぴーちゃん.dat")), {{"悪口", "ばーか"}});
    putFriend(rig.dir.filePath(QStringLiteral("ともだち")));
    GameState& s = rig.game->st;
    const auto fights = s.battleCount, wins = s.battleWinCount;
    const auto hp = s.hp, mp = s.mp;
    BattleFoe foe;
    foe.maxHp = 260, foe.hp = 230, foe.power = 38, foe.defense = 30, foe.name = "ふわりん";
    foe.wordCount = 5;
    foe.langPath = rig.dir.filePath(QStringLiteral("ともだち/ふわりん.dat")).toStdString();
    foe.model = "フワリーノ";
    QPointer<ui::FormView> view;
    QTimer::singleShot(0, [&] {
      auto* battle = rig.game->findForm(frmBattle::kName);
      QVERIFY(battle != nullptr);
      view = rig.view(*battle);
      // Closed after a while whatever happens, so that a failure cannot hang the test.
      QTimer::singleShot(1200, [&] {
        if (view) view->close();
      });
      // The first step at once: no flight (a = 30), a battle of words (k = 0).
      rig.random.queued = {30, 0};
      battle->timer("Timer1")->interval = 1;
      rig.host.syncAll();
    });
    QVERIFY(rig.game->form<frmBattle>().Battle_INI(foe));
    QVERIFY(rig.game->findForm(frmBattle::kName) == nullptr);
    const std::string said = rig.out.str();
    QVERIFY(said.find("が勝ちました") == std::string::npos);
    QVERIFY(said.find("負けてしまいました") == std::string::npos);
    QCOMPARE(s.battleCount, fights + 1);
    QCOMPARE(s.battleWinCount, wins);
    QCOMPARE(s.hp, hp);
    // the battle of words ended with its window: no mental damage either
    QCOMPARE(s.mp, mp);
    QVERIFY(s.deadType.empty());
    QTRY_VERIFY(view.isNull());
  }

  // The folder list works as the platform's: a click selects, a double click or Enter opens;
  // the open folder's ancestors stand above its subfolders, the open one marked; hidden
  // folders are not listed. The drive list shows the place of the open folder.
  void folderListClickSelectsDoubleClickOrEnterOpens() {
    Rig rig;
    const QString kvo = putFriend(rig.dir.filePath(QStringLiteral("ともだち")));
    QDir(rig.dir.path()).mkpath(QStringLiteral(".hidden"));
    showFriendsWindow(*rig.game);
    auto& form = rig.game->form<frmFriend>();
    ui::FormView* view = rig.view(form);
    QVERIFY(view != nullptr && view->isVisible());
    auto* dirs = view->findChild<QListWidget*>(QStringLiteral("Dir1"));
    auto* drives = view->findChild<QComboBox*>(QStringLiteral("Drive1"));
    QVERIFY(dirs != nullptr && drives != nullptr);
    const QString home = QFileInfo(rig.dir.path()).canonicalFilePath();
    const QStringList parts = home.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    auto rows = [dirs] {
      QStringList out;
      for (int i = 0; i < dirs->count(); ++i) out << dirs->item(i)->text();
      return out;
    };
    auto rowOf = [&rows](const QString& text) { return static_cast<int>(rows().indexOf(text)); };
    auto indent = [](qsizetype level) { return QString(level * 2, QLatin1Char(' ')); };
    // The root, each ancestor one step further in, the open folder, then its subfolders.
    QStringList want{QStringLiteral("▽ /")};
    for (qsizetype i = 0; i < parts.size(); ++i)
      want << indent(i + 1) +
                  (i + 1 == parts.size() ? QStringLiteral("▼ ") : QStringLiteral("▽ ")) + parts[i];
    const QString sub = indent(parts.size() + 1) + QStringLiteral("▷ ともだち");
    QCOMPARE(rows().mid(0, want.size()), want);
    QVERIFY2(rows().contains(sub), qPrintable(rows().join(QLatin1Char('|'))));
    for (const QString& row : rows())
      QVERIFY2(!row.contains(QLatin1String(".hidden")), qPrintable(row));
    QCOMPARE(dirs->currentRow(), static_cast<int>(parts.size()));  // the open folder
    QCOMPARE(drives->currentText(), QStringLiteral("ペットのフォルダ (") + home + QLatin1Char(')'));
    shoot(view, "folder-list.png");

    // The owner's mouse, through the window as the system delivers it, a pause before each act
    // so that two acts never make one double click.
    QWindow* window = view->windowHandle();
    auto pointAt = [&](int row) {
      QApplication::processEvents();
      QTest::qWait(QApplication::doubleClickInterval() + 50);
      return dirs->viewport()->mapTo(view, dirs->visualItemRect(dirs->item(row)).center());
    };
    auto click = [&](int row) {
      QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, pointAt(row));
    };
    auto doubleClick = [&](int row) {
      QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, pointAt(row));
    };

    // One click on the subfolder only selects it.
    click(rowOf(sub));
    QCOMPARE(QString::fromStdString(form.ctl("Dir1").path), home);
    QCOMPARE(dirs->currentRow(), rowOf(sub));
    // A double click opens it: the list now ends there, and its files are listed.
    doubleClick(rowOf(sub));
    QCOMPARE(QString::fromStdString(form.ctl("Dir1").path), home + QStringLiteral("/ともだち"));
    QCOMPARE(rows().last(), indent(parts.size() + 1) + QStringLiteral("▼ ともだち"));
    QCOMPARE(form.ctl("File1").items, std::vector<std::string>{"はなこ.kvo"});
    // A double click on the parent goes up one level, not two.
    const int parent = rowOf(indent(parts.size()) + QStringLiteral("▽ ") + parts.last());
    QVERIFY(parent >= 0);
    doubleClick(parent);
    QCOMPARE(QString::fromStdString(form.ctl("Dir1").path), home);
    // Enter opens the selected folder as well.
    click(rowOf(sub));
    QTest::keyClick(dirs, Qt::Key_Return);
    QCOMPARE(QString::fromStdString(form.ctl("Dir1").path), home + QStringLiteral("/ともだち"));
    Q_UNUSED(kvo);
  }

  // Every window at the program's fonts, at the scale the test runs at (ctest runs it at 100 %
  // and, with QT_SCALE_FACTOR=2, at 200 %): every text fits its control. A message box is as
  // wide as its title in a window manager's title bar, with room for the bar's buttons.
  void everyTextFitsItsControl() {
    const QString oldStyle = QApplication::style()->name();
    const QFont oldFont = QApplication::font();
    ui::applyAppLook();
    Rig rig;
    rig.game->st.petMessage = "ぴーちゃんはなかよしになりたいな";
    rig.game->st.userType = "あなたはどんなひと？";  // the longest the first profile offers
    putWords(rig.dir.filePath(QStringLiteral("ぴーちゃん.dat")), {{"挨拶", "おはよう"}});
    QStringList faults;
    const QString scale = QString::number(qApp->devicePixelRatio() * 100) + QStringLiteral(" %");
    auto look = [&](Form& f, const char* shot) {
      rig.game->show(f);
      rig.host.syncAll();
      QApplication::processEvents();
      ui::FormView* view = rig.view(f);
      if (view == nullptr) {
        faults << QString::fromStdString(f.name()) + QStringLiteral(": no view");
        return;
      }
      faults << textFaults(view, {});
      if (qEnvironmentVariableIsSet("MYURUKA_SHOTS"))
        shoot(view,
              qPrintable(QString::fromLatin1(shot) + QLatin1Char('-') +
                         QString::number(qApp->devicePixelRatio() * 100) + QStringLiteral(".png")));
      if (f.loaded) rig.game->unload(f);
    };
    look(rig.game->form<frmKivoMain>(), "fit-pet-window");
    look(rig.game->form<frmSplash>(), "fit-splash");
    look(rig.game->form<frmFirstProfile>(), "fit-first-profile");
    look(rig.game->form<frmStatus>(), "fit-status");
    look(rig.game->form<frmRoyalTitle>(), "fit-titles");
    look(rig.game->form<frmServe>(), "fit-feeding");
    look(rig.game->form<frmFriend>(), "fit-friends");
    look(rig.game->form<frmBattle>(), "fit-battle");
    look(rig.game->form<frmDendou>(), "fit-hall-of-fame");
    look(rig.game->form<frmLangEdit>(), "fit-word-list");
    look(rig.game->form<frmLangMean>(), "fit-meaning");
    look(rig.game->form<frmDeaD>(), "fit-death");

    // A message box with the longest title the game gives one, and a short text.
    ui::QtDialogs dialogs;
    int roomy = -1;
    QTimer::singleShot(0, [&roomy] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      // The title in a title bar's font (bold, a quarter larger), the bar's icon and buttons.
      QFont bar = box->font();
      bar.setBold(true);
      bar.setPointSizeF(bar.pointSizeF() * 1.25);
      const int need = QFontMetrics(bar).horizontalAdvance(box->windowTitle()) +
                       8 * QFontMetrics(box->font()).height();
      roomy = box->width() >= need ? 1 : 0;
      if (qEnvironmentVariableIsSet("MYURUKA_SHOTS"))
        shoot(box,
              qPrintable(QStringLiteral("fit-message-box-") +
                         QString::number(qApp->devicePixelRatio() * 100) + QStringLiteral(".png")));
      box->done(0);
    });
    dialogs.msgBox("はい？", mb::kYesNo + mb::kQuestion, "確認ウインドウ");
    if (roomy != 1)
      faults << QStringLiteral("message box: narrower than its title \"確認ウインドウ\"");

    QApplication::setStyle(oldStyle);
    QApplication::setFont(oldFont);
    QVERIFY2(faults.isEmpty(),
             qPrintable(scale + QStringLiteral(":\n") + faults.join(QLatin1Char('\n'))));
  }

  void firstProfileComboShowsItsStartingTextAndTakesTyping() {
    Rig rig;
    auto& form = rig.game->form<frmFirstProfile>();
    rig.game->show(form);
    ui::FormView* view = rig.view(form);
    auto* combo = view->findChild<QComboBox*>(QStringLiteral("Combo1"));
    QVERIFY(combo != nullptr);
    QVERIFY(combo->isEditable());
    QCOMPARE(combo->currentText(), QStringLiteral("あなたはどんなひと？"));
    QCOMPARE(combo->count(), 4);
    shoot(view, "first-profile.png");
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("abc"));
    QCOMPARE(form.ctl("Combo1").text, std::string("abc"));
    combo->setCurrentIndex(-1);
    combo->activated(2);
    QCOMPARE(form.ctl("Combo1").text, std::string("ふつうのひと"));
    QCOMPARE(combo->currentText(), QStringLiteral("ふつうのひと"));
  }
};

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
