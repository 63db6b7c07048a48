// The pet's flight: its window bounces around the monitor it was on when the flight started.
#include "events/mdlEvent.h"
#include "kernel/Game.h"
#include "kernel/mdlMain.h"
#include "platform/Checked.h"

namespace myu {

void Event_WindowMoveStart(Game& g) {
  guarded(g, "mdlEvent/Event_WindowMoveStart ", [&] {
    PetWindowPort& w = g.petWindow();
    w.setNormalState();
    w.showPose(7);
    FlightSteps& f = w.flight();
    f.stepY = RandomBetween(g, 10, 400);
    f.stepX = RandomBetween(g, 10, 400);
    if (RandomBetween(g, 1, 2) != 1) f.stepY = -f.stepY;
    if (RandomBetween(g, 1, 2) != 1) f.stepX = -f.stepX;
    f.rounds = 0;
    if (const Form* window = w.window()) {
      f.monitor = g.windows().screenOf(*window);
      f.hasMonitor = true;
    }
    w.setFlying(true);
  });
}

bool Event_WindowMoveRound(Game& g, std::int32_t& moveRounds) {
  return guarded(g, "mdlEvent/Event_WindowMoveRound ", false, [&] {
    Form* window = g.petWindow().window();
    if (window == nullptr) return false;
    Control& me = window->me();
    FlightSteps& w = g.petWindow().flight();
    const ScreenArea screen = w.hasMonitor ? w.monitor : g.windows().screenOf(*window);
    const std::int64_t bottom = static_cast<std::int64_t>(screen.top) + screen.height;
    const std::int64_t right = static_cast<std::int64_t>(screen.left) + screen.width;
    me.top = chk::add<int>(me.top, w.stepY);
    me.left = chk::add<int>(me.left, w.stepX);
    if (me.top <= screen.top) {
      w.stepY = chk::sub<std::int32_t>(0, w.stepY);
      chk::addTo(moveRounds, 1);
      me.top = screen.top + 1;
    }
    if (me.top + static_cast<std::int64_t>(me.height) >= bottom) {
      w.stepY = chk::sub<std::int32_t>(0, w.stepY);
      chk::addTo(moveRounds, 1);
      me.top = chk::narrow<int>(bottom - me.height - 1);
    }
    if (me.left <= screen.left) {
      w.stepX = chk::sub<std::int32_t>(0, w.stepX);
      chk::addTo(moveRounds, 1);
      me.left = screen.left + 1;
    }
    if (me.left + static_cast<std::int64_t>(me.width) >= right) {
      w.stepX = chk::sub<std::int32_t>(0, w.stepX);
      chk::addTo(moveRounds, 1);
      me.left = chk::narrow<int>(right - me.width - 1);
    }
    if (RandomBetween(g, 1, 100) <= 3) {
      moveRounds = 0;
      Event_WindowMoveStart(g);
    }
    return true;
  });
}

}  // namespace myu
