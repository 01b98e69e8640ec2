#pragma once

#include "shell/window.h"

#include <QString>

// Who made the program and whom it thanks.
class Credits : public Window {
  Q_OBJECT

 public:
  Credits();

  // The texts put into the window at every load.
  static QString creditLines();
  static QString thanksLines();

 protected:
  void connectHandlers() override;
  void Form_Load() override;

 private Q_SLOTS:
  void Command1_Click();
};
