// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/form_window.h"
#include "framework/share_actions.h"

// Makes up names for finishing moves from adjective, moniker and move tables,
// in the style picked or typed in the style box.
class RandomFinisherGenerator : public FormWindow<RandomFinisherGenerator>, public SharesResult {
  Q_OBJECT

 public:
  static const design::FormDesign kDesign;  // random_finisher_generator.cpp

  // Its result as text, for "Copy as text".
  QString resultText() const override;

 protected:
  void connectHandlers() override;

 private Q_SLOTS:
  void Command1_Click();
};
