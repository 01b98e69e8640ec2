// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/shared_random.h"

#include <QTime>

#include <bit>
#include <cmath>
#include <cstdint>

#include <utility>

namespace shared_random {
namespace {

// splitmix64: small, fast, and every seed gives a well-mixed sequence.
constexpr std::uint64_t kFixedStart = 0x5EED'7041'A4C0'FFEEULL;
std::uint64_t state = kFixedStart;

std::uint64_t nextBits() {
  std::uint64_t z = (state += 0x9E37'79B9'7F4A'7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58'476D'1CE4'E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D0'49BB'1331'11EBULL;
  return z ^ (z >> 31);
}

Source& source() {
  static Source installed;
  return installed;
}

}  // namespace

void setSource(Source replacement) { source() = std::move(replacement); }

float next() {
  // One library for the program and the tests: a source is asked first when
  // one is set, which only the tests do, to know the value of each draw. A
  // second build of this file with a test door, or a link-time swap, would
  // leave two versions of the sequence to keep alike.
  if (source()) {
    if (const std::optional<float> value = source()()) return *value;
  }
  // 24 bits fit a float's significand exactly, so r is at most 1 - 2^-24.
  const auto bits = static_cast<std::uint32_t>(nextBits() >> 40);
  return static_cast<float>(bits) * 0x1p-24f;
}

int wholeDraw(int n) {
  const double r = next();
  return static_cast<int>(std::floor(r * n + 1.0));
}

void reseed(float seed) {
  state =
      kFixedStart ^ (std::uint64_t{std::bit_cast<std::uint32_t>(seed)} * 0x9E37'79B9'7F4A'7C15ULL);
}

void restart() { state = kFixedStart; }

float secondsSinceMidnight() {
  return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

}  // namespace shared_random
