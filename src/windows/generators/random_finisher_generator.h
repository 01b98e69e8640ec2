#pragma once

#include "shell/window.h"

#include <QString>

#include <array>
#include <cstdint>

// Makes up names for finishing moves from adjective, moniker and move tables,
// in the style picked or typed in the style box.
class Finisher : public Window {
  Q_OBJECT

 public:
  Finisher();

 protected:
  void connectHandlers() override;
  void Form_Load() override;

 private Q_SLOTS:
  void Command1_Click();
  void Command2_Click();

 private:
  void AddAdjective();
  void AddMoniker();
  void AddMove();
  void ShowName();

  // Slots 1 to 100; slot 0 is never drawn.
  using WordTable = std::array<QString, 101>;
  WordTable Adjectives;
  WordTable Monikers;
  WordTable Moves;
  QString FinisherName;
  std::int16_t WordIndex = 0;

  void addWord(const WordTable& table);
};
