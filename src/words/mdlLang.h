// The pet's words: its language file of 60-byte records (meaning 20 bytes, word 40 bytes).
#pragma once

#include <cstdint>
#include <string>

namespace myu {
class Game;

void InPutNewWord(Game& g);
bool AnserWordMean(Game& g);
// Opens the word-list editor (modal).
void showLangEdit(Game& g);

}  // namespace myu
