// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/form_window.h"
#include "framework/share_actions.h"

#include <optional>

class GimmickTable;

// Offers one of the three finishers the gimmick table holds for the gimmick
// chosen in the list, with its note.
class GimmickFinisherGenerator : public FormWindow<GimmickFinisherGenerator>, public SharesResult {
  Q_OBJECT

 public:
  static const design::FormDesign kDesign;  // gimmick_finisher_generator.cpp

  // The table is the run's, read when the menu first loaded; the window only
  // reads it.
  explicit GimmickFinisherGenerator(const GimmickTable& gimmicks);

  // Its result as text, for "Copy as text".
  QString resultText() const override;

 protected:
  void connectHandlers() override;
  void Form_Load() override;

 private Q_SLOTS:
  void Command1_Click();

 private:
  // Kept for the whole run: reopening the window does not reset them.
  const GimmickTable& gimmicks_;
  std::optional<int> place_;  // the place of the last gimmick matched
  int roll_ = 0;              // the last roll, 1 to 3
};
