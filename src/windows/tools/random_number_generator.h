// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/form_window.h"

// Draws a whole number between two typed values, both included.
class RandomNumberGenerator : public FormWindow<RandomNumberGenerator> {
  Q_OBJECT

 public:
  static const design::FormDesign kDesign;  // random_number_generator.cpp

  // Its result as text, for "Copy as text".
  bool sharesResult() const override { return true; }
  QString resultText() const override;

 protected:
  void connectHandlers() override;

 private Q_SLOTS:
  void Command1_Click();
};
