// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/colour.h"

#include <algorithm>

namespace colour {

std::int32_t value(int red, int green, int blue) {
  const auto clamp = [](int c) { return std::clamp(c, 0, 255); };
  return clamp(red) + 256 * clamp(green) + 65536 * clamp(blue);
}

}  // namespace colour
