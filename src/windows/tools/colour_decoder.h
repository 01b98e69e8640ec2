#pragma once

#include "shell/window.h"

#include <QString>

#include <cstdint>
#include <optional>

// Turns red, green and blue numbers, typed or from a named preset, into a
// hexadecimal colour code and a swatch.
class HexRGB : public Window {
  Q_OBJECT

 public:
  HexRGB();

  struct Preset {
    QString name;
    std::int16_t red = 0, green = 0, blue = 0;
  };
  static constexpr int kPresets = 30;

 protected:
  void connectHandlers() override;
  void Form_Load() override;

 private Q_SLOTS:
  void gEn2_Click();
  void gEn3_Click();
  void Command1_Click();

 private:
  void numbersToCode();
  // A component box's number; a box that holds none, or a negative one, is
  // marked.
  std::optional<std::int16_t> component(const QString& box);

  Preset preset_[kPresets + 1];  // slots 1 to 30
};
