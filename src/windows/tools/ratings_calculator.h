#pragma once

#include "shell/window.h"

#include <cstdint>
#include <optional>

// Segment ratings: the missing one of Overall, Crowd and Quality, where
// Overall is half of Crowd + Quality rounded down, and the average of up to
// four ratings. Everything is 16-bit; a press that cannot finish writes
// nothing.
class calc : public Window {
  Q_OBJECT

 public:
  calc();

 protected:
  void connectHandlers() override;

 private Q_SLOTS:
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();

 private:
  // The number in a box; a box that does not hold one is marked.
  std::optional<std::int16_t> number(const QString& box);
  // Crowd from Overall and Quality, or Quality from Overall and Crowd.
  void missingFromOverall(const QString& otherBox, const QString& hint);
};
