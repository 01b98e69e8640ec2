#pragma once

#include "tournament/bracket.h"

// The sixteen-man knock-out bracket: sixteen entrants typed in on the left,
// each match settled by a "Win" button, until the final fills "Winner:"
// (Text32) and "Runner Up:" (Text31). There is no draw in this window.
class Tourn16 : public Bracket {
  Q_OBJECT

 public:
  Tourn16();

 protected:
  void connectHandlers() override;

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
  void Command24_Click();
  void Command25_Click();
  void Command26_Click();
  void Command27_Click();
  void Command28_Click();
  void Command29_Click();
  void Command30_Click();
  void Reset_Click();
  void Query_Click();
};
