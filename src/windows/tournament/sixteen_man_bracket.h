// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/tournament/knockout_bracket.h"

// The sixteen-man knock-out bracket: sixteen entrants typed in on the left,
// each match settled by a "Win" button, until the final fills "Winner:"
// (Text32) and "Runner Up:" (Text31). There is no draw in this window.
class SixteenManBracket : public KnockoutBracket<SixteenManBracket> {
  Q_OBJECT

 public:
  static const design::FormDesign kDesign;  // sixteen_man_bracket.cpp

 protected:
  void connectHandlers() override;

 private Q_SLOTS:
  void Command29_Click();
  void Command30_Click();
  void Reset_Click();
  void Query_Click();
};
