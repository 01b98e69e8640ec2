// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/form_window.h"
#include "framework/share_actions.h"

#include <cstdint>
#include <optional>

// Turns red, green and blue numbers, typed or from a named preset, into a
// hexadecimal colour code and a swatch.
class ColourDecoder : public FormWindow<ColourDecoder>, public SharesResult {
  Q_OBJECT

 public:
  static const design::FormDesign kDesign;  // colour_decoder.cpp

  // Its result as text, for "Copy as text".
  QString resultText() const override;

 protected:
  void connectHandlers() override;
  void Form_Load() override;

 private Q_SLOTS:
  void gEn2_Click();
  void gEn3_Click();

 private:
  void numbersToCode();
  // A component box's number; a box that holds none, or a negative one, is
  // marked. 16 bits on purpose: a component reads as 0 to 32767.
  std::optional<std::int16_t> component(Box box);
};
