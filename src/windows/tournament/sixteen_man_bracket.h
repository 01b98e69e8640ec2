// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/tournament/knockout_bracket.h"

// The sixteen-man knock-out bracket: sixteen entrants typed in on the left,
// each match settled by a "Win" button, until the final fills "Winner:"
// (Text32) and "Runner Up:" (Text31). There is no draw in this window. Who
// meets whom is the table of sixteen_man_matches.h.
class SixteenManBracket : public KnockoutBracket<SixteenManBracket> {
  Q_OBJECT

 public:
  explicit SixteenManBracket(TournamentShelf& shelf);

  static const design::FormDesign kDesign;  // sixteen_man_bracket.cpp

 protected:
  void connectHandlers() override;

 private Q_SLOTS:
  void Reset_Click();
};
