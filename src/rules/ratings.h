// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include <cstdint>
#include <optional>
#include <span>

// Segment ratings, all in 16 bits: Overall is half of Crowd + Quality rounded
// down, and a section's rating is the average of its ratings other than 0.
// Nothing is returned where a step leaves 16 bits.
namespace ratings {

// Half of Crowd + Quality, rounded towards minus infinity. The sum itself
// must fit in 16 bits even though half of it always would.
std::optional<std::int16_t> overall(std::int16_t crowd, std::int16_t quality);

// Crowd from Overall and Quality, or Quality from Overall and Crowd: the plain
// inverse 2 x Overall - other, formed as (Overall - other) + Overall, each
// step in 16 bits. It does not undo the rounding down of Overall.
std::optional<std::int16_t> missing(std::int16_t overall, std::int16_t other);

// The average of a section's ratings. A rating of 0 is an empty slot and is
// left out; negative ratings count.
struct SectionAverage {
  enum class Outcome {
    Average,          // `average` holds it
    TotalOutOfRange,  // adding the rating at `overflowing` left 16 bits
    NoRating,         // every rating is 0
  };
  Outcome outcome = Outcome::NoRating;
  std::int16_t average = 0;
  int overflowing = -1;
  // The places of the ratings added to the total, in order; when the total
  // left 16 bits, those added before the one that took it out.
  QList<int> counted;
};

SectionAverage sectionAverage(std::span<const std::int16_t> ratings);

}  // namespace ratings
