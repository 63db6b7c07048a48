// The owner's absence: hours replayed, a long absence, a clock turned back.
#include <cstdlib>

#include "events/mdlEvent.h"
#include "kernel/GameHelpers.h"
#include "kernel/mdlMain.h"
#include "platform/Checked.h"
#include "status/mdlChange.h"

namespace myu {

bool Event_TimeSepareat(Game& g, std::int16_t& menuType) {
  return guarded(g, "mdlEvent/Event_TimeSepareat ", false, [&] {
    GameState& s = g.st;
    // A last-save time that cannot be read counts as a start within the same hour: the pet
    // is neither aged nor starved for a time nobody can measure, and the program still starts.
    DateTime now = g.now();
    DateTime last = DateTime::parse(s.lastTime).value_or(now);
    std::int32_t hours = chk::narrow<std::int32_t>(hoursBetween(last, now));
    if (hours < 0) return TimeStateEvent1(g, hours);
    if (hours == 0) {
      s.petImage = 9;
      s.petMessage = "こんなに直ぐに逢いに来てくれるなんて、うれしいね。";
      chk::addTo(s.happy, 3);
      return true;
    }
    if (hours <= 288) return TimeStateEvent0(g, menuType, hours);
    return TimeStateEvent2(g, hours);
  });
}

bool TimeStateEvent0(Game& g, std::int16_t& menuType, std::int32_t& hours) {
  return guarded(g, "mdlEvent/TimeStateEvent0 ", false, [&] {
    GameState& s = g.st;
    for (std::int32_t i = 1; i <= hours; ++i) {
      if (s.hp <= 0) return false;
      if (s.eventBusy != 0) {
        s.eventBusy = 0;
        break;
      }
      if (!Event_Junk(g)) return false;
      if (Event_JikoShi(g)) return false;
      if (!plusSTATUSpar(g, menuType)) return false;
      if (!CONDITIONsCONTOROL(g)) return false;
      if (s.junk >= 1) chk::addTo(s.junkCount, 2);
      chk::subFrom(s.happy, 2);
    }
    std::int32_t days = hours / 24;
    hours = days;
    if (days >= 1 && s.alcohol > 2) {
      s.petImage = 6;
      chk::addTo(s.alcohol, 1);
    }
    if (days >= 5 && days <= 12) {
      s.petImage = 18;
      s.hp = chk::add<std::int32_t>(chk::idiv<std::int32_t>(s.hp, chk::mul<std::int32_t>(days, 10)),
                                    5);
      s.manpuku = 0;
      g.MsgBox(s.petName + "は まさに餓死寸前です。", mb::kOkOnly);
    }
    ClampStatus(s);
    return true;
  });
}

bool TimeStateEvent1(Game& g, std::int32_t& hours) {
  return guarded(g, "mdlEvent/TimeStateEvent1 ", false, [&] {
    GameState& s = g.st;
    s.deadType = "浦島太郎の煙";
    s.userType = "乙姫っぽい亀";
    g.MsgBox("時の煙が " + s.petName + "を襲う！！", mb::kOkOnly + mb::kExclamation);
    std::int64_t times = std::llabs(static_cast<std::int64_t>(hours));
    for (std::int64_t i = 0; i < times; ++i) {
      chk::subFrom(s.maxHp, 1);
      chk::subFrom(s.maxMp, 8);
      s.hp = s.maxHp;
      s.mp = s.maxMp;
      chk::subFrom(s.defense, 1);
      chk::subFrom(s.brain, 2);
      chk::subFrom(s.speed, 5);
      chk::subFrom(s.power, 3);
      chk::addTo(s.luck, 1);
    }
    s.petImage = 18;
    chk::addTo(titleFlag(s, "TIMETR"), 1);
    ClampStatus(s);
    return true;
  });
}

bool TimeStateEvent2(Game& g, std::int32_t& hours) {
  return guarded(g, "mdlEvent/TimeStateEvent2 ", false, [&] {
    GameState& s = g.st;
    std::int32_t days = hours / 24;
    hours = days;
    if (days >= 16) {
      s.petImage = 8;
      s.hp = 0;
      g.MsgBox(s.petName + "は孤独死したようです…。", mb::kOkOnly + mb::kInformation);
      s.deadType = "孤独死";
      s.userType = "ザ・無責任";
    } else if (days >= 13) {
      s.petImage = 13;
      g.MsgBox(s.petName + "は寂しさと飢えに耐え切れず、二度と帰ってこない旅にでました。",
               mb::kOkOnly + mb::kInformation);
      s.hp = 0;
      s.deadType = "行方不明";
      s.userType = "飼い主失格";
    }
    return true;
  });
}

}  // namespace myu
