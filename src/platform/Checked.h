// Checked arithmetic on game values: a result outside the field's type raises error 6.
#pragma once

#include <cstdint>
#include <limits>
#include <type_traits>

#include "platform/VbError.h"

namespace myu::chk {

// Narrows a wide value into T, raising the overflow error when it does not fit.
template <typename T, typename W>
T narrow(W value) {
  static_assert(std::is_integral_v<T> && std::is_integral_v<W>);
  if (value < static_cast<W>(std::numeric_limits<T>::min()) ||
      value > static_cast<W>(std::numeric_limits<T>::max()))
    raise(err::kOverflow);
  return static_cast<T>(value);
}

template <typename T>
T add(T a, std::int64_t b) {
  return narrow<T>(static_cast<std::int64_t>(a) + b);
}
template <typename T>
T sub(T a, std::int64_t b) {
  return narrow<T>(static_cast<std::int64_t>(a) - b);
}
template <typename T>
T mul(T a, std::int64_t b) {
  auto wide = static_cast<std::int64_t>(a);
  // Products of two 32-bit values always fit in 64 bits; guard the rest.
  if (b != 0 && (wide > std::numeric_limits<std::int64_t>::max() / (b < 0 ? -b : b) ||
                 wide < -std::numeric_limits<std::int64_t>::max() / (b < 0 ? -b : b)))
    raise(err::kOverflow);
  return narrow<T>(wide * b);
}
// Integer division as the platform's "\" operator: truncating, error 11 on zero.
template <typename T>
T idiv(T a, std::int64_t b) {
  if (b == 0) raise(err::kDivisionByZero);
  return narrow<T>(static_cast<std::int64_t>(a) / b);
}

// In-place forms: the field keeps its old value when the step overflows.
template <typename T>
void addTo(T& field, std::int64_t delta) {
  field = add<T>(field, delta);
}
template <typename T>
void subFrom(T& field, std::int64_t delta) {
  field = sub<T>(field, delta);
}

}  // namespace myu::chk
