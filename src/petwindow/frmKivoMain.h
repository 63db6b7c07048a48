// The pet window: the pet's picture and speech, its name, condition and status bars, the
// action options, the command buttons and the pop-up menu, and the four clocks that run the
// game (CountTime the game clock, Timer1 the picture clock, TimeTimer the clock face,
// move_timer the flight).
//
// For the view: the window's position and size are Me.left/top/width/height in twips, which
// the code changes (layouts, keeping on screen, the flight) and the view must also write back
// when the owner moves the window. Picture1.picture is the pet picture on screen (empty when
// the Img folder has none); Picture1.cursor is the poke cursor (index into imgIcon, whose
// picture may be empty: then any cursor of the view's own). Controls are drawn in the order
// they were added, later ones on top. The pop-up menu is the Menu control mnuMENU with its
// entries mnuMENUs(0..9) ("-" is a separator); it is never drawn in the window: it opens when
// popupRequested rises (or onPopupMenu is called), and an entry chosen is a click on it.
#pragma once

#include <cstdint>
#include <functional>

#include "kernel/PetWindowPort.h"
#include "platform/Form.h"

namespace myu {

class frmKivoMain final : public Form, public PetWindowPort {
 public:
  static constexpr const char* kName = "frmKivoMain";
  explicit frmKivoMain(Game& g);
  ~frmKivoMain() override;

  // Window events.
  void Form_Load() override;
  void Form_Activate() override;
  bool Form_QueryUnload() override;
  void Form_Unload() override;

  // Procedures of the window.
  void Window_Mode();
  bool ChangeSlidebar();
  // Shows the title-dependent buttons from the title counters just read.
  void applyTitleButtons();
  // Puts the first picture of the pose (Image1) on screen.
  void showFirstPicture();
  // Start-up failed after the window was created: close it without saving and without the
  // goodbye.
  void discardWithoutSaving();
  // The start is complete (the pet loaded, the absence dealt with, the window shown): from
  // here on the pet may be saved without the owner, and the periodic save runs.
  void startLiving();

  // Saves the pet as it stands, without a box for the owner: a failure goes to the error log
  // only. Nothing is saved, and false returned, when there is no pet of this session to save:
  // before the start is complete (the first profile, a save that the start refused), for a
  // dead pet (the funeral has begun), after the closing save or the session's end. Returns
  // true when the pet was saved. For the session manager, a shut-down or a suspend, which
  // leave the pet running.
  bool saveWithoutAsking();
  // The session ends (a signal, the display gone): the pet is saved as with
  // saveWithoutAsking, and nothing is saved after it; the host then ends the program at once,
  // without the goodbye and without answering any box that is open.
  bool endWithSession();
  // How often the pet is saved in the background, in milliseconds.
  static constexpr int kPeriodicSaveMs = 5 * 60 * 1000;
  // How soon a periodic save that had to wait is tried again: one game tick.
  static constexpr int kPeriodicSaveRetryMs = 3000;

  // PetWindowPort.
  std::int16_t windowMode() const override { return PrpWindowMode; }
  void setWindowMode(std::int16_t mode) override { PrpWindowMode = mode; }
  std::int16_t shownLayout() const override { return shownLayout_; }
  bool mainFormLoaded() const override { return PrpMainForm != 0; }
  bool isNormalState() const override { return windowState == 0; }
  void setNormalState() override { windowState = 0; }
  double left() const override;
  double top() const override;
  void setPosition(double left, double top) override;
  void selectBehaviourOption(int index) override;
  std::int16_t& menuTypeCode() override { return menuType; }
  Form* window() override { return this; }
  void setClocks(bool on) override;
  std::string posePicture() override;
  void showPose(std::int16_t pose) override;
  FlightSteps& flight() override { return flightSteps; }
  void setFlying(bool on) override;
  void show() override;
  void hide() override;
  void close() override;

  // Window fields.
  std::int16_t menuType = 0;
  std::int16_t PrpMainForm = 0;
  std::int16_t PrpWindowMode = 0;
  std::int16_t shownPose = 0;
  // The flight: its bounces so far and its step in twips (vertical, horizontal), kept between
  // flights.
  FlightSteps flightSteps;
  std::int32_t& moveRounds = flightSteps.rounds;
  std::int32_t& moveStepY = flightSteps.stepY;
  std::int32_t& moveStepX = flightSteps.stepX;
  bool blink = false;
  // 0 normal, 1 minimised, 2 maximised: the view keeps it up to date.
  int windowState = 0;
  // Raised each time the owner asks for the pop-up menu (right button on the picture, the
  // clock face or a speech text). The view opens mnuMENU at the mouse pointer; the callback,
  // when set, is called at once.
  int popupRequested = 0;
  std::function<void()> onPopupMenu;

  // The controls, in the order they are drawn (later ones on top).
  Control& Frame1 = add(Kind::Frame, "Frame1");
  Control& Frame2 = add(Kind::Frame, "Frame2", Frame1);
  Control& TextWindow2 = add(Kind::Label, "TextWindow2", Frame2);  // speech in the clock view
  Control& Label2 = add(Kind::Label, "Label2", Frame2);            // the clock face
  Control& Picture1 = add(Kind::Picture, "Picture1", Frame2);      // the pet
  Control& TextWindow = add(Kind::Label, "TextWindow", Picture1);  // the speech
  Control& fldPETname = add(Kind::Label, "fldPETname", Frame1);
  Control& Label1 = add(Kind::Label, "Label1", Frame1);
  Control& fldCondition = add(Kind::Label, "fldCondition", Frame1);
  Control& Label3 = add(Kind::Label, "Label3", Frame1);
  Control& petHP = add(Kind::Label, "petHP", Frame1);
  Control& HPred = add(Kind::Image, "HPred", Frame1);
  Control& HPblu = add(Kind::Image, "HPblu", Frame1);
  Control& Label4 = add(Kind::Label, "Label4", Frame1);
  Control& petHARA = add(Kind::Label, "petHARA", Frame1);
  Control& HARAred = add(Kind::Image, "HARAred", Frame1);
  Control& HARAblu = add(Kind::Image, "HARAblu", Frame1);
  Control& Label5 = add(Kind::Label, "Label5", Frame1);
  Control& petHAPPY = add(Kind::Label, "petHAPPY", Frame1);
  Control& HAPPYred = add(Kind::Image, "HAPPYred", Frame1);
  Control& HAPPYblu = add(Kind::Image, "HAPPYblu", Frame1);
  Control& Frame3 = add(Kind::Frame, "Frame3", Frame1);
  ControlArray fldMENU = addArray(Kind::Option, "fldMENU", 6, Frame3);  // the behaviours
  Control& fldFrontBack = add(Kind::Check, "fldFrontBack", Frame1);
  Control& Command6 = add(Kind::Button, "Command6", Frame1);
  Control& Command8 = add(Kind::Button, "Command8", Frame1);
  Control& Command11 = add(Kind::Button, "Command11", Frame1);
  Control& Command5 = add(Kind::Button, "Command5", Frame1);
  Control& btnKOTOBA = add(Kind::Button, "btnKOTOBA", Frame1);
  Control& btnFLY = add(Kind::Button, "btnFLY", Frame1);
  ControlArray btnWINDOWN = addArray(Kind::Button, "btnWINDOWN", 4, Frame1);
  // Hidden: the two pictures of the current pose and the three poke cursors.
  Control& Image1 = add(Kind::Image, "Image1", Frame1);
  Control& Image2 = add(Kind::Image, "Image2", Frame1);
  ControlArray imgIcon = addArray(Kind::Image, "imgIcon", 3, Frame1);
  // The pop-up menu (not in a menu bar).
  Control& mnuMENU = add(Kind::Menu, "mnuMENU");
  ControlArray mnuMENUs = addArray(Kind::Menu, "mnuMENUs", 10, mnuMENU);

  // The clocks, all off until the code turns them on.
  Timer& CountTime = addTimer("CountTime", 3000, [this] { CountTime_Timer(); });
  Timer& Timer1 = addTimer("Timer1", 1000, [this] { Timer1_Timer(); });
  Timer& TimeTimer = addTimer("TimeTimer", 250, [this] { TimeTimer_Timer(); });
  Timer& move_timer = addTimer("move_timer", 5, [this] { move_timer_Timer(); });
  // Ours: the background save every five minutes, so that a crash or a power cut loses at
  // most that much. On from the end of the start.
  Timer& periodicSave = addTimer("periodicSave", kPeriodicSaveMs, [this] { periodicSave_Timer(); });

 private:
  void buildControls();
  void CountTime_Timer();
  void Timer1_Timer();
  void TimeTimer_Timer();
  void move_timer_Timer();
  void periodicSave_Timer();
  bool maySaveWithoutAsking() const;
  void Picture1_Click();
  void fldMENU_Click(int index);
  void fldFrontBack_Click();
  void mnuMENUs_Click(int index);
  void Command11_Click();
  void Command6_Click();
  void openHelp();
  void requestPopup();
  void keepOnScreen();

  std::int16_t shownLayout_ = 0;
  bool discard_ = false;
  bool living_ = false;   // the start is complete
  bool funeral_ = false;  // the pet died: the death window has the pet now
  bool ended_ = false;    // the session ended: saved for the last time
};

}  // namespace myu
