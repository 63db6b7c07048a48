#include "app/scenario/procedures/Procedures.h"
#include "kernel/GameState.h"
#include "status/mdlChange.h"

namespace myu {

void registerStatusProcedures(ProcedureRegistry& r) {
  r.add("plusSTATUSpar", [](Game& g, const ProcArgs& a) -> std::optional<std::string> {
    auto code = static_cast<std::int16_t>(argInt(a, 0));
    return boolText(plusSTATUSpar(g, code));
  });
  struct Member {
    const char* name;
    void (*fn)(Game&);
  };
  for (Member m : {Member{"plusTYPEo", plusTYPEo}, Member{"plusTYPEs", plusTYPEs},
                   Member{"plusTYPEu", plusTYPEu}, Member{"plusTYPEy", plusTYPEy},
                   Member{"plusTYPEw", plusTYPEw}, Member{"plusTYPEm", plusTYPEm},
                   Member{"plusTYPEa", plusTYPEa}, Member{"plusTYPEn", plusTYPEn},
                   Member{"CHANGEsCONDITION", CHANGEsCONDITION}}) {
    r.add(m.name, [fn = m.fn](Game& g, const ProcArgs&) -> std::optional<std::string> {
      fn(g);
      return std::nullopt;
    });
  }
  r.add("CONDITIONsCONTOROL", [](Game& g, const ProcArgs&) -> std::optional<std::string> {
    return boolText(CONDITIONsCONTOROL(g));
  });
  r.add("CONDITIONsNOTATION", [](Game&, const ProcArgs& a) -> std::optional<std::string> {
    return CONDITIONsNOTATION(argInt(a, 0));
  });
}

}  // namespace myu
