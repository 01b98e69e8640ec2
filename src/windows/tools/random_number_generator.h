#pragma once

#include "shell/window.h"

// Draws a whole number between two typed values, both included.
class Rando : public Window {
  Q_OBJECT

 public:
  Rando();

 protected:
  void connectHandlers() override;

 private Q_SLOTS:
  void Command1_Click();
  void Command2_Click();
};
