// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/form_design.h"

#include <span>
#include <string_view>

// One match of a knock-out bracket, a row of the bracket's table: its two
// slots, their "Win" buttons, its "Random" button where it has one, and the
// slot its winner fills. The final, the last row, fills the winner box and
// also the runner-up box. Every connection of a bracket comes from its table.
struct BracketMatch {
  const char* upper;
  const char* upperWin;
  const char* lower;
  const char* lowerWin;
  const char* random;  // kNoDraw where the match has no "Random" button
  const char* into;
  const char* runnerUp = nullptr;  // the final's only

  constexpr bool isFinal() const { return runnerUp != nullptr; }
};

inline constexpr const char* kNoDraw = nullptr;

namespace bracket {

constexpr bool same(const char* a, const char* b) {
  return a && b && std::string_view(a) == std::string_view(b);
}

// The row whose winner fills `slot`; -1 for an entrant's slot.
constexpr int fillerOf(std::span<const BracketMatch> matches, const char* slot) {
  for (std::size_t i = 0; i < matches.size(); ++i) {
    if (same(matches[i].into, slot) || same(matches[i].runnerUp, slot)) return static_cast<int>(i);
  }
  return -1;
}

// Checked when the program is compiled: every name is a control of the kind
// its column holds; no button has two rows; each slot is filled by one match
// at most and is an entrant's or filled by an earlier match; each match's
// winner plays on in exactly one later match, except the final's, the last
// row and the only one with a runner-up.
constexpr bool isValid(const design::FormDesign& form, std::span<const BracketMatch> matches) {
  using design::Kind;
  if (matches.empty() || !matches.back().isFinal()) return false;
  const char* buttons[256] = {};
  std::size_t buttonCount = 0;
  for (std::size_t i = 0; i < matches.size(); ++i) {
    const BracketMatch& m = matches[i];
    if (m.isFinal() != (i + 1 == matches.size())) return false;
    for (const char* slot : {m.upper, m.lower, m.into}) {
      if (!design::has(form, slot, Kind::TextBox)) return false;
    }
    if (m.isFinal() && !design::has(form, m.runnerUp, Kind::TextBox)) return false;
    for (const char* button : {m.upperWin, m.lowerWin, m.random}) {
      if (!button) continue;
      if (!design::has(form, button, Kind::Button)) return false;
      for (std::size_t b = 0; b < buttonCount; ++b) {
        if (same(buttons[b], button)) return false;
      }
      if (buttonCount == std::size(buttons)) return false;
      buttons[buttonCount++] = button;
    }
    if (!m.upperWin || !m.lowerWin) return false;
    for (const char* slot : {m.upper, m.lower}) {
      if (fillerOf(matches, slot) >= static_cast<int>(i)) return false;
    }
    for (std::size_t j = 0; j < matches.size(); ++j) {
      if (j != i && (same(matches[j].into, m.into) || same(matches[j].runnerUp, m.into))) {
        return false;
      }
    }
    if (!m.isFinal()) {
      int playsOn = 0;
      for (const BracketMatch& later : matches) {
        playsOn += same(later.upper, m.into) + same(later.lower, m.into);
      }
      if (playsOn != 1) return false;
    }
  }
  return true;
}

}  // namespace bracket
