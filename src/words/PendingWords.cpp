// Placeholders until the words are built.
#include "words/mdlLang.h"

namespace myu {
void InPutNewWord(Game&) {}
bool AnserWordMean(Game&) { return false; }
void showLangEdit(Game&) {}
}  // namespace myu
