// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/form_window.h"

#include <QString>

#include <array>

// Makes up names for finishing moves from adjective, moniker and move tables,
// in the style picked or typed in the style box.
class RandomFinisherGenerator : public FormWindow<RandomFinisherGenerator> {
  Q_OBJECT

 public:
  static const design::FormDesign kDesign;  // random_finisher_generator.cpp

 protected:
  void connectHandlers() override;
  void Form_Load() override;

 private Q_SLOTS:
  void Command1_Click();
  void Command2_Click();

 private:
  // Slots 1 to 100; slot 0 is never drawn.
  using WordTable = std::array<QString, 101>;
  WordTable adjectives_;
  WordTable monikers_;
  WordTable moves_;
};
