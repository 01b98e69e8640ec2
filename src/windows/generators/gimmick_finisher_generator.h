#pragma once

#include "shell/window.h"

#include <cstdint>

// Offers one of the three finishers the gimmick table holds for the gimmick
// chosen in the list, with its note.
class FiniGimm : public Window {
  Q_OBJECT

 public:
  FiniGimm();

 protected:
  void connectHandlers() override;
  void Form_Load() override;

 private Q_SLOTS:
  void Command1_Click();
  void Command2_Click();

 private:
  // Kept for the whole run: reopening the window does not reset them.
  std::int16_t myno = 0;  // the row of the last gimmick matched; 0 before any
  std::int16_t numb = 0;  // the last roll, 1 to 3
};
