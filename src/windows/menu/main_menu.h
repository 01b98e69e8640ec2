// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/form_window.h"

class GimmickTableStore;

// The first and central window: a button for every tool, the tournament
// selector, and Quit. Its first load in a run loads the gimmick table.
class MainMenu : public FormWindow<MainMenu> {
  Q_OBJECT

 public:
  static const design::FormDesign kDesign;  // main_menu.cpp

  explicit MainMenu(GimmickTableStore& gimmicks);

 protected:
  void connectHandlers() override;
  void Form_Load() override;

 private Q_SLOTS:
  void Command1_Click();
  void Command4_Click();
  void Command10_Click();

 private:
  GimmickTableStore& gimmicks_;
};
