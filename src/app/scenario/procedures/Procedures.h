// Procedures by name, for scenario scripts and tests ("call plusSTATUSpar 5").
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/ProcArgs.h"

namespace myu {

class Game;
class Form;

// Returns the procedure's result as text (Booleans as True / False), or nothing for a Sub.
using Proc = std::function<std::optional<std::string>(Game&, const ProcArgs&)>;

class ProcedureRegistry {
 public:
  void add(const std::string& name, Proc proc) { procs_[name] = std::move(proc); }
  const Proc* find(const std::string& name) const {
    auto it = procs_.find(name);
    return it == procs_.end() ? nullptr : &it->second;
  }
  // Windows whose procedures a script may call before the window is open ("call
  // frmBattle.Battle_INI ..."): the call loads the window first, as naming it does.
  using FormMaker = std::function<Form&(Game&)>;
  void addForm(const std::string& name, FormMaker make) { forms_[name] = std::move(make); }
  const FormMaker* findFormMaker(const std::string& name) const {
    auto it = forms_.find(name);
    return it == forms_.end() ? nullptr : &it->second;
  }

  // A window's own procedure ("call frmServe.OPENDAT2"), called on the open window of type F.
  using FormProc = std::function<std::optional<std::string>(Form&, const ProcArgs&)>;
  template <class F, class Fn>
  void addIn(const std::string& form, const std::string& name, Fn fn) {
    formProcs_[form + "." + name] = [fn](Form& f, const ProcArgs& a) -> std::optional<std::string> {
      return fn(dynamic_cast<F&>(f), a);
    };
  }
  // A procedure of window F that returns nothing.
  template <class F>
  void addSub(const std::string& form, const std::string& name, void (F::*sub)()) {
    addIn<F>(form, name, [sub](F& f, const ProcArgs&) -> std::optional<std::string> {
      (f.*sub)();
      return std::nullopt;
    });
  }
  const FormProc* findIn(const std::string& form, const std::string& name) const {
    auto it = formProcs_.find(form + "." + name);
    return it == formProcs_.end() ? nullptr : &it->second;
  }

 private:
  std::map<std::string, Proc> procs_;
  std::map<std::string, FormMaker> forms_;
  std::map<std::string, FormProc> formProcs_;
};

// Each subsystem adds its procedures; registerAllProcedures calls them all.
void registerStartupProcedures(ProcedureRegistry& r);
void registerPersistenceProcedures(ProcedureRegistry& r);
void registerPetWindowProcedures(ProcedureRegistry& r);
void registerStatusProcedures(ProcedureRegistry& r);
void registerStatusWindowProcedures(ProcedureRegistry& r);
void registerEventProcedures(ProcedureRegistry& r);
void registerFeedingProcedures(ProcedureRegistry& r);
void registerWordProcedures(ProcedureRegistry& r);
void registerMemorialProcedures(ProcedureRegistry& r);
void registerFriendsProcedures(ProcedureRegistry& r);
void registerAllProcedures(ProcedureRegistry& r);

}  // namespace myu
