// Status passes, personality counters and the pet's condition.
#pragma once

#include <cstdint>
#include <string>

namespace myu {
class Game;

bool plusSTATUSpar(Game& g, std::int16_t& menuType);
void plusTYPEo(Game& g);
void plusTYPEs(Game& g);
void plusTYPEu(Game& g);
void plusTYPEy(Game& g);
void plusTYPEw(Game& g);
void plusTYPEm(Game& g);
void plusTYPEa(Game& g);
void plusTYPEn(Game& g);

void CHANGEsCONDITION(Game& g);
bool CONDITIONsCONTOROL(Game& g);

}  // namespace myu
