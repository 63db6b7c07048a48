// The steps of teaching a word, for tests and scripts.
#pragma once

#include <string>

namespace myu {
class Game;

// What the pet says to a character the language file cannot hold.
inline constexpr const char* kCannotWriteText =
    "そんな字、オレには書けないよ～。ほかのにしてくれない？";

// The word being taught and its meaning.
struct LangWork {
  std::string newMean, newWord;
};

bool InputWord(Game& g, LangWork& w);
// 0 the owner gave up, 1 ask again, 2 accepted.
int GetInputLang(Game& g, LangWork& w);
bool GetLangETC(Game& g, LangWork& w);

// The platform's numeric test: blanks around, a sign, digits with thousands separators, a
// decimal point, an exponent.
bool isNumericText(const std::string& text);
// True when the text starts with a two-byte character of code page 932.
bool startsDoubleByte(const std::string& utf8);

}  // namespace myu
