#include "app/scenario/procedures/Procedures.h"
#include "words/LangForms.h"
#include "words/LangSteps.h"
#include "words/mdlLang.h"

namespace myu {

namespace {

// The window's own procedures ("call frmLangEdit.Forget").
void addLangEditProcedures(ProcedureRegistry& r) {
  const std::string w = frmLangEdit::kName;
  r.addSub(w, "ShowLangList", &frmLangEdit::ShowLangList);
  r.addSub(w, "Forget", &frmLangEdit::Forget);
  r.addSub(w, "SaveLangEdit", &frmLangEdit::SaveLangEdit);
}

}  // namespace

void registerWordProcedures(ProcedureRegistry& r) {
  addLangEditProcedures(r);
  r.add("InPutNewWord", [](Game& g, const ProcArgs&) -> std::optional<std::string> {
    InPutNewWord(g);
    return std::nullopt;
  });
  r.add("AnserWordMean", [](Game& g, const ProcArgs&) -> std::optional<std::string> {
    return boolText(AnserWordMean(g));
  });
  r.add("showLangEdit", [](Game& g, const ProcArgs&) -> std::optional<std::string> {
    showLangEdit(g);
    return std::nullopt;
  });
  r.add("InputWord", [](Game& g, const ProcArgs&) -> std::optional<std::string> {
    LangWork w;
    return boolText(InputWord(g, w));
  });
}

}  // namespace myu
