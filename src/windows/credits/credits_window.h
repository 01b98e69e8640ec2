// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/form_window.h"

#include <QString>

// Who made the program and whom it thanks.
class CreditsWindow : public FormWindow<CreditsWindow> {
  Q_OBJECT

 public:
  static const design::FormDesign kDesign;  // credits_window.cpp

  // The texts put into the window at every load.
  static QString creditLines();
  static QString thanksLines();

 protected:
  void connectHandlers() override;
  void Form_Load() override;
};
