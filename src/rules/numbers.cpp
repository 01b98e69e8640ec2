// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/numbers.h"

#include <cmath>
#include <limits>

namespace numbers {
namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Reads the text as a whole number rounded half to even, limited to `limit`
// in magnitude (the larger of the width's two bounds), so that any longer
// number is refused without overflowing on the way.
std::optional<std::int64_t> readRounded(const QString& text, std::int64_t limit) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && isBlank(text[begin])) ++begin;
  while (end > begin && isBlank(text[end - 1])) --end;

  bool negative = false;
  if (begin < end && (text[begin] == u'+' || text[begin] == u'-')) {
    negative = text[begin] == u'-';
    ++begin;
  }

  std::int64_t whole = 0;
  bool anyDigit = false;
  qsizetype i = begin;
  for (; i < end && isDigit(text[i]); ++i) {
    whole = whole * 10 + (text[i].unicode() - u'0');
    anyDigit = true;
    if (whole > limit + 1) return std::nullopt;
  }

  // The fraction only matters through its first digit and whether anything
  // non-zero follows it: that decides below, above or exactly one half.
  int firstFractionDigit = 0;
  bool restNonZero = false;
  if (i < end && text[i] == u'.') {
    ++i;
    for (qsizetype first = i; i < end && isDigit(text[i]); ++i) {
      anyDigit = true;
      if (i == first) {
        firstFractionDigit = text[i].unicode() - u'0';
      } else if (text[i] != u'0') {
        restNonZero = true;
      }
    }
  }
  if (!anyDigit || i != end) return std::nullopt;

  const bool aboveHalf = firstFractionDigit > 5 || (firstFractionDigit == 5 && restNonZero);
  const bool exactlyHalf = firstFractionDigit == 5 && !restNonZero;
  if (aboveHalf || (exactlyHalf && whole % 2 != 0)) ++whole;
  return negative ? -whole : whole;
}

template <typename Int>
std::optional<Int> fromTextAs(const QString& text) {
  const std::int64_t lowest = std::numeric_limits<Int>::min();
  const std::int64_t highest = std::numeric_limits<Int>::max();
  const auto value = readRounded(text, -lowest);
  if (!value || *value < lowest || *value > highest) return std::nullopt;
  return static_cast<Int>(*value);
}

template <typename Int>
std::optional<Int> fitting(std::int64_t value) {
  if (value < std::numeric_limits<Int>::min() || value > std::numeric_limits<Int>::max()) {
    return std::nullopt;
  }
  return static_cast<Int>(value);
}

}  // namespace

std::optional<std::int16_t> fromText16(const QString& text) {
  return fromTextAs<std::int16_t>(text);
}
std::optional<std::int32_t> fromText32(const QString& text) {
  return fromTextAs<std::int32_t>(text);
}

QString toText(std::int64_t value) { return QString::number(value); }

std::optional<std::int16_t> roundDown16(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double down = std::floor(value);
  if (down < std::numeric_limits<std::int16_t>::min() ||
      down > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(down);
}

std::optional<std::int16_t> add16(std::int16_t a, std::int16_t b) {
  return fitting<std::int16_t>(std::int64_t{a} + b);
}
std::optional<std::int16_t> subtract16(std::int16_t a, std::int16_t b) {
  return fitting<std::int16_t>(std::int64_t{a} - b);
}
std::optional<std::int32_t> add32(std::int32_t a, std::int32_t b) {
  return fitting<std::int32_t>(std::int64_t{a} + b);
}
std::optional<std::int32_t> subtract32(std::int32_t a, std::int32_t b) {
  return fitting<std::int32_t>(std::int64_t{a} - b);
}

}  // namespace numbers
