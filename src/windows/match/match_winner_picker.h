// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/form_window.h"
#include "framework/share_actions.h"

// Picks the winner of a one-on-one and of a three-way match at random.
class MatchWinnerPicker : public FormWindow<MatchWinnerPicker>, public SharesResult {
  Q_OBJECT

 public:
  static const design::FormDesign kDesign;  // match_winner_picker.cpp

  // Its result as text, for "Copy as text".
  QString resultText() const override;

 protected:
  void connectHandlers() override;

 private Q_SLOTS:
  void Command1_Click();
  void Command2_Click();
};
