// The arguments of a procedure called by name (a window's procedures for scripts), as texts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace myu {

using ProcArgs = std::vector<std::string>;

inline std::string boolText(bool b) {
  return b ? "True" : "False";
}
// Argument i as an integer; raises error 13 when missing or not a number.
std::int32_t argInt(const ProcArgs& args, std::size_t i);
const std::string& argText(const ProcArgs& args, std::size_t i);

}  // namespace myu
