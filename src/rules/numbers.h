// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// How the tools read a number typed into a box and how they show one.
//
// Accepted: blanks (spaces and tabs) before and after, one leading '+' or '-',
// decimal digits with at most one decimal point ("12", "-3", "2.5", ".5", "7.").
// A fraction rounds to the nearest whole number, an exact half to the even
// neighbour, so "2.5" reads 2, "3.5" reads 4 and "-2.5" reads -2.
// Refused: empty text, digit grouping ("1,000"), exponents ("1e3"), hex, and
// any value outside the width once rounded.
namespace numbers {

std::optional<std::int16_t> fromText16(const QString& text);
std::optional<std::int32_t> fromText32(const QString& text);

// Decimal digits, a minus sign when negative, no blanks, no grouping.
QString toText(std::int64_t value);

// A value computed in floating point, rounded towards minus infinity and
// stored in 16 bits; nothing when it does not fit.
std::optional<std::int16_t> roundDown16(double value);

// 16-bit arithmetic that reports overflow instead of wrapping.
std::optional<std::int16_t> add16(std::int16_t a, std::int16_t b);
std::optional<std::int16_t> subtract16(std::int16_t a, std::int16_t b);

// 32-bit arithmetic that reports overflow instead of wrapping.
std::optional<std::int32_t> add32(std::int32_t a, std::int32_t b);
std::optional<std::int32_t> subtract32(std::int32_t a, std::int32_t b);

}  // namespace numbers
