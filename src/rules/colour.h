// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace colour {

// The swatch colour as one number: red + 256 x green + 65536 x blue, where a
// component above 255 counts as 255. Callers refuse negative components
// before asking.
std::int32_t value(int red, int green, int blue);

// Channels of a colour value, lowest byte red.
inline int redOf(std::int32_t v) { return v & 0xFF; }
inline int greenOf(std::int32_t v) { return (v >> 8) & 0xFF; }
inline int blueOf(std::int32_t v) { return (v >> 16) & 0xFF; }

}  // namespace colour
