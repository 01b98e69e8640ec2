// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/form_window.h"
#include "framework/share_actions.h"

#include <cstdint>
#include <optional>

// Segment ratings: the missing one of Overall, Crowd and Quality, and the
// average of up to four ratings, by the rules of rules/ratings.h. The window
// reads the boxes, marks a box the rule cannot use, and writes the result; a
// press that cannot finish writes nothing.
class RatingsCalculator : public FormWindow<RatingsCalculator>, public SharesResult {
  Q_OBJECT

 public:
  static const design::FormDesign kDesign;  // ratings_calculator.cpp

  // Its result as text, for "Copy as text".
  QString resultText() const override;

 protected:
  void connectHandlers() override;

 private Q_SLOTS:
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();

 private:
  // The number in a box; a box that does not hold one is marked.
  std::optional<std::int16_t> number(Box box);
  // Crowd from Overall and Quality, or Quality from Overall and Crowd.
  void missingFromOverall(Box otherBox, const QString& hint);
};
