#include "app/scenario/procedures/Procedures.h"
#include "words/LangSteps.h"
#include "words/mdlLang.h"

namespace myu {

void registerWordProcedures(ProcedureRegistry& r) {
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
