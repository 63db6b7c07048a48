#include "app/scenario/procedures/Procedures.h"
#include "events/mdlEvent.h"
#include "events/mdlEventrakuda.h"
#include "kernel/Game.h"

namespace myu {

void registerEventProcedures(ProcedureRegistry& r) {
  r.add("Event_TimeSepareat", [](Game& g, const ProcArgs& a) -> std::optional<std::string> {
    auto mode = static_cast<std::int16_t>(argInt(a, 0));
    return boolText(Event_TimeSepareat(g, mode));
  });
  r.add("TimeStateEvent0", [](Game& g, const ProcArgs& a) -> std::optional<std::string> {
    auto mode = static_cast<std::int16_t>(argInt(a, 0));
    std::int32_t hours = argInt(a, 1);
    return boolText(TimeStateEvent0(g, mode, hours));
  });
  r.add("TimeStateEvent1", [](Game& g, const ProcArgs& a) -> std::optional<std::string> {
    std::int32_t hours = argInt(a, 0);
    return boolText(TimeStateEvent1(g, hours));
  });
  r.add("TimeStateEvent2", [](Game& g, const ProcArgs& a) -> std::optional<std::string> {
    std::int32_t hours = argInt(a, 0);
    return boolText(TimeStateEvent2(g, hours));
  });
  struct Fn {
    const char* name;
    bool (*fn)(Game&);
  };
  for (Fn f : {Fn{"Event_JikoShi", Event_JikoShi}, Fn{"Event_GASHI", Event_GASHI},
               Fn{"Event_WaraiDake", Event_WaraiDake}, Fn{"Event_ALCOHOL", Event_ALCOHOL},
               Fn{"Event_Junk", Event_Junk}, Fn{"Event_SexHara", Event_SexHara},
               Fn{"Event_PetsSpeak", Event_PetsSpeak}}) {
    r.add(f.name, [fn = f.fn](Game& g, const ProcArgs&) -> std::optional<std::string> {
      return boolText(fn(g));
    });
  }
  struct Sub {
    const char* name;
    void (*fn)(Game&);
  };
  for (Sub f : {Sub{"Event_KinNiku", Event_KinNiku}, Sub{"Event_ItaZura", Event_ItaZura},
                Sub{"Event_BatuGAME", Event_BatuGAME}}) {
    r.add(f.name, [fn = f.fn](Game& g, const ProcArgs&) -> std::optional<std::string> {
      fn(g);
      return std::nullopt;
    });
  }
  r.add("RakudaProject", [](Game& g, const ProcArgs&) -> std::optional<std::string> {
    return boolText(RakudaProject(g));
  });
  // makeDir prints the note file it leads to, relative to the desktop.
  r.add("makeDir", [](Game& g, const ProcArgs&) -> std::optional<std::string> {
    std::string path;
    bool ok = makeDir(g, path);
    const std::string desktop = g.services().shell->desktopFolder();
    if (path.rfind(desktop, 0) == 0) path = path.substr(desktop.size());
    if (!path.empty() && (path[0] == '/' || path[0] == '\\')) path = path.substr(1);
    return boolText(ok) + " " + path;
  });
}

}  // namespace myu
