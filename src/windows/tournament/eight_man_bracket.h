// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/tournament/knockout_bracket.h"

// The eight-man knock-out bracket: eight entrants typed in on the left, each
// match settled by a "Win" button or by the match's "Random" draw, until the
// final fills "Winner:" and "Runner Up:". Who meets whom is the table of
// eight_man_matches.h.
class EightManBracket : public KnockoutBracket<EightManBracket> {
  Q_OBJECT

 public:
  explicit EightManBracket(TournamentShelf& shelf);

  static const design::FormDesign kDesign;  // eight_man_bracket.cpp

 protected:
  void connectHandlers() override;

 private Q_SLOTS:
  void Command16_Click();
};
