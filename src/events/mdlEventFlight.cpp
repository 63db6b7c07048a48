// The pet's flight: its window bounces around the screen it is on.
#include "events/mdlEvent.h"
#include "petwindow/frmKivoMain.h"
#include "petwindow/mdlGraphic.h"
#include "startup/Checked.h"
#include "startup/Game.h"
#include "startup/mdlMain.h"

namespace myu {

void Event_WindowMoveStart(Game& g) {
  guarded(g, "mdlEvent/Event_WindowMoveStart ", [&] {
    auto& w = g.form<frmKivoMain>();
    w.setNormalState();
    ShowPose(g, 7);
    w.moveStepY = RandomBetween(g, 10, 400);
    w.moveStepX = RandomBetween(g, 10, 400);
    if (RandomBetween(g, 1, 2) != 1) w.moveStepY = -w.moveStepY;
    if (RandomBetween(g, 1, 2) != 1) w.moveStepX = -w.moveStepX;
    w.moveRounds = 0;
    w.move_timer.enabled = true;
  });
}

bool Event_WindowMoveRound(Game& g, std::int32_t& moveRounds) {
  return guarded(g, "mdlEvent/Event_WindowMoveRound ", false, [&] {
    auto& w = g.form<frmKivoMain>();
    Control& me = w.me();
    ScreenArea screen = g.windows().screenOf(w);
    const std::int64_t bottom = static_cast<std::int64_t>(screen.top) + screen.height;
    const std::int64_t right = static_cast<std::int64_t>(screen.left) + screen.width;
    me.top = chk::add<int>(me.top, w.moveStepY);
    me.left = chk::add<int>(me.left, w.moveStepX);
    if (me.top <= screen.top) {
      w.moveStepY = chk::sub<std::int32_t>(0, w.moveStepY);
      chk::addTo(moveRounds, 1);
      me.top = screen.top + 1;
    }
    if (me.top + static_cast<std::int64_t>(me.height) >= bottom) {
      w.moveStepY = chk::sub<std::int32_t>(0, w.moveStepY);
      chk::addTo(moveRounds, 1);
      me.top = chk::narrow<int>(bottom - me.height - 1);
    }
    if (me.left <= screen.left) {
      w.moveStepX = chk::sub<std::int32_t>(0, w.moveStepX);
      chk::addTo(moveRounds, 1);
      me.left = screen.left + 1;
    }
    if (me.left + static_cast<std::int64_t>(me.width) >= right) {
      w.moveStepX = chk::sub<std::int32_t>(0, w.moveStepX);
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
