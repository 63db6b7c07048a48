#include "platform/ProcArgs.h"

#include <charconv>

#include "platform/VbError.h"

namespace myu {

std::int32_t argInt(const ProcArgs& args, std::size_t i) {
  if (i >= args.size()) raise(err::kTypeMismatch);
  std::int32_t v = 0;
  const auto& s = args[i];
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || p != s.data() + s.size()) raise(err::kTypeMismatch);
  return v;
}

const std::string& argText(const ProcArgs& args, std::size_t i) {
  if (i >= args.size()) raise(err::kTypeMismatch);
  return args[i];
}

}  // namespace myu
