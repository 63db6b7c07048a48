#include "app/scenario/procedures/Procedures.h"
#include "kernel/Game.h"
#include "kernel/mdlMain.h"
#include "startup/frmFirstProfile.h"

namespace myu {

namespace {

// The window's own procedures ("call frmFirstProfile.WriteFirstProfile").
void addFirstProfileProcedures(ProcedureRegistry& r) {
  const std::string w = frmFirstProfile::kName;
  r.addIn<frmFirstProfile>(w, "ErrorChack1stProfile",
                           [](frmFirstProfile& f, const ProcArgs&) -> std::optional<std::string> {
                             return boolText(f.ErrorChack1stProfile());
                           });
  r.addIn<frmFirstProfile>(w, "WriteFirstProfile",
                           [](frmFirstProfile& f, const ProcArgs&) -> std::optional<std::string> {
                             return std::to_string(f.WriteFirstProfile());
                           });
}

}  // namespace

void registerStartupProcedures(ProcedureRegistry& r) {
  addFirstProfileProcedures(r);
  r.add("RandomBetween", [](Game& g, const ProcArgs& a) -> std::optional<std::string> {
    return std::to_string(RandomBetween(g, argInt(a, 0), argInt(a, 1)));
  });
  r.add("CutAtNul", [](Game&, const ProcArgs& a) -> std::optional<std::string> {
    return CutAtNul(argText(a, 0));
  });
  r.add("GetStringA", [](Game& g, const ProcArgs& a) -> std::optional<std::string> {
    std::string value;
    auto rc =
        GetStringA(g, argText(a, 0), argText(a, 1), argText(a, 2), value, g.file(argText(a, 3)));
    return std::to_string(rc) + " " + value;
  });
  r.add("OPENDAT1", [](Game& g, const ProcArgs&) -> std::optional<std::string> {
    return std::to_string(OPENDAT1(g));
  });
  r.add("OPENDAT3", [](Game& g, const ProcArgs& a) -> std::optional<std::string> {
    return std::to_string(OPENDAT3(g, pathToUtf8(g.file(argText(a, 0)))));
  });
  r.add("ActiveKivoMain", [](Game& g, const ProcArgs& a) -> std::optional<std::string> {
    ActiveKivoMain(g, argInt(a, 0) != 0);
    return std::nullopt;
  });
  r.add("ErrorHandle", [](Game& g, const ProcArgs& a) -> std::optional<std::string> {
    ErrorHandle(g, argInt(a, 0), argText(a, 1), argText(a, 2), argText(a, 3));
    return std::nullopt;
  });
  r.add("ClampStatus", [](Game& g, const ProcArgs&) -> std::optional<std::string> {
    ClampStatus(g.st);
    return std::nullopt;
  });
}

}  // namespace myu
