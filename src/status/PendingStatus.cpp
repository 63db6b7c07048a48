// Placeholders until the status rules are built: each does nothing and reports success.
#include "status/mdlChange.h"

namespace myu {
bool plusSTATUSpar(Game&, std::int16_t&) {
  return true;
}
void plusTYPEo(Game&) {}
void plusTYPEs(Game&) {}
void plusTYPEu(Game&) {}
void plusTYPEy(Game&) {}
void plusTYPEw(Game&) {}
void plusTYPEm(Game&) {}
void plusTYPEa(Game&) {}
void plusTYPEn(Game&) {}
std::string CONDITIONsNOTATION(std::int32_t) {
  return "";
}
void CHANGEsCONDITION(Game&) {}
bool CONDITIONsCONTOROL(Game&) {
  return true;
}
}  // namespace myu
