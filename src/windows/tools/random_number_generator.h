// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/form_window.h"

// Draws a whole number between two typed values, both included.
class RandomNumberGenerator : public FormWindow<RandomNumberGenerator> {
  Q_OBJECT

 public:
  static const design::FormDesign kDesign;  // random_number_generator.cpp

 protected:
  void connectHandlers() override;

 private Q_SLOTS:
  void Command1_Click();
};
