// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/tools/random_number_generator.h"

#include "framework/input_hint.h"
#include "rules/numbers.h"
#include "rules/shared_random.h"

#include <QLineEdit>
#include <QMessageBox>

#include <cmath>
#include <cstdint>

namespace {

using namespace design;

// clang-format off
constexpr ControlDesign kControls[] = {
  // name        kind           text                           left   top  width height font                      tab
  {"Label1",   Kind::Label,   "Torvak Utilities",             840,    0, 6855, 615, {kShowcard, 26.25, Bold},  0, kNavyLabel},
  {"Label2",   Kind::Label,   "Random number generator",     2040,  720, 4575, 375, {kShowcard, 14.25, Bold},  1, kNavyLabel},
  {"Text1",    Kind::TextBox, "",                            2520, 1680, 1335, 285, kDefaultFont,              2, {.accessible = "Value 1, the lower value"}},
  {"Text2",    Kind::TextBox, "",                            4800, 1680, 1335, 285, kDefaultFont,              3, {.accessible = "Value 2, the upper value"}},
  {"Label3",   Kind::Label,   "and",                         4200, 1680,  375, 255, kDefaultFont,              4, kGreyLabel},
  {"Label4",   Kind::Label,   "Generate a number between:",  3240, 1320, 2175, 255, kDefaultFont,              5, kGreyLabel},
  {"Command1", Kind::Button,  "Generate",                    3720, 2040, 1215, 255, kDefaultFont,              6, {.accessible = "Generate a random number"}},
  {"Text3",    Kind::TextBox, "",                            3720, 2400, 1215, 285, kDefaultFont,              7, {.locked = true, .accessible = "Random number"}},
  {"Label5",   Kind::Label,   "Note: Please do not use numbers higher than 99,999,999 with this "
                              "generator, or the program may crash. Thank You.",
                                                              120, 3000, 8295, 255, kDefaultFont,              8, kNavyLabel},
  {"Command2", Kind::Button,  "Back",                        7800,  120,  615, 255, kDefaultFont,              9, {.accessible = "Back to the menu"}},
};
// clang-format on

}  // namespace

constexpr design::FormDesign RandomNumberGenerator::kDesign{"Rando", "Random Number Generator",
                                                            8460, 3300, kControls};

namespace {

constexpr RandomNumberGenerator::Route kRoutes[] = {{"Command2", "MainMenu"}};

const QString kWholeNumber = QStringLiteral("a whole number from -2147483648 to 2147483647");

}  // namespace

void RandomNumberGenerator::connectHandlers() {
  onClick("Command1", &RandomNumberGenerator::Command1_Click);
  connectRoutes(kRoutes);
}

void RandomNumberGenerator::Command1_Click() {
  input_hint::clearAll(widget());
  auto* box1 = control<QLineEdit>("Text1");
  auto* box2 = control<QLineEdit>("Text2");

  // Value 2 is read first, so when both are wrong it is the one shown.
  const auto b = numbers::fromText32(text("Text2"));
  if (!b) {
    input_hint::show(box2, kWholeNumber);
    return;
  }
  const auto a = numbers::fromText32(text("Text1"));
  if (!a) {
    input_hint::show(box1, kWholeNumber);
    return;
  }

  if (*a > *b) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Knockwell"),
                    QStringLiteral("Incorrect Values: Value 1 must be smaller than Value 2!"),
                    QMessageBox::Ok, widget());
    box.exec();
    return;
  }

  const auto afterB = numbers::add32(*b, 1);
  if (!afterB) {
    input_hint::show(box2, QStringLiteral("Value 2 must be below 2147483647"));
    return;
  }
  const auto width = numbers::subtract32(*afterB, *a);
  if (!width) {
    input_hint::show(box2, QStringLiteral("the two values must be less than 2147483647 apart"),
                     {box1});
    return;
  }

  // One draw per press; r < 1 keeps the offset at most width - 1, so the
  // result never passes Value 2.
  const double r = shared_random::next();
  const auto offset = static_cast<std::int64_t>(std::floor(r * *width));
  setText("Text3", numbers::toText(*a + offset));
}

// "Random number between 1 and 10: 7", the range as the boxes show it.
QString RandomNumberGenerator::resultText() const {
  return QStringLiteral("Random number between %1 and %2:").arg(text("Text1"), text("Text2")) +
         (text("Text3").isEmpty() ? QString() : " " + text("Text3"));
}
