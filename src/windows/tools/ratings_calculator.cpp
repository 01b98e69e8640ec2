// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/tools/ratings_calculator.h"

#include "framework/input_hint.h"
#include "rules/numbers.h"

#include <QLineEdit>

namespace {

using namespace design;

constexpr Look kGreyLabel{.back = kWindowGrey};
constexpr Look kNavyLabel{.fore = kNavy, .back = kWindowGrey};

// clang-format off
constexpr ControlDesign kControls[] = {
  // name        kind           text                        left   top  width height font                      tab
  {"Label2",   Kind::Label,   "Ratings Calculator",       2640,  840, 3375, 375, {kShowcard, 14.25, Bold},  0, kNavyLabel},
  {"Label1",   Kind::Label,   "Torvak Utilities",          960,  120, 6855, 615, {kShowcard, 26.25, Bold},  1, kNavyLabel},
  {"Text1",    Kind::TextBox, "",                          960, 1560, 1575, 375, kDefaultFont,              2, {.accessible = "Overall rating"}},
  {"Text2",    Kind::TextBox, "",                          960, 2040, 1575, 375, kDefaultFont,              3, {.accessible = "Crowd rating"}},
  {"Text3",    Kind::TextBox, "",                          960, 2520, 1575, 375, kDefaultFont,              4, {.accessible = "Quality rating"}},
  {"Label3",   Kind::Label,   "Overall:",                  240, 1680,  615, 255, kDefaultFont,              5, kGreyLabel},
  {"Label4",   Kind::Label,   "Crowd:",                    240, 2160,  735, 255, kDefaultFont,              6, kGreyLabel},
  {"Label5",   Kind::Label,   "Quality:",                  240, 2640,  615, 255, kDefaultFont,              7, kGreyLabel},
  {"Command1", Kind::Button,  "Calculate",                2640, 1560, 1215, 375, kDefaultFont,              8, {.accessible = "Calculate Overall"}},
  {"Command2", Kind::Button,  "Calculate",                2640, 2040, 1215, 375, kDefaultFont,              9, {.accessible = "Calculate Crowd"}},
  {"Command3", Kind::Button,  "Calculate",                2640, 2520, 1215, 375, kDefaultFont,             10, {.accessible = "Calculate Quality"}},
  {"Text4",    Kind::TextBox, "",                         1560, 3480, 2535, 375, kDefaultFont,             11, {.accessible = "Missing value"}},
  {"Label6",   Kind::Label,   "Missing Value:",            240, 3600, 1215, 255, kDefaultFont,             12, kGreyLabel},
  {"Text5",    Kind::TextBox, "",                         6000, 1320, 1815, 375, kDefaultFont,             13, {.accessible = "Segment rating 1"}},
  {"Text6",    Kind::TextBox, "",                         6000, 1800, 1815, 375, kDefaultFont,             14, {.accessible = "Segment rating 2"}},
  {"Text7",    Kind::TextBox, "",                         6000, 2280, 1815, 375, kDefaultFont,             15, {.accessible = "Segment rating 3"}},
  {"Text8",    Kind::TextBox, "",                         6000, 2760, 1815, 375, kDefaultFont,             16, {.accessible = "Segment rating 4"}},
  {"Text10",   Kind::TextBox, "",                         6840, 3840, 1815, 375, kDefaultFont,             17, {.accessible = "Overall section ratings: the average"}},
  {"Label7",   Kind::Label,   "Overall Section Ratings:", 4800, 3960, 1815, 255, kDefaultFont,             18, kGreyLabel},
  {"Label8",   Kind::Label,   "Rating:",                  5280, 1440,  615, 255, kDefaultFont,             19, kGreyLabel},
  {"Label10",  Kind::Label,   "Rating:",                  5280, 1920,  615, 255, kDefaultFont,             20, kGreyLabel},
  {"Label11",  Kind::Label,   "Rating:",                  5280, 2400,  615, 255, kDefaultFont,             21, kGreyLabel},
  {"Label12",  Kind::Label,   "Rating:",                  5280, 2880,  615, 255, kDefaultFont,             22, kGreyLabel},
  {"Command4", Kind::Button,  "Calculate",                5280, 3360, 2535, 255, kDefaultFont,             23, {.accessible = "Calculate the section average"}},
  {"Command5", Kind::Button,  "Back",                     8040,  120,  615, 255, kDefaultFont,             24, {.accessible = "Back to the menu"}},
  {"Line1",    Kind::Line,    "",                         4440, 1200, 4440, 4200, kDefaultFont,            -1, {.fore = kLightGrey}},
};
// clang-format on

}  // namespace

constexpr design::FormDesign RatingsCalculator::kDesign{"calc", "Segment Ratings Calculator", 8775,
                                                        4320, kControls};

namespace {

const QString kWholeNumber = QStringLiteral("a whole number from -32768 to 32767");
const QString kRange = QStringLiteral(" must lie within -32768 to 32767");

}  // namespace

void RatingsCalculator::connectHandlers() {
  onClick("Command1", &RatingsCalculator::Command1_Click);
  onClick("Command2", &RatingsCalculator::Command2_Click);
  onClick("Command3", &RatingsCalculator::Command3_Click);
  onClick("Command4", &RatingsCalculator::Command4_Click);
  onClick("Command5", &RatingsCalculator::Command5_Click);
}

std::optional<std::int16_t> RatingsCalculator::number(Name box) {
  const auto value = numbers::fromText16(text(box));
  if (!value) input_hint::show(control<QLineEdit>(box), kWholeNumber);
  return value;
}

// Overall from Crowd and Quality. The sum must fit in 16 bits even though
// half of it always would.
void RatingsCalculator::Command1_Click() {
  input_hint::clearAll(widget());
  const auto quality = number("Text3");
  if (!quality) return;
  const auto crowd = number("Text2");
  if (!crowd) return;

  const auto sum = numbers::add16(*crowd, *quality);
  const auto overall = sum ? numbers::roundDown16(*sum / 2.0) : std::nullopt;
  if (!overall) {
    input_hint::show(control<QLineEdit>("Text3"), "Crowd + Quality" + kRange,
                     {control<QLineEdit>("Text2")});
    return;
  }
  setText("Text4", numbers::toText(*overall));
}

void RatingsCalculator::Command2_Click() {
  input_hint::clearAll(widget());
  missingFromOverall("Text3", "twice Overall - Quality" + kRange);
}

void RatingsCalculator::Command3_Click() {
  input_hint::clearAll(widget());
  missingFromOverall("Text2", "twice Overall - Crowd" + kRange);
}

// The plain inverse of half the sum, 2 x Overall - other, formed as
// (Overall - other) + Overall; it does not undo the rounding down of Overall.
void RatingsCalculator::missingFromOverall(Name otherBox, const QString& hint) {
  const auto overall = number("Text1");
  if (!overall) return;
  const auto other = number(otherBox);
  if (!other) return;

  const auto difference = numbers::subtract16(*overall, *other);
  const auto missing = difference ? numbers::add16(*difference, *overall) : std::nullopt;
  if (!missing) {
    input_hint::show(control<QLineEdit>("Text1"), hint, {control<QLineEdit>(otherBox)});
    return;
  }
  setText("Text4", numbers::toText(*missing));
}

// A rating of 0 is an empty slot and is left out; negative ratings count.
void RatingsCalculator::Command4_Click() {
  input_hint::clearAll(widget());
  const Name boxes[] = {"Text5", "Text6", "Text7", "Text8"};
  std::int16_t ratings[4] = {};
  for (int slot = 0; slot < 4; ++slot) {
    const auto rating = number(boxes[slot]);
    if (!rating) return;
    ratings[slot] = *rating;
  }

  std::int16_t total = 0;
  int count = 0;
  QList<QLineEdit*> added;
  for (int slot = 0; slot < 4; ++slot) {
    if (ratings[slot] == 0) continue;
    auto* box = control<QLineEdit>(boxes[slot]);
    const auto sum = numbers::add16(total, ratings[slot]);
    if (!sum) {
      input_hint::show(box, "the ratings' total" + kRange, added);
      return;
    }
    total = *sum;
    ++count;
    added.append(box);
  }
  if (count == 0) {
    input_hint::show(
        control<QLineEdit>("Text8"), QStringLiteral("at least one rating other than 0"),
        {control<QLineEdit>("Text5"), control<QLineEdit>("Text6"), control<QLineEdit>("Text7")});
    return;
  }
  // An average of 16-bit ratings is itself a 16-bit value.
  const auto average = numbers::roundDown16(double(total) / count);
  if (!average) return;
  setText("Text10", numbers::toText(*average));
}

void RatingsCalculator::Command5_Click() { switchTo("MainMenu"); }
