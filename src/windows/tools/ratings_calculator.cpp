// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/tools/ratings_calculator.h"

#include "framework/input_hint.h"
#include "rules/numbers.h"
#include "rules/ratings.h"

#include <QLineEdit>

#include <QStringList>
#include <iterator>

namespace {

using namespace design;

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

constexpr RatingsCalculator::Route kRoutes[] = {{"Command5", "MainMenu"}};

const QString kWholeNumber = QStringLiteral("a whole number from -32768 to 32767");
const QString kRange = QStringLiteral(" must lie within -32768 to 32767");

}  // namespace

void RatingsCalculator::connectHandlers() {
  onClick("Command1", &RatingsCalculator::Command1_Click);
  onClick("Command2", &RatingsCalculator::Command2_Click);
  onClick("Command3", &RatingsCalculator::Command3_Click);
  onClick("Command4", &RatingsCalculator::Command4_Click);
  connectRoutes(kRoutes);
}

std::optional<std::int16_t> RatingsCalculator::number(Box box) {
  const auto value = numbers::fromText16(text(box));
  if (!value) input_hint::show(control<QLineEdit>(box), kWholeNumber);
  return value;
}

void RatingsCalculator::Command1_Click() {
  input_hint::clearAll(widget());
  const auto quality = number("Text3");
  if (!quality) return;
  const auto crowd = number("Text2");
  if (!crowd) return;

  const auto overall = ratings::overall(*crowd, *quality);
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

void RatingsCalculator::missingFromOverall(Box otherBox, const QString& hint) {
  const auto overall = number("Text1");
  if (!overall) return;
  const auto other = number(otherBox);
  if (!other) return;

  const auto missing = ratings::missing(*overall, *other);
  if (!missing) {
    input_hint::show(control<QLineEdit>("Text1"), hint, {control<QLineEdit>(otherBox)});
    return;
  }
  setText("Text4", numbers::toText(*missing));
}

// Every box is read before any rating is used.
void RatingsCalculator::Command4_Click() {
  input_hint::clearAll(widget());
  const Box boxes[] = {"Text5", "Text6", "Text7", "Text8"};
  std::int16_t values[std::size(boxes)] = {};
  for (std::size_t place = 0; place < std::size(boxes); ++place) {
    const auto rating = number(boxes[place]);
    if (!rating) return;
    values[place] = *rating;
  }

  const ratings::SectionAverage result = ratings::sectionAverage(values);
  using Outcome = ratings::SectionAverage::Outcome;
  switch (result.outcome) {
    case Outcome::Average:
      setText("Text10", numbers::toText(result.average));
      return;
    case Outcome::TotalOutOfRange: {
      QList<QLineEdit*> added;
      for (int place : result.counted) added.append(control<QLineEdit>(boxes[place]));
      input_hint::show(control<QLineEdit>(boxes[result.overflowing]), "the ratings' total" + kRange,
                       added);
      return;
    }
    case Outcome::NoRating:
      input_hint::show(
          control<QLineEdit>("Text8"), QStringLiteral("at least one rating other than 0"),
          {control<QLineEdit>("Text5"), control<QLineEdit>("Text6"), control<QLineEdit>("Text7")});
      return;
  }
}

// Every box under the caption beside it, the left half, then the right.
QString RatingsCalculator::resultText() const {
  return QStringList{
      labelled("Label3", "Text1"),
      labelled("Label4", "Text2"),
      labelled("Label5", "Text3"),
      labelled("Label6", "Text4"),
      QString(),
      labelled("Label8", "Text5"),
      labelled("Label10", "Text6"),
      labelled("Label11", "Text7"),
      labelled("Label12", "Text8"),
      labelled("Label7", "Text10"),
  }
      .join(u'\n');
}
