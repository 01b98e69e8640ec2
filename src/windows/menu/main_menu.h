#pragma once

#include "shell/window.h"

// The first and central window: a button for every tool, the tournament
// selector, and Quit.
class MainMenu : public Window {
  Q_OBJECT

 public:
  MainMenu();

 protected:
  void connectHandlers() override;
  void Form_Load() override;

 private Q_SLOTS:
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();
  void Command8_Click();
  void Command9_Click();
  void Command10_Click();
  void Random_Click();
};
