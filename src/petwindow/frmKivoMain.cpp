#include "petwindow/frmKivoMain.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "events/mdlEvent.h"
#include "events/mdlMischief.h"
#include "feeding/Feeding.h"
#include "kernel/Game.h"
#include "kernel/Pictures.h"
#include "kernel/mdlMain.h"
#include "memorial/Memorial.h"
#include "persistence/mdliniFile.h"
#include "petwindow/frmSplash.h"
#include "petwindow/mdlGraphic.h"
#include "platform/Checked.h"
#include "platform/Screens.h"
#include "status/StatusWindow.h"
#include "status/mdlChange.h"
#include "words/mdlLang.h"

namespace myu {
namespace {

constexpr std::uint32_t kPink = rgb(255, 192, 192);
constexpr std::uint32_t kWhite = rgb(255, 255, 255);
constexpr std::uint32_t kNavy = rgb(0, 0, 128);
constexpr std::uint32_t kButtonFace = rgb(255, 255, 192);
constexpr std::uint32_t kClockPanel = rgb(192, 192, 255);
constexpr std::uint32_t kRed = rgb(255, 0, 0);
constexpr std::uint32_t kBlue = rgb(0, 0, 255);

constexpr const char* kSpeechTip = "デジペットからのメッセージです";
constexpr const char* kClockOn = "時計表示";
constexpr const char* kClockOff = "顔表示";

struct MenuOption {
  const char* caption;
  const char* tooltip;
  std::int16_t menuType;
  std::int16_t pose;
};
constexpr MenuOption kOptions[6] = {
    {"休ませる", "ＨＰ、ＭＰなどが徐々に回復します。", 8, 10},
    {"勉強させる", "ペットが勉強をします。言葉などを覚えることもあります。", 6, 12},
    {"あまやかす", "幸せ度が徐々に上がります。", 7, 9},
    {"鍛える", "ペットの体力などが徐々にあがります。", 5, 11},
    {"ほっておく", "すこし、やんちゃ度があがります。", 4, 13},
    {"おもちゃる", "ペットがおもちゃで独り遊びします。", 1, 14},
};

constexpr const char* kMenuCaptions[10] = {"メニュー表示切り替え",
                                           "時計切り替え",
                                           "ステータス表示",
                                           "-",
                                           "手前表示切り替え",
                                           "メッセージボックス",
                                           "-",
                                           "ミュルカについて",
                                           "あ～れ～助けてぇ～",
                                           "終了"};

// The filled length of a bar: value / whole × full length, integer part.
int barWidth(std::int32_t value, std::int32_t whole, int fullWidth) {
  if (value < 1) return 0;
  if (whole == 0) raise(err::kDivisionByZero);
  double w = std::floor(static_cast<double>(value) / whole * fullWidth);
  if (!(w >= std::numeric_limits<std::int32_t>::min() &&
        w <= std::numeric_limits<std::int32_t>::max()))
    raise(err::kOverflow);
  return static_cast<int>(w);
}

}  // namespace

frmKivoMain::frmKivoMain(Game& g) : Form(g, kName) {
  buildControls();
  g.setPetWindow(this);
}

frmKivoMain::~frmKivoMain() {
  if (&game_.petWindow() == static_cast<PetWindowPort*>(this)) game_.setPetWindow(nullptr);
}

void frmKivoMain::buildControls() {
  Control& w = me();
  w.caption = "ミュルカ";
  place(w, 0, 0, 5725, 4105);
  w.backColor = kPink;

  place(Frame1, 0, 0, 5655, 3735).backColor = kPink;
  place(Frame2, 0, 0, 2775, 2175).backColor = kWhite;
  // Labels are drawn on their container beneath the picture box: the second speech text and
  // the clock face show only while the pet picture is hidden (the clock view). Controls are
  // drawn in the order they are added, later ones on top.
  place(TextWindow2, 150, 1575, 2475, 555);
  TextWindow2.foreColor = kWhite;
  TextWindow2.backColor = kWhite;
  TextWindow2.opaque = false;
  TextWindow2.tooltip = kSpeechTip;
  TextWindow2.multiLine = true;
  place(Label2, 120, 180, 2535, 495);
  Label2.caption = "00:00:00";
  Label2.foreColor = kWhite;
  Label2.opaque = false;
  Label2.fontSize = 20;
  Label2.fontBold = true;
  Label2.visible = false;

  place(Picture1, 120, 60, 2535, 2055);
  Picture1.backColor = kWhite;
  Picture1.stretch = true;

  place(TextWindow, 0, 1440, 2535, 630);
  TextWindow.backColor = kWhite;
  TextWindow.opaque = false;
  TextWindow.foreColor = kNavy;
  TextWindow.tooltip = kSpeechTip;
  TextWindow.multiLine = true;
  place(fldPETname, 120, 2280, 2655, 300);
  fldPETname.opaque = false;
  fldPETname.fontSize = 11;
  fldPETname.fontBold = true;
  place(Label1, 120, 2640, 855, 225);
  Label1.caption = "体調";
  Label1.opaque = false;
  place(fldCondition, 1080, 2640, 1740, 225);
  fldCondition.tooltip = "ペットの現在の体調です。";
  fldCondition.opaque = false;

  struct Row {
    Control& label;
    const char* caption;
    Control& number;
    Control& red;
    Control& blue;
    int top;
  };
  const Row rows[3] = {{Label3, "HP", petHP, HPred, HPblu, 2880},
                       {Label4, "満腹度", petHARA, HARAred, HARAblu, 3120},
                       {Label5, "幸せ度", petHAPPY, HAPPYred, HAPPYblu, 3360}};
  for (const Row& r : rows) {
    place(r.label, 120, r.top, 600, 225);
    r.label.caption = r.caption;
    r.label.opaque = false;
    place(r.number, 720, r.top, 345, 225);
    r.number.opaque = false;
    r.number.caption = "0";
    place(r.red, 1080, r.top, 1740, 180);
    r.red.backColor = kRed;
    r.red.stretch = true;
    place(r.blue, 1080, r.top, 1740, 180);
    r.blue.backColor = kBlue;
    r.blue.stretch = true;
  }

  place(Frame3, 2880, 0, 2655, 1335);
  Frame3.caption = "行動メニュー";
  Frame3.tooltip = "行動パターンを選択してください。ペットの成長に影響します。";
  Frame3.backColor = kPink;
  for (int i = 0; i < 6; ++i) {
    Control& o = place(fldMENU[i], 120 + (i % 2) * 1260, 240 + (i / 2) * 345, 1215, 300);
    o.caption = kOptions[i].caption;
    o.tooltip = kOptions[i].tooltip;
    o.backColor = kPink;
  }
  place(fldFrontBack, 2880, 1380, 2655, 270);
  fldFrontBack.caption = "常に手前に表示";
  fldFrontBack.tooltip = "ペットのウインドウを常に手前に表示させます。";
  fldFrontBack.backColor = kPink;

  auto button = [&](Control& b, const char* caption, const char* tip, int left, int top, int width,
                    int height) -> Control& {
    place(b, left, top, width, height);
    b.caption = caption;
    b.tooltip = tip;
    b.backColor = kButtonFace;
    return b;
  };
  button(Command6, "なにか盛る", "ペットに餌や薬、毒などを盛ることができます。", 2880, 1695, 1305,
         375);
  button(Command8, "詳細ステータスを見る", "ペットについての詳しい情報はこちらから。", 4230, 1695,
         1305, 375);
  button(Command11, kClockOn, "時計などを表示します。", 2880, 2115, 1305, 375);
  button(Command5, "終了", "ゲームを終了します。", 4230, 2115, 1305, 375);
  button(btnKOTOBA, "言葉を教えてあげる。", "", 2880, 2535, 2655, 330).visible = false;
  button(btnFLY, "飛べ！ 羽ばたけ！", "", 2880, 2910, 2655, 330).visible = false;
  const char* downCaptions[4] = {"ログオフ", "再起動", "シャットダウン", "強制終了"};
  for (int i = 0; i < 4; ++i)
    button(btnWINDOWN[i], downCaptions[i], "", 2880 + i * 664, 3285, 660, 330).visible = false;

  place(Image1, 120, 60, 2535, 2055).visible = false;
  place(Image2, 120, 60, 2535, 2055).visible = false;
  for (int i = 0; i < 3; ++i) place(imgIcon[i], 0, 0, 480, 480).visible = false;

  mnuMENU.caption = "右クリックメニュー";
  mnuMENU.visible = false;
  for (int i = 0; i < 10; ++i) mnuMENUs[i].caption = kMenuCaptions[i];

  // Our own cursor pictures, when they are installed; the view falls back to its own.
  for (int i = 0; i < 3; ++i)
    if (auto p = existingPicture(game_, "Mof_CUR_" + std::to_string(i) + ".bmp"))
      imgIcon[i].picture = *p;

  // Events.
  for (Control* c : {&Frame1, &Frame2, &Picture1, &Label2, &TextWindow, &TextWindow2})
    on(*c, Event::DblClick, [this](const EventArgs&) { Window_Mode(); });
  for (Control* c : {&Picture1, &Label2, &TextWindow, &TextWindow2})
    on(*c, Event::MouseDown, [this](const EventArgs& a) {
      if (a.button == 2) requestPopup();
    });
  on(Picture1, Event::Click, [this](const EventArgs&) { Picture1_Click(); });
  on(fldMENU, Event::Click, [this](const EventArgs& a) { fldMENU_Click(a.index); });
  on(fldFrontBack, Event::Click, [this](const EventArgs&) { fldFrontBack_Click(); });
  on(mnuMENUs, Event::Click, [this](const EventArgs& a) { mnuMENUs_Click(a.index); });
  on(Command11, Event::Click, [this](const EventArgs&) { Command11_Click(); });
  on(Command6, Event::Click, [this](const EventArgs&) { Command6_Click(); });
  on(Command8, Event::Click, [this](const EventArgs&) { showStatusWindow(game_); });
  on(Command5, Event::Click, [this](const EventArgs&) { game_.unload(*this); });
  on(btnKOTOBA, Event::Click, [this](const EventArgs&) { InPutNewWord(game_); });
  on(btnFLY, Event::Click, [this](const EventArgs&) { Event_WindowMoveStart(game_); });
  on(btnWINDOWN, Event::Click, [this](const EventArgs& a) {
    guarded(game_, "frmKivoMain/btnWINDOWN_Click ", [&] {
      switch (a.index) {
        case 0:
          WinLOGOFF(game_);
          break;
        case 1:
          WinREBOOT(game_);
          break;
        case 2:
          WinSHUTDOWN(game_);
          break;
        case 3:
          WinFORCE(game_);
          break;
        default:
          break;
      }
    });
  });
}

// ---- lifecycle ----

void frmKivoMain::Form_Load() {
  PrpMainForm = -1;
  ShowPose(game_, 0);
  Window_Mode();
  fldPETname.caption = game_.st.petName;
  Timer1.enabled = true;
  showFirstPicture();
  if (ChangeSlidebar()) {
    Timer1.enabled = true;
    CountTime.enabled = true;
  }
}

void frmKivoMain::Form_Activate() {
  ChangeSlidebar();
}

bool frmKivoMain::Form_QueryUnload() {
  if (discard_ || ended_ || game_.st.hp < 1) return false;
  if (fSave_UserData(game_, menuType)) {
    game_.closeWordFiles();
    PrpMainForm = 0;
    return false;
  }
  // The save failed and the old one is still whole: the owner decides, and staying is the
  // default, so that the session's progress is not lost behind a goodbye.
  const int answer =
      game_.MsgBox("セーブできませんでした。フォルダ「" + pathToUtf8(game_.folder()) +
                       "」に書き込めないみたいです。\r\n"
                       "このまま終わると、前にセーブしたところからのことは残りません。\r\n"
                       "それでも終わりますか？",
                   mb::kYesNo + mb::kExclamation + mb::kDefaultButton2, "確認ウインドウ");
  return answer != mb::kYes;
}

void frmKivoMain::Form_Unload() {
  if (discard_ || ended_) return;
  if (game_.st.hp >= 1)
    game_.st.answer1 = static_cast<std::int16_t>(game_.MsgBox("またねっ！", mb::kOkOnly, ""));
}

// ---- what the rest of the game asks of the window ----

void frmKivoMain::setClocks(bool on) {
  CountTime.enabled = on;
  Timer1.enabled = on;
}

std::string frmKivoMain::posePicture() {
  return Image1.picture;
}

void frmKivoMain::showPose(std::int16_t pose) {
  ShowPose(game_, pose);
}

void frmKivoMain::setFlying(bool on) {
  move_timer.enabled = on;
}

void frmKivoMain::show() {
  if (!closed) game_.show(*this);
}

void frmKivoMain::hide() {
  if (!closed) game_.hide(*this);
}

void frmKivoMain::close() {
  game_.unload(*this);
}

void frmKivoMain::discardWithoutSaving() {
  discard_ = true;
  game_.unload(*this);
}

void frmKivoMain::startLiving() {
  if (closed) return;
  living_ = true;
  periodicSave.enabled = true;
}

bool frmKivoMain::maySaveWithoutAsking() const {
  return living_ && !discard_ && !funeral_ && !ended_ && !closed && PrpMainForm != 0 &&
         game_.st.hp >= 1;
}

bool frmKivoMain::saveWithoutAsking() {
  if (!maySaveWithoutAsking()) return false;
  const Game::QuietErrors quiet(game_);
  return fSave_UserData(game_, menuType);
}

bool frmKivoMain::endWithSession() {
  // During the funeral the pet's death is written instead: a dead pet stays dead.
  if (funeral_ && !ended_) endLifeWithSession(game_);
  const bool saved = saveWithoutAsking();
  if (saved) game_.closeWordFiles();
  ended_ = true;
  for (Timer* t : timers()) t->enabled = false;
  return saved;
}

void frmKivoMain::periodicSave_Timer() {
  // Only between the owner's events: not inside another handler (a box or a pause of one),
  // not while a modal window is open, not during a flight. Passed by, it is tried again a game
  // tick later, so that the last save is never older than five minutes and a tick.
  bool busy = game_.handlerDepth > 1 || move_timer.enabled;
  for (Form* f : game_.openForms())
    if (f->modal && f->shown) busy = true;
  periodicSave.interval = busy ? kPeriodicSaveRetryMs : kPeriodicSaveMs;
  if (!busy) saveWithoutAsking();
}

void frmKivoMain::applyTitleButtons() {
  const auto& t = game_.st.titleFlags;
  if (t[9] > 9) btnFLY.visible = true;
  if (t[18] > 9)
    for (int i = 0; i < 4; ++i) btnWINDOWN[i].visible = true;
  // The word level runs from 1 to 8: the button shows once the pet has any word level.
  if (t[16] >= 1) btnKOTOBA.visible = true;
}

void frmKivoMain::showFirstPicture() {
  Picture1.picture = Image1.picture;
}

// ---- PetWindowPort ----

double frmKivoMain::left() const {
  return const_cast<frmKivoMain*>(this)->me().left;
}
double frmKivoMain::top() const {
  return const_cast<frmKivoMain*>(this)->me().top;
}

void frmKivoMain::setPosition(double left, double top) {
  game_.load(*this);
  auto clampTwips = [](double v) {
    if (!(v > -1e9)) return -1000000000;
    if (v > 1e9) return 1000000000;
    return static_cast<int>(v);
  };
  me().left = clampTwips(left);
  me().top = clampTwips(top);
  // A saved position off the screen (another screen size, or a damaged save) would hide the
  // pet: the window comes back onto the screen.
  keepOnScreen();
}

void frmKivoMain::selectBehaviourOption(int index) {
  game_.load(*this);
  if (index < 0 || index > 5) return;
  for (int i = 0; i < 6; ++i) fldMENU[i].value = i == index ? 1 : 0;
  fire(fldMENU[index], Event::Click);
}

// ---- status bars ----

bool frmKivoMain::ChangeSlidebar() {
  return guarded(game_, "frmKivoMain/ChangeSlidebar ", false, [&] {
    GameState& s = game_.st;
    ClampStatus(s);
    struct Bar {
      Control& red;
      Control& blue;
      Control& number;
      std::int32_t value;
      std::int32_t whole;
    };
    const Bar bars[3] = {{HPred, HPblu, petHP, s.hp, s.maxHp},
                         {HARAred, HARAblu, petHARA, s.manpuku, 100},
                         {HAPPYred, HAPPYblu, petHAPPY, s.happy, 100}};
    for (int i = 0; i < 3; ++i) {
      const Bar& b = bars[i];
      Control& red = b.red;
      Control& blue = b.blue;
      blue.left = red.left;
      blue.top = red.top;
      blue.height = red.height;
      blue.width = barWidth(b.value, b.whole, red.width);
      if (i == 0 && b.value >= 1 && static_cast<double>(b.value) * 100.0 / b.whole < 10)
        s.petImage = 19;
      b.number.caption = std::to_string(b.value);
    }
    fldCondition.caption = CONDITIONsNOTATION(s.condition);
    return true;
  });
}

// ---- clocks ----

namespace {
// A damaged save can leave the play clock or the event counter far out of range. They are
// brought back before the tick counts, so that one bad value does not report an overflow on
// every tick; a value past its limit rolls over on this tick, as it would have.
void keepClockInRange(GameState& s) {
  s.timeSec = std::clamp(s.timeSec, 0, 19);
  s.timeMin = std::clamp(s.timeMin, 0, 59);
  if (s.timeHour < 0 || s.timeHour == std::numeric_limits<std::int32_t>::max()) s.timeHour = 0;
  s.eventCount = std::clamp(s.eventCount, 0, 20);
}
}  // namespace

void frmKivoMain::CountTime_Timer() {
  guarded(game_, "frmKivoMain/CountTime_Timer ", [&] {
    GameState& s = game_.st;
    if (!ChangeSlidebar()) return;
    TextWindow.caption = s.petMessage;
    keepClockInRange(s);
    chk::addTo(s.timeSec, 1);
    if (s.timeSec >= 20) {
      s.timeSec = 0;
      chk::addTo(s.timeMin, 1);
      if (!Event_PetsSpeak(game_)) return;
      if (!CONDITIONsCONTOROL(game_)) return;
      if (s.timeMin >= 60) {
        s.timeMin = 0;
        chk::addTo(s.timeHour, 1);
      }
    }
    if (RandomBetween(game_, 1, 5) == 1) chk::addTo(s.eventCount, 1);
    if (s.eventCount >= 20) {
      s.eventBusy = 0;
      chk::subFrom(s.happy, 1);
      s.eventCount = 0;
      s.petImage = 0;
      if (!plusSTATUSpar(game_, menuType)) return;
      CHANGEsCONDITION(game_);
      if (Event_JikoShi(game_)) return;
    }
    if (!Event_GASHI(game_)) return;
    if (!Event_WaraiDake(game_)) return;
    if ((static_cast<std::int64_t>(s.timeSec) + 1) % 20 == 0) {
      if (!Event_ALCOHOL(game_)) return;
      Event_Junk(game_);
    }
  });
}

void frmKivoMain::Timer1_Timer() {
  guarded(game_, "frmKivoMain/Timer1_Timer ", [&] {
    GameState& s = game_.st;
    if (s.petImage != shownPose) {
      ShowPose(game_, s.petImage);
      shownPose = s.petImage;
    }
    if (s.hp > 0) {
      blink = !blink;
      Picture1.picture = (blink ? Image2 : Image1).picture;
    } else {
      // The death is handed over once; the death window decides what follows.
      Timer1.enabled = false;
      funeral_ = true;
      periodicSave.enabled = false;
      game_.hide(*this);
      showDeathWindow(game_);
    }
  });
}

void frmKivoMain::TimeTimer_Timer() {
  Label2.visible = false;
  Label2.caption = game_.now().formatTime();
  TextWindow2.caption = game_.st.petMessage;
  Label2.visible = true;
}

void frmKivoMain::move_timer_Timer() {
  if (windowState != 0) {
    // A minimised or maximised window ends the flight at once, without one more step: the
    // step would move a window the owner has put away.
    move_timer.enabled = false;
    return;
  }
  if (!game_.windows().placesWindow(*this)) {
    // The desktop keeps the window where it put it: the flight ends there, and the window
    // keeps the position it really has (the host has given it), which is what is saved.
    move_timer.enabled = false;
    return;
  }
  if (!Event_WindowMoveRound(game_, moveRounds) || moveRounds >= 7) move_timer.enabled = false;
}

// ---- layouts ----

void frmKivoMain::Window_Mode() {
  guarded(game_, "frmKivoMain/Window_Mode ", [&] {
    std::int16_t m = PrpWindowMode;
    if (m == 1 && !TimeTimer.enabled) {
      m = 0;
      PrpWindowMode = 0;
    }
    Control& w = me();
    const Control& f1 = Frame1;
    const Control& f2 = Frame2;
    switch (m) {
      case 0:
        w.height = f1.top + f1.height + 370;
        w.width = f1.left + f1.width + 70;
        shownLayout_ = 0;
        PrpWindowMode = 2;
        break;
      case 2:
        TextWindow2.caption = game_.st.petMessage;
        w.height = f2.top + f2.height + 370;
        w.width = f2.left + f2.width + 70;
        shownLayout_ = 2;
        PrpWindowMode = 1;
        break;
      case 1:
        w.height = f2.top + f2.height / 3 + 370;
        w.width = f2.left + f2.width + 70;
        shownLayout_ = 1;
        PrpWindowMode = 0;
        break;
      default:
        PrpWindowMode = 2;
        break;
    }
    keepOnScreen();
  });
}

void frmKivoMain::keepOnScreen() {
  // On a desktop of several monitors a window anywhere on them stays; only one that reaches
  // past them is brought back, onto the monitor it is on.
  Control& w = me();
  keepOnDesktop(game_.windows().screens(), w.left, w.top, w.width, w.height);
}

// ---- commands ----

void frmKivoMain::requestPopup() {
  ++popupRequested;
  if (onPopupMenu) onPopupMenu();
}

void frmKivoMain::Picture1_Click() {
  guarded(game_, "frmKivoMain/Picture1_Click ", [&] {
    GameState& s = game_.st;
    Control& pic = Picture1;
    if (RandomBetween(game_, 0, 1) == 0) {
      pic.cursor = 0;
      ShowPose(game_, 16);
      TextWindow.caption = "痛っ！！";
    } else {
      pic.cursor = 1;
      ShowPose(game_, 4);
      TextWindow.caption = "うわぁあぁぁあ！！";
    }
    showFirstPicture();
    game_.windows().sleep(900);
    chk::subFrom(s.happy, 1);
    ShowPose(game_, shownPose);
    pic.cursor = 2;
  });
}

void frmKivoMain::fldMENU_Click(int index) {
  guarded(game_, "frmKivoMain/fldMENU_Click ", [&] {
    if (index < 0 || index > 5) return;
    GameState& s = game_.st;
    const std::string crlf = "\r\n";
    switch (index) {
      case 0:
        s.petMessage = "げんざい休憩中です" + crlf + s.petName + "はのんびりしているようです。";
        break;
      case 1:
        s.petMessage = "さぁ、よい子はお勉強の時間ですよ。" + crlf + s.userName + "も勉強したら？";
        break;
      case 2:
        s.petMessage = s.petName + "に ほおずり。" + crlf +
                       "嫌がっているようですが、まんざらでもないようです。";
        break;
      case 3:
        s.petMessage =
            "トレーニングを開始しました" + crlf + s.petName + "の汗が激しく飛び散っています。";
        break;
      case 4:
        s.petMessage =
            "・・・。自由時間です。" + crlf + s.petName + "気ままにどっかにいってしまいました。";
        break;
      default:
        s.petMessage =
            "おもちゃを与えました。" + crlf + s.petName + "はおもちゃで遊びはじめました。";
        break;
    }
    menuType = kOptions[index].menuType;
    s.petImage = kOptions[index].pose;
    ShowPose(game_, s.petImage);
  });
}

void frmKivoMain::fldFrontBack_Click() {
  int v = fldFrontBack.value;
  if (v == 1)
    PRE_VIEW(game_, 1, *this);
  else if (v == 0)
    PRE_VIEW(game_, 0, *this);
}

void frmKivoMain::Command11_Click() {
  Control& button = Command11;
  if (button.caption == kClockOn) {
    Label2.caption = game_.now().formatTime();
    TimeTimer.enabled = true;
    Picture1.visible = false;
    Label2.visible = true;
    Frame2.backColor = kClockPanel;
    button.caption = kClockOff;
  } else {
    Picture1.visible = true;
    button.caption = kClockOn;
    Label2.visible = false;
    Frame2.backColor = kWhite;
    TimeTimer.enabled = false;
  }
}

void frmKivoMain::Command6_Click() {
  guarded(game_, "frmKivoMain/Command6_Click ", [&] {
    ActiveKivoMain(game_, false);
    ClampStatus(game_.st);
    showFeedingWindow(game_);
    ActiveKivoMain(game_, true);
    ClampStatus(game_.st);
  });
}

void frmKivoMain::openHelp() {
  int rc = game_.services().shell->open(pathToUtf8(game_.dataFile("お助けぺーじ.html")),
                                        pathToUtf8(game_.dataFolder()));
  if (rc <= 32)
    game_.st.answer2 = static_cast<std::int16_t>(
        game_.MsgBox("ミュルカヘルプファイルを開けません。\r\nエラー番号：" + std::to_string(rc),
                     mb::kInformation, ""));
}

void frmKivoMain::mnuMENUs_Click(int index) {
  guarded(game_, "frmKivoMain/mnuMENUs_Click ", [&] {
    switch (index) {
      case 0:
        Window_Mode();
        break;
      case 1:
        Command11_Click();
        break;
      case 2:
        showStatusWindow(game_);
        break;
      case 4: {
        Control& box = fldFrontBack;
        if (box.value == 0) {
          PRE_VIEW(game_, 1, *this);
          box.value = 1;
          fldFrontBack_Click();
        } else if (box.value == 1) {
          PRE_VIEW(game_, 0, *this);
          box.value = 0;
          fldFrontBack_Click();
        }
        break;
      }
      case 5: {
        Control& tw = TextWindow;
        if (tw.visible && tw.opaque) {
          tw.foreColor = kNavy;
          tw.opaque = false;
        } else if (tw.visible && !tw.opaque) {
          tw.visible = false;
        } else {
          tw.visible = true;
          tw.foreColor = rgb(0, 0, 0);
          tw.opaque = true;
        }
        break;
      }
      case 7: {
        auto& splash = game_.form<frmSplash>();
        game_.show(splash, false);
        break;
      }
      case 8:
        openHelp();
        break;
      case 9:
        game_.unload(*this);
        break;
      default:
        break;  // the separators
    }
  });
}

}  // namespace myu
