// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

// Names for finishing moves made of words drawn from three tables
// (adjectives, monikers, moves) in one of six styles.
namespace finisher_names {

// The styles, as the style box lists them.
inline constexpr const char* kStyles[] = {
    "Move",
    "Moniker + Move",
    "Adjective + Move",
    "Moniker + Adjective + Move",
    "Adjective + Moniker + Move",
    "Two Moves",
};

// Draws a whole number from 1 to n, the size of the table a word comes from.
using Draw = std::function<int(int n)>;

// A name in `style`: one draw per word, in the order the style names them,
// the words joined by single blanks; the two moves of "Two Moves" may be the
// same word. Only the exact text of a style counts, case and blanks
// included: any other text draws nothing and gives an empty name.
QString compose(const QString& style, const Draw& draw);

}  // namespace finisher_names
