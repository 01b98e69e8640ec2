// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/tournament/knockout_bracket.h"

// The eight-man knock-out bracket: eight entrants typed in on the left, each
// match settled by a "Win" button or by the match's "Random" draw, until the
// final fills "Winner:" and "Runner Up:".
class EightManBracket : public KnockoutBracket<EightManBracket> {
  Q_OBJECT

 public:
  static const design::FormDesign kDesign;  // eight_man_bracket.cpp

 protected:
  void connectHandlers() override;

 private:
  // One draw decides a match before the final: the upper wrestler goes
  // through on 1 to 5, the lower on 6 to 10.
  void drawMatch(Name upper, Name lower, Name into);

 private Q_SLOTS:
  void Command13_Click();
  void Command14_Click();
  void Command15_Click();
  void Command16_Click();
  void Command17_Click();
  void Command18_Click();
  void Command19_Click();
  void Command20_Click();
  void Command21_Click();
  void Command22_Click();
  void Command23_Click();
};
