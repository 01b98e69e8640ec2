// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/ratings.h"

#include "rules/numbers.h"

namespace ratings {

std::optional<std::int16_t> overall(std::int16_t crowd, std::int16_t quality) {
  const auto sum = numbers::add16(crowd, quality);
  return sum ? numbers::roundDown16(*sum / 2.0) : std::nullopt;
}

std::optional<std::int16_t> missing(std::int16_t overall, std::int16_t other) {
  const auto difference = numbers::subtract16(overall, other);
  return difference ? numbers::add16(*difference, overall) : std::nullopt;
}

SectionAverage sectionAverage(std::span<const std::int16_t> ratings) {
  SectionAverage result;
  std::int16_t total = 0;
  for (int place = 0; place < static_cast<int>(ratings.size()); ++place) {
    if (ratings[place] == 0) continue;
    const auto sum = numbers::add16(total, ratings[place]);
    if (!sum) {
      result.outcome = SectionAverage::Outcome::TotalOutOfRange;
      result.overflowing = place;
      return result;
    }
    total = *sum;
    result.counted.append(place);
  }
  if (result.counted.isEmpty()) return result;
  // An average of 16-bit ratings is itself a 16-bit value.
  const auto average = numbers::roundDown16(double(total) / result.counted.size());
  if (!average) return result;
  result.outcome = SectionAverage::Outcome::Average;
  result.average = *average;
  return result;
}

}  // namespace ratings
