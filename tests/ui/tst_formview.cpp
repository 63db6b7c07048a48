// The generic form view on the offscreen platform: widgets under control names, clicks,
// choices, timers, the pop-up menu and the close box reaching the form, pictures drawn as
// the control says (mirrored, stretched, framed), a pause that keeps answering the owner,
// and the message-box style and twips conversions the windows rely on.
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "kernel/Game.h"
#include "support/ui/UiGame.h"
#include "ui/FormView.h"
#include "ui/MessageBoxStyle.h"
#include "ui/QtWindowHost.h"
#include "ui/Twips.h"

using namespace myu;

namespace {

// What a click that pauses saw, kept outside the form, which is gone once the click is over.
struct PauseLog {
  int pauseMs = 0;  // 0: a click of Command5 does not pause
  bool returned = false;
  int chosenDuringPause = -1;
};

class frmProbe : public Form {
 public:
  static constexpr const char* kName = "frmProbe";
  explicit frmProbe(Game& g) : Form(g, kName) {
    Control& me = this->me();
    me.width = 6000;
    me.height = 4000;
    me.caption = "ためし";
    place(Frame3, 120, 120, 3000, 1500).caption = "行動メニュー";
    for (int i = 0; i < 2; ++i)
      place(fldMENU[i], 120, 300 + i * 300, 1500, 255).caption = i == 0 ? "休ませる" : "鍛える";
    place(Command5, 3300, 150, 1200, 375).caption = "終了";
    place(TextWindow, 3300, 600, 2400, 300);
    place(List1, 120, 1800, 2000, 1200).items = {"りんご", "みかん", "ぶどう"};
    place(Grid1, 2200, 2600, 3600, 1000);
    Grid1.cells = {{"言葉", "意味"}, {"いちばん", "誉め言葉"}, {"にばん", "悪口"}};
    Grid1.listIndex = 1;
    Grid1.columnWidths = {2100, 1200};
    place(Picture1, 3300, 1000, 1500, 1500);
    mnuMENU.visible = false;
    for (int i = 0; i < 3; ++i)
      mnuMENUs[i].caption = i == 1 ? "-" : (i == 0 ? "時計切り替え" : "終了");

    on(Command5, Event::Click, [this](const EventArgs&) {
      ++clicks;
      TextWindow.caption = "押されました";
      if (pauseLog == nullptr || pauseLog->pauseMs == 0) return;
      // Two pauses in one step, as a battle of words takes them.
      game().windows().waitResponsive(pauseLog->pauseMs);
      pauseLog->chosenDuringPause = chosenItem;
      game().windows().waitResponsive(pauseLog->pauseMs);
      pauseLog->returned = true;
    });
    on(fldMENU, Event::Click, [this](const EventArgs& a) { chosenOption = a.index; });
    on(List1, Event::Click, [this](const EventArgs&) { chosenItem = List1.listIndex; });
    on(Grid1, Event::Click, [this](const EventArgs&) { chosenRow = Grid1.listIndex; });
    on(Picture1, Event::MouseDown, [this](const EventArgs& a) {
      if (a.button == 2) mnuMENU.value = 1;  // ask for the pop-up
    });
    on(mnuMENUs, Event::Click, [this](const EventArgs& a) { menuEntry = a.index; });
    addTimer("CountTime", 20, [this] { ++ticks; });
  }
  bool Form_QueryUnload() override { return refuseClose; }

  Control& Frame3 = add(Kind::Frame, "Frame3");
  ControlArray fldMENU = addArray(Kind::Option, "fldMENU", 2, Frame3);
  Control& Command5 = add(Kind::Button, "Command5");
  Control& TextWindow = add(Kind::Label, "TextWindow");
  Control& List1 = add(Kind::List, "List1");
  Control& Grid1 = add(Kind::Grid, "Grid1");
  Control& Picture1 = add(Kind::Picture, "Picture1");
  Control& mnuMENU = add(Kind::Menu, "mnuMENU");
  ControlArray mnuMENUs = addArray(Kind::Menu, "mnuMENUs", 3, mnuMENU);

  int clicks = 0, chosenOption = -1, chosenItem = -1, chosenRow = -1, menuEntry = -1, ticks = 0;
  bool refuseClose = false;
  PauseLog* pauseLog = nullptr;
};

}  // namespace

class FormViewTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::UiGame> t_;

  frmProbe& shown() {
    frmProbe& f = t_->game().form<frmProbe>();
    t_->game().show(f);
    return f;
  }
  ui::FormView* view(Form& f) { return t_->host().viewOf(f); }

 private slots:
  void init() { t_ = std::make_unique<test::UiGame>(); }
  void cleanup() { t_.reset(); }

  void widgetsAreNamedAfterTheirControlsAndNested() {
    frmProbe& f = shown();
    ui::FormView* v = view(f);
    QVERIFY(v != nullptr);
    QCOMPARE(v->windowTitle(), QStringLiteral("ためし"));
    auto* frame = v->findChild<QGroupBox*>(QStringLiteral("Frame3"));
    QVERIFY(frame != nullptr);
    QCOMPARE(frame->title(), QStringLiteral("行動メニュー"));
    auto* option = v->findChild<QRadioButton*>(QStringLiteral("fldMENU(1)"));
    QVERIFY(option != nullptr);
    QCOMPARE(option->parentWidget(), frame);
    QCOMPARE(option->text(), QStringLiteral("鍛える"));
    QVERIFY(v->findChild<QPushButton*>(QStringLiteral("Command5")) != nullptr);
    QVERIFY(v->findChild<QListWidget*>(QStringLiteral("List1")) != nullptr);
    QVERIFY(v->findChild<QLabel*>(QStringLiteral("Picture1")) != nullptr);
    // Menus are pop-ups, not widgets of the window.
    QVERIFY(v->findChild<QWidget*>(QStringLiteral("mnuMENU")) == nullptr);
  }

  void geometryFollowsTwipsAtTheScreensDpi() {
    frmProbe& f = shown();
    ui::FormView* v = view(f);
    const double dpi = v->dpi();
    auto* b = v->findChild<QPushButton*>(QStringLiteral("Command5"));
    QCOMPARE(b->geometry(), QRect(ui::twipsToPixels(3300, dpi), ui::twipsToPixels(150, dpi),
                                  ui::twipsToPixels(1200, dpi), ui::twipsToPixels(375, dpi)));
    QCOMPARE(v->size(),
             QSize(ui::twipsToPixels(6000 - 70, dpi), ui::twipsToPixels(4000 - 370, dpi)));
  }

  void twipsAndPixelsConvert_data() {
    QTest::addColumn<int>("twips");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("pixels");
    QTest::newRow("an inch at 96") << 1440 << 96.0 << 96;
    QTest::newRow("15 twips a pixel") << 15 << 96.0 << 1;
    QTest::newRow("pet picture width") << 2535 << 96.0 << 169;
    QTest::newRow("dense screen") << 1440 << 192.0 << 192;
    QTest::newRow("120 dpi") << 5725 << 120.0 << 477;
    QTest::newRow("negative (left of the primary screen)") << -1440 << 96.0 << -96;
  }
  void twipsAndPixelsConvert() {
    QFETCH(int, twips);
    QFETCH(double, dpi);
    QFETCH(int, pixels);
    QCOMPARE(ui::twipsToPixels(twips, dpi), pixels);
    // Back again within one pixel's worth of twips.
    QVERIFY(std::abs(ui::pixelsToTwips(pixels, dpi) - twips) <= 1440 / dpi);
  }

  void aClickReachesTheHandlerAndTheWindowCatchesUp() {
    frmProbe& f = shown();
    ui::FormView* v = view(f);
    QTest::mouseClick(v->findChild<QPushButton*>(QStringLiteral("Command5")), Qt::LeftButton);
    QCOMPARE(f.clicks, 1);
    QCOMPARE(v->findChild<QLabel*>(QStringLiteral("TextWindow"))->text(),
             QStringLiteral("押されました"));
  }

  void anOptionBecomesTheChosenOneOfItsFrame() {
    frmProbe& f = shown();
    ui::FormView* v = view(f);
    auto* first = v->findChild<QRadioButton*>(QStringLiteral("fldMENU(0)"));
    auto* second = v->findChild<QRadioButton*>(QStringLiteral("fldMENU(1)"));
    QTest::mouseClick(first, Qt::LeftButton);
    QTest::mouseClick(second, Qt::LeftButton);
    QCOMPARE(f.chosenOption, 1);
    QCOMPARE(f.ctl("fldMENU", 0).value, 0);
    QCOMPARE(f.ctl("fldMENU", 1).value, 1);
    QVERIFY(!first->isChecked());
    QVERIFY(second->isChecked());
  }

  void choosingAListItemSetsItsIndex() {
    frmProbe& f = shown();
    auto* list = view(f)->findChild<QListWidget*>(QStringLiteral("List1"));
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(1)->text(), QStringLiteral("みかん"));
    list->setCurrentRow(2);
    QCOMPARE(f.chosenItem, 2);
    QCOMPARE(f.ctl("List1").listIndex, 2);
  }

  void aGridsFirstRowIsItsHeaderAndTheIndexCountsTheRowsBelow() {
    frmProbe& f = shown();
    auto* grid = view(f)->findChild<QTableWidget*>(QStringLiteral("Grid1"));
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("意味"));
    QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("いちばん"));
    QCOMPARE(grid->currentRow(), 1);
    QCOMPARE(grid->columnWidth(0), ui::twipsToPixels(2100, view(f)->dpi()));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualItemRect(grid->item(0, 0)).center());
    QCOMPARE(f.chosenRow, 0);
    QCOMPARE(f.ctl("Grid1").listIndex, 0);
  }

  void timersTickAndStopAsTheFormSays() {
    frmProbe& f = shown();
    f.timer("CountTime")->enabled = true;
    t_->host().syncAll();
    QTRY_VERIFY(f.ticks >= 2);
    f.timer("CountTime")->enabled = false;
    t_->host().syncAll();
    QTest::qWait(30);
    const int stopped = f.ticks;
    QTest::qWait(80);
    QCOMPARE(f.ticks, stopped);
  }

  void aRightClickOpensTheRequestedPopupAndAnEntryIsAClick() {
    frmProbe& f = shown();
    ui::FormView* v = view(f);
    QStringList captions;
    QTimer::singleShot(0, this, [&captions] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr) return;
      for (QAction* a : menu->actions())
        captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
      menu->setActiveAction(menu->actions().last());
      QTest::keyClick(menu, Qt::Key_Return);
    });
    QTest::mousePress(v->findChild<QLabel*>(QStringLiteral("Picture1")), Qt::RightButton);
    QCOMPARE(captions, (QStringList{QStringLiteral("時計切り替え"), QStringLiteral("-"),
                                    QStringLiteral("終了")}));
    QCOMPARE(f.menuEntry, 2);
    QCOMPARE(f.ctl("mnuMENU").value, 0);
  }

  void theCloseBoxAsksTheForm() {
    frmProbe& f = shown();
    f.refuseClose = true;
    QVERIFY(!view(f)->close());
    QVERIFY(!f.closed);
    f.refuseClose = false;
    QVERIFY(view(f)->close());
    QVERIFY(t_->game().findForm("frmProbe") == nullptr);
    QVERIFY(!t_->host().anyFormShown());
  }

  void aModalFormWaitsUntilItCloses() {
    frmProbe& f = t_->game().form<frmProbe>();
    bool closedInside = false;
    QTimer::singleShot(10, this, [&] {
      closedInside = true;
      t_->game().unload(f);
    });
    t_->game().show(f, true);
    QVERIFY(closedInside);
  }

  // The probe's picture box is 100 × 100 pixels; the picture is 40 × 20, red then green.
  void picturesAreDrawnAsTheControlSays_data() {
    QTest::addColumn<bool>("mirrored");
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<int>("border");
    QTest::addColumn<QPoint>("leftSpot");
    QTest::addColumn<QPoint>("rightSpot");
    QTest::addColumn<QColor>("left");
    QTest::addColumn<QColor>("right");
    const QColor red(255, 0, 0), green(0, 160, 0);
    QTest::newRow("as it is, at the top left")
        << false << false << 0 << QPoint(3, 10) << QPoint(36, 10) << red << green;
    QTest::newRow("mirrored") << true << false << 0 << QPoint(3, 10) << QPoint(36, 10) << green
                              << red;
    QTest::newRow("stretched") << false << true << 0 << QPoint(5, 50) << QPoint(94, 50) << red
                               << green;
    QTest::newRow("mirrored and stretched")
        << true << true << 0 << QPoint(5, 50) << QPoint(94, 50) << green << red;
    QTest::newRow("framed, mirrored and stretched")
        << true << true << 1 << QPoint(5, 50) << QPoint(94, 50) << green << red;
  }
  void picturesAreDrawnAsTheControlSays() {
    QFETCH(bool, mirrored);
    QFETCH(bool, stretch);
    QFETCH(int, border);
    QFETCH(QPoint, leftSpot);
    QFETCH(QPoint, rightSpot);
    QFETCH(QColor, left);
    QFETCH(QColor, right);
    frmProbe& f = shown();
    Control& pic = f.ctl("Picture1");
    // 40 × 20 pixels: red on the left half, green on the right.
    const QString two = t_->path(QStringLiteral("two.bmp"));
    QVERIFY(test::writeBmp(two, 40, 20, QColor(255, 0, 0), QColor(0, 160, 0)));
    pic.picture = two.toStdString();
    pic.mirrored = mirrored;
    pic.stretch = stretch;
    pic.borderStyle = border;
    t_->host().syncAll();
    QWidget* w = view(f)->widget("Picture1");
    QCOMPARE(w->size(), QSize(100, 100));
    QImage img = w->grab().toImage();
    QCOMPARE(img.pixelColor(leftSpot), left);
    QCOMPARE(img.pixelColor(rightSpot), right);
    // A single line in the foreground colour all round, or none.
    const QColor corner = border == 1 ? QColor(0, 0, 0) : left;
    QCOMPARE(img.pixelColor(0, 0), corner);
    QCOMPARE(img.pixelColor(99, 99) == QColor(0, 0, 0), border == 1);
    // The same file the other way round is drawn anew.
    pic.mirrored = !mirrored;
    t_->host().syncAll();
    img = w->grab().toImage();
    QCOMPARE(img.pixelColor(leftSpot), right);
    QCOMPARE(img.pixelColor(rightSpot), left);
  }

  // The owner's click pauses twice; meanwhile he chooses an item, then closes the window.
  // A modal window's pauses end with it; another window's run their time.
  void aPauseAnswersTheOwnerAndTheClosedWindowWaitsForTheClick_data() {
    QTest::addColumn<bool>("modal");
    QTest::addColumn<int>("pauseMs");
    QTest::newRow("modal window") << true << 60000;
    QTest::newRow("window of its own") << false << 300;
  }
  void aPauseAnswersTheOwnerAndTheClosedWindowWaitsForTheClick() {
    QFETCH(bool, modal);
    QFETCH(int, pauseMs);
    frmProbe& f = t_->game().form<frmProbe>();
    PauseLog log;
    log.pauseMs = pauseMs;
    f.pauseLog = &log;
    QPointer<ui::FormView> v;
    bool goneWhilePausing = false;
    QElapsedTimer clock;
    auto click = [&] {
      v = view(f);
      connect(v.data(), &QObject::destroyed, this, [&] { goneWhilePausing = !log.returned; });
      QTimer::singleShot(30, this, [&] {
        v->findChild<QListWidget*>(QStringLiteral("List1"))->setCurrentRow(1);
        QTimer::singleShot(30, this, [&] { v->close(); });
      });
      clock.start();
      QTest::mouseClick(v->findChild<QPushButton*>(QStringLiteral("Command5")), Qt::LeftButton);
    };
    if (modal) {
      QTimer::singleShot(0, this, click);
      t_->game().show(f, true);  // returns once the window has closed
    } else {
      t_->game().show(f);
      click();
    }
    // The choice reached the form during the first pause.
    QVERIFY(log.returned);
    QCOMPARE(log.chosenDuringPause, 1);
    // Closing a modal window ended that pause and skipped the second, long before their
    // minutes were up.
    if (modal) QVERIFY(clock.elapsed() < 30000);
    QVERIFY(t_->game().findForm("frmProbe") == nullptr);
    // The window's view stayed while its click was still running, and went after it.
    QVERIFY(!goneWhilePausing);
    QTRY_VERIFY(v.isNull());
  }

  void messageBoxStylesGiveTheirButtons_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<int>("defaultIndex");
    QTest::addColumn<int>("icon");
    QTest::newRow("0 OK") << 0 << QStringList{"OK"} << QList<int>{1} << 0 << 0;
    QTest::newRow("1 OK Cancel") << 1 << QStringList{"OK", "キャンセル"} << QList<int>{1, 2} << 0
                                 << 0;
    QTest::newRow("3 Yes No Cancel + question")
        << 35 << QStringList{"はい", "いいえ", "キャンセル"} << QList<int>{6, 7, 2} << 0 << 32;
    QTest::newRow("20 Yes No critical")
        << 20 << QStringList{"はい", "いいえ"} << QList<int>{6, 7} << 0 << 16;
    QTest::newRow("276 No is the default")
        << 276 << QStringList{"はい", "いいえ"} << QList<int>{6, 7} << 1 << 16;
    QTest::newRow("70 Cancel Try Continue information")
        << 70 << QStringList{"キャンセル", "再試行", "続行"} << QList<int>{2, 10, 11} << 0 << 64;
    QTest::newRow("52 exclamation")
        << 52 << QStringList{"はい", "いいえ"} << QList<int>{6, 7} << 0 << 48;
    QTest::newRow("256 on a one-button box") << 256 << QStringList{"OK"} << QList<int>{1} << 0 << 0;
  }
  void messageBoxStylesGiveTheirButtons() {
    QFETCH(int, style);
    QFETCH(QStringList, captions);
    QFETCH(QList<int>, answers);
    QFETCH(int, defaultIndex);
    QFETCH(int, icon);
    const ui::MsgBoxLayout layout = ui::msgBoxLayout(style);
    QStringList gotCaptions;
    QList<int> gotAnswers;
    for (const auto& b : layout.buttons) {
      gotCaptions << QString::fromStdString(b.caption);
      gotAnswers << b.answer;
    }
    QCOMPARE(gotCaptions, captions);
    QCOMPARE(gotAnswers, answers);
    QCOMPARE(layout.defaultIndex, defaultIndex);
    QCOMPARE(layout.icon, icon);
  }

  void promptLineBreaksShowAsLineBreaks() {
    QCOMPARE(ui::normaliseLineBreaks("一\r\n二\r三\n四"), std::string("一\n二\n三\n四"));
    QCOMPARE(ui::normaliseLineBreaks("終わり\r"), std::string("終わり\n"));
  }
};

QTEST_MAIN(FormViewTest)
#include "tst_formview.moc"
