// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary text through the number reader, at both widths. A number that
// reads must lie inside its width and read back the same from its own text;
// a 16-bit reading must agree with the 32-bit one.
#include "rules/numbers.h"

#include <QString>

#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

template <typename Int>
void checkRoundTrip(std::optional<Int> value, std::optional<Int> (*read)(const QString&)) {
  if (!value) return;
  check(*value >= std::numeric_limits<Int>::min() && *value <= std::numeric_limits<Int>::max());
  const auto again = read(numbers::toText(*value));
  check(again && *again == *value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const auto as16 = numbers::fromText16(text);
  const auto as32 = numbers::fromText32(text);
  checkRoundTrip<std::int16_t>(as16, numbers::fromText16);
  checkRoundTrip<std::int32_t>(as32, numbers::fromText32);
  if (as16) check(as32 && *as32 == *as16);
  if (as32 && *as32 >= -32768 && *as32 <= 32767) check(as16.has_value());
  return 0;
}
