// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/form_window.h"
#include "framework/share_actions.h"

// Makes up ring names: a first name and a surname drawn from fixed tables.
// Opening this window is what seeds the program's random sequence.
class WrestlerNameGenerator : public FormWindow<WrestlerNameGenerator>, public SharesResult {
  Q_OBJECT

 public:
  static const design::FormDesign kDesign;  // wrestler_name_generator.cpp

  // Its result as text, for "Copy as text".
  QString resultText() const override;

 protected:
  void connectHandlers() override;
  void Form_Load() override;

 private Q_SLOTS:
  void Command1_Click();
};
