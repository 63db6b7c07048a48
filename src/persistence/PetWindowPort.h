// What the save routines need of the pet window: its position, layout and state, and its
// behaviour options; and the pose's picture, for the status window. The pet window
// implements it; without one, a detached stand-in keeps the values so that the save routines
// work on their own.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace myu {

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
  // The file of the pose's first picture (the window's Image1; empty when the Img folder has
  // none); nothing without a window.
  virtual std::optional<std::string> posePicture() const = 0;
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
  std::optional<std::string> posePicture() const override { return std::nullopt; }

  int selected_ = -1;
  bool normal_ = true;
  std::int16_t layout_ = 0;

 private:
  std::int16_t mode_ = 0;
  std::int16_t menuType_ = 0;
  double left_ = 0, top_ = 0;
};

}  // namespace myu
