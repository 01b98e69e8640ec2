#pragma once

#include "shell/window.h"

#include <QString>

#include <array>
#include <cstdint>

// Makes up ring names: a first name and a surname drawn from fixed tables.
// Opening this window is what seeds the program's random sequence.
class NameGen : public Window {
  Q_OBJECT

 public:
  NameGen();

 protected:
  void connectHandlers() override;
  void Form_Load() override;

 private Q_SLOTS:
  void Command1_Click();
  void Command2_Click();

 private:
  // Slots 1 to 150 and 1 to 100; slot 0 is never drawn.
  std::array<QString, 151> FirstNames;
  std::array<QString, 101> Surnames;
  std::int16_t FirstIndex = 0;
  std::int16_t SurnameIndex = 0;
};
