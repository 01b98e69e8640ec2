// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/form_window.h"
#include "framework/share_actions.h"

// Draws a whole number between two typed values, both included.
class RandomNumberGenerator : public FormWindow<RandomNumberGenerator>, public SharesResult {
  Q_OBJECT

 public:
  static const design::FormDesign kDesign;  // random_number_generator.cpp

  // Its result as text, for "Copy as text".
  QString resultText() const override;

 protected:
  void connectHandlers() override;

 private Q_SLOTS:
  void Command1_Click();
};
