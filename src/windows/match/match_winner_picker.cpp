// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/match/match_winner_picker.h"

#include <QStringList>
#include "rules/shared_random.h"

namespace {

using namespace design;

constexpr Font kSnapTitle{kSnap, 14.25, Bold};
constexpr Font kWinner{kStamford, 14.25, Bold};

// clang-format off
constexpr ControlDesign kControls[] = {
  // name        kind           text                      left   top  width height font                      tab
  {"Label1",   Kind::Label,   "Torvak Match Utilities", 1200,  120, 6255, 615, {kShowcard, 26.25, Bold},  0, {.fore = kNavy}},
  {"Line2",    Kind::Line,    "",                          0,  840, 8520, 840, kDefaultFont,             -1, {.fore = kLightGrey}},
  {"Label2",   Kind::Label,   "1 -vs- 1",               3600,  960, 1335, 375, kSnapTitle,                1, {.fore = kNavy}},
  {"Text1",    Kind::TextBox, "",                        720, 1440, 2895, 375, kDefaultFont,              2, {.accessible = "One-on-one entrant 1"}},
  {"Command1", Kind::Button,  "Winner",                 3720, 1440, 1095, 375, kDefaultFont,              4, {.accessible = "Winner: one-on-one match"}},
  {"Text2",    Kind::TextBox, "",                       4920, 1440, 2895, 375, kDefaultFont,              3, {.accessible = "One-on-one entrant 2"}},
  {"Label3",   Kind::Label,   "Winner:",                1560, 1920, 1095, 375, kWinner,                   6},
  {"Text3",    Kind::TextBox, "",                       2760, 1920, 3135, 375, kDefaultFont,              5, {.locked = true, .accessible = "One-on-one winner"}},
  {"Line1",    Kind::Line,    "",                          0, 2400, 8520, 2400, kDefaultFont,            -1, {.fore = kLightGrey}},
  {"Label4",   Kind::Label,   "1 -vs- 1 -vs- 1",        3120, 2520, 2415, 375, kSnapTitle,                7, {.fore = kNavy}},
  {"Text4",    Kind::TextBox, "",                        240, 3000, 2535, 375, kDefaultFont,              8, {.accessible = "Three-way entrant 1"}},
  {"Text5",    Kind::TextBox, "",                       3000, 3000, 2535, 375, kDefaultFont,              9, {.accessible = "Three-way entrant 2"}},
  {"Text7",    Kind::TextBox, "",                       5760, 3000, 2535, 375, kDefaultFont,             13, {.accessible = "Three-way entrant 3"}},
  {"Command2", Kind::Button,  "Winner",                 3720, 3360, 1095, 375, kDefaultFont,             10, {.accessible = "Winner: three-way match"}},
  {"Label5",   Kind::Label,   "Winner:",                1560, 3720, 1095, 375, kWinner,                  12},
  {"Text6",    Kind::TextBox, "",                       2760, 3720, 3015, 375, kDefaultFont,             11, {.locked = true, .accessible = "Three-way winner"}},
  {"Line3",    Kind::Line,    "",                          0, 4200, 8520, 4200, kDefaultFont,            -1, {.fore = kLightGrey}},
  {"Command3", Kind::Button,  "Back",                   3720, 4320, 1095, 315, kDefaultFont,             14, {.accessible = "Back to the menu"}},
};
// clang-format on

}  // namespace

constexpr design::FormDesign MatchWinnerPicker::kDesign{"Match", "Form1", 8535, 4680, kControls};

namespace {

constexpr MatchWinnerPicker::Route kRoutes[] = {{"Command3", "MainMenu"}};

// One roll per pick, 1 to 10.
int roll() { return shared_random::wholeDraw(10); }

}  // namespace

void MatchWinnerPicker::connectHandlers() {
  onClick("Command1", &MatchWinnerPicker::Command1_Click);
  onClick("Command2", &MatchWinnerPicker::Command2_Click);
  connectRoutes(kRoutes);
}

// 6 to 10 go to the left entrant, 1 to 5 to the right one.
void MatchWinnerPicker::Command1_Click() {
  const int n = roll();
  if (n > 5) {
    setText("Text3", text("Text1"));
  } else {
    setText("Text3", text("Text2"));
  }
}

// Not an even three-way split: left 8 to 10, middle 4 to 7, right 1 to 3.
void MatchWinnerPicker::Command2_Click() {
  const int n = roll();
  if (n > 7) setText("Text6", text("Text4"));
  if (n > 3 && n < 8) setText("Text6", text("Text5"));
  if (n < 4) setText("Text6", text("Text7"));
}

// "1 -vs- 1: Alpha vs Bravo" and "Winner: Alpha", then the three-way match
// the same way, each under the window's own captions.
QString MatchWinnerPicker::resultText() const {
  using result_text::name;
  return QStringList{
      text("Label2") + ": " + name(text("Text1")) + " vs " + name(text("Text2")),
      labelled("Label3", "Text3"),
      QString(),
      text("Label4") + ": " + name(text("Text4")) + " vs " + name(text("Text5")) + " vs " +
          name(text("Text7")),
      labelled("Label5", "Text6"),
  }
      .join(u'\n');
}
