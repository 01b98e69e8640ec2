#pragma once

#include "tournament/bracket.h"

// The eight-man knock-out bracket: eight entrants typed in on the left, each
// match settled by a "Win" button or by the match's "Random" draw, until the
// final fills "Winner:" and "Runner Up:".
class Tourn8 : public Bracket {
  Q_OBJECT

 public:
  Tourn8();

 protected:
  void connectHandlers() override;

 private:
  // One draw decides a match before the final: the upper wrestler goes
  // through on 1 to 5, the lower on 6 to 10.
  void drawMatch(const char* upper, const char* lower, const char* into);

 private Q_SLOTS:
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();
  void Command8_Click();
  void Command9_Click();
  void Command10_Click();
  void Command11_Click();
  void Command12_Click();
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
