// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>

// The program's one pseudo-random sequence. It starts from the same state in
// every run, so until the wrestler name generator reseeds it every random
// result of a run repeats from run to run.
namespace shared_random {

// The next value r of the sequence, 0 <= r < 1, a multiple of 2^-24.
float next();

// A whole number from 1 to n: the integer part of r x n + 1 for the next r,
// computed in double. Always within 1..n, even for the largest r below 1.
int wholeDraw(int n);

// Restarts the sequence from a state derived from `seed`.
void reseed(float seed);

// Back to the fixed state every run starts from.
void restart();

// Seconds since midnight, local time, with their fraction: the name
// generator seeds with it.
float secondsSinceMidnight();

// Values that come before the sequence's own: while a source is set, each
// draw asks it first and uses what it gives; when it gives nothing the draw
// continues the sequence, which the given values do not advance. The program
// sets none; tests set one to know what each draw returns. An empty source
// unsets it.
using Source = std::function<std::optional<float>()>;
void setSource(Source source);

}  // namespace shared_random
