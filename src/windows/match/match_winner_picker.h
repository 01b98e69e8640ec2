#pragma once

#include "shell/window.h"

// Picks the winner of a one-on-one and of a three-way match at random.
class Match : public Window {
  Q_OBJECT

 public:
  Match();

 protected:
  void connectHandlers() override;

 private Q_SLOTS:
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
};
