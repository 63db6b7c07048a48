#include <charconv>
#include "app/scenario/procedures/Procedures.h"
#include "events/mdlEvent.h"
#include "events/mdlMischief.h"
#include "kernel/Game.h"
#include "kernel/mdlMain.h"
#include "petwindow/frmKivoMain.h"
#include "petwindow/mdlGraphic.h"

namespace myu {

namespace {

// The window's own procedures ("call frmKivoMain.Window_Mode").
void addKivoMainProcedures(ProcedureRegistry& r) {
  const std::string w = frmKivoMain::kName;
  r.addIn<frmKivoMain>(w, "ChangeSlidebar",
                       [](frmKivoMain& f, const ProcArgs&) -> std::optional<std::string> {
                         return boolText(f.ChangeSlidebar());
                       });
  r.addSub(w, "Window_Mode", &frmKivoMain::Window_Mode);
  // The window's fields: with an argument the field is set first.
  auto field = [&r, &w](const char* name, auto member) {
    r.addIn<frmKivoMain>(
        w, name, [member](frmKivoMain& f, const ProcArgs& a) -> std::optional<std::string> {
          auto& value = f.*member;
          std::int16_t v = 0;
          if (!a.empty()) {
            auto [end, ec] = std::from_chars(a[0].data(), a[0].data() + a[0].size(), v);
            if (ec == std::errc() && end == a[0].data() + a[0].size()) value = v;
          }
          return std::to_string(value);
        });
  };
  field("PrpWindowMode", &frmKivoMain::PrpWindowMode);
  field("PrpMainForm", &frmKivoMain::PrpMainForm);
  field("menuType", &frmKivoMain::menuType);
  field("shownPose", &frmKivoMain::shownPose);
  field("popupRequested", &frmKivoMain::popupRequested);
}

}  // namespace

void registerPetWindowProcedures(ProcedureRegistry& r) {
  addKivoMainProcedures(r);
  for (auto [name, mischief] :
       {std::pair{"WinLOGOFF", &WinLOGOFF}, std::pair{"WinREBOOT", &WinREBOOT},
        std::pair{"WinSHUTDOWN", &WinSHUTDOWN}, std::pair{"WinFORCE", &WinFORCE}}) {
    r.add(name, [mischief = mischief](Game& g, const ProcArgs&) -> std::optional<std::string> {
      mischief(g);
      return std::nullopt;
    });
  }
  r.add("Main", [](Game& g, const ProcArgs&) -> std::optional<std::string> {
    Main(g);
    return std::nullopt;
  });
  r.add("ShowPose", [](Game& g, const ProcArgs& a) -> std::optional<std::string> {
    ShowPose(g, static_cast<std::int16_t>(argInt(a, 0)));
    return std::nullopt;
  });
  r.add("Event_WindowMoveStart", [](Game& g, const ProcArgs&) -> std::optional<std::string> {
    Event_WindowMoveStart(g);
    return std::nullopt;
  });
  // One step of the flight with the pet window's own bounce counter; prints the result and
  // the counter after the step.
  r.add("Event_WindowMoveRound", [](Game& g, const ProcArgs&) -> std::optional<std::string> {
    auto& w = g.form<frmKivoMain>();
    bool ok = Event_WindowMoveRound(g, w.moveRounds);
    return boolText(ok) + " " + std::to_string(w.moveRounds);
  });
  r.add("PRE_VIEW", [](Game& g, const ProcArgs& a) -> std::optional<std::string> {
    Form* f = g.findForm(a.size() > 1 ? argText(a, 1) : std::string(frmKivoMain::kName));
    if (f != nullptr) PRE_VIEW(g, static_cast<std::int16_t>(argInt(a, 0)), *f);
    return std::nullopt;
  });
}

}  // namespace myu
