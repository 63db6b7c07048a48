// What the rest of the game needs of the pet window: for the saves its position, layout,
// state and behaviour option; for the events and the other windows its clocks, its pose,
// its flight, showing, hiding and closing it. The pet window implements it; without one, a
// detached stand-in keeps the values so that the save routines and the rules work on their
// own. Every call from elsewhere to the pet window goes through here, never by its name.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Platform.h"

namespace myu {

class Form;

// The flight's state: the step in twips (vertical, horizontal), kept between flights, the
// count of bounces of this flight, and the monitor it bounces in: the one the window was on
// when the flight started.
struct FlightSteps {
  std::int32_t rounds = 0, stepY = 0, stepX = 0;
  ScreenArea monitor;
  bool hasMonitor = false;
};

class PetWindowPort {
 public:
  virtual ~PetWindowPort() = default;
  // PrpWindowMode: the layout the next Window_Mode applies (0 full, 2 picture, 1 clock).
  virtual std::int16_t windowMode() const = 0;
  virtual void setWindowMode(std::int16_t mode) = 0;
  // The layout on screen now (0 full panel, 2 picture with speech, 1 clock only).
  virtual std::int16_t shownLayout() const = 0;
  // PrpMainForm: true while the window is loaded and not yet saved by its unload check.
  virtual bool mainFormLoaded() const = 0;
  // Not minimised and not maximised.
  virtual bool isNormalState() const = 0;
  virtual void setNormalState() = 0;
  // Position in twips. Setting it loads the window (its load steps run).
  virtual double left() const = 0;
  virtual double top() const = 0;
  virtual void setPosition(double left, double top) = 0;
  // Selects behaviour option 0..5 (its click handler runs).
  virtual void selectBehaviourOption(int index) = 0;
  // The code of the behaviour option chosen now, as the save stores it.
  virtual std::int16_t& menuTypeCode() = 0;

  // The window as a form (its "Me" control holds its position and size), or nothing.
  virtual Form* window() { return nullptr; }
  // The two game clocks (CountTime and the picture clock Timer1) on or off.
  virtual void setClocks(bool on) { (void)on; }
  // The picture of the pet shown now (a path), or nothing.
  virtual std::string posePicture() { return {}; }
  // Draws a pose of the pet at once.
  virtual void showPose(std::int16_t pose) { (void)pose; }
  // The flight's steps, and its clock on or off.
  virtual FlightSteps& flight() { return flight_; }
  virtual void setFlying(bool on) { (void)on; }
  // Shows, hides or closes the window (closing saves, as the owner's close does).
  virtual void show() {}
  virtual void hide() {}
  virtual void close() {}

 private:
  FlightSteps flight_;
};

class DetachedPetWindow final : public PetWindowPort {
 public:
  std::int16_t windowMode() const override { return mode_; }
  void setWindowMode(std::int16_t mode) override { mode_ = mode; }
  std::int16_t shownLayout() const override { return layout_; }
  bool mainFormLoaded() const override { return false; }
  bool isNormalState() const override { return normal_; }
  void setNormalState() override { normal_ = true; }
  double left() const override { return left_; }
  double top() const override { return top_; }
  void setPosition(double left, double top) override {
    left_ = left;
    top_ = top;
  }
  void selectBehaviourOption(int index) override { selected_ = index; }
  std::int16_t& menuTypeCode() override { return menuType_; }

  int selected_ = -1;
  bool normal_ = true;
  std::int16_t layout_ = 0;

 private:
  std::int16_t mode_ = 0;
  std::int16_t menuType_ = 0;
  double left_ = 0, top_ = 0;
};

}  // namespace myu
