// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/tournament/eight_man_bracket.h"

#include "windows/tournament/eight_man_matches.h"

namespace {

using namespace design;

constexpr const char* kHint =
    "Type in the names of the 8 contestants in the eight boxes on the left, then click win to "
    "advance them through the tournament!";

// clang-format off
constexpr ControlDesign kControls[] = {
  // name       kind           text                 left   top  width height font                        tab
  {"Label1",    Kind::Label,   "Torvak Knockwell",  2880,  120, 4935, 495, {kShowcard, 18, Regular},     8, {.fore = kNavy}},
  {"Command15", Kind::Button,  "Back",              9600,  120,  855, 255, kDefaultFont,                33, {.tooltip = kHint, .accessible = "Back to the menu"}},
  {"Command16", Kind::Button,  "Reset",             9600,  360,  855, 255, kDefaultFont,                34, {.accessible = "Reset the bracket"}},
  // Round one: the entrants and their "Win" buttons.
  {"Text1",     Kind::TextBox, "",                   120,  720, 2535, 375, kDefaultFont,                 0, {.accessible = "Entrant 1"}},
  {"Command1",  Kind::Button,  "Win",               2760,  720,  495, 375, kDefaultFont,                 9, {.accessible = "Win: entrant 1"}},
  {"Text2",     Kind::TextBox, "",                   120, 1200, 2535, 375, kDefaultFont,                 1, {.accessible = "Entrant 2"}},
  {"Command2",  Kind::Button,  "Win",               2760, 1200,  495, 375, kDefaultFont,                10, {.accessible = "Win: entrant 2"}},
  {"Text3",     Kind::TextBox, "",                   120, 2040, 2535, 375, kDefaultFont,                 2, {.accessible = "Entrant 3"}},
  {"Command3",  Kind::Button,  "Win",               2760, 2040,  495, 375, kDefaultFont,                11, {.accessible = "Win: entrant 3"}},
  {"Text4",     Kind::TextBox, "",                   120, 2520, 2535, 375, kDefaultFont,                 3, {.accessible = "Entrant 4"}},
  {"Command4",  Kind::Button,  "Win",               2760, 2520,  495, 375, kDefaultFont,                12, {.accessible = "Win: entrant 4"}},
  {"Text5",     Kind::TextBox, "",                   120, 3360, 2535, 375, kDefaultFont,                 4, {.accessible = "Entrant 5"}},
  {"Command5",  Kind::Button,  "Win",               2760, 3360,  495, 375, kDefaultFont,                13, {.accessible = "Win: entrant 5"}},
  {"Text6",     Kind::TextBox, "",                   120, 3840, 2535, 375, kDefaultFont,                 5, {.accessible = "Entrant 6"}},
  {"Command6",  Kind::Button,  "Win",               2760, 3840,  495, 375, kDefaultFont,                14, {.accessible = "Win: entrant 6"}},
  {"Text7",     Kind::TextBox, "",                   120, 4680, 2535, 375, kDefaultFont,                 6, {.accessible = "Entrant 7"}},
  {"Command7",  Kind::Button,  "Win",               2760, 4680,  495, 375, kDefaultFont,                15, {.accessible = "Win: entrant 7"}},
  {"Text8",     Kind::TextBox, "",                   120, 5160, 2535, 375, kDefaultFont,                 7, {.accessible = "Entrant 8"}},
  {"Command8",  Kind::Button,  "Win",               2760, 5160,  495, 375, kDefaultFont,                16, {.accessible = "Win: entrant 8"}},
  // Semi-finalists, their "Win" buttons, and the round-one draws.
  {"Command17", Kind::Button,  "Random",            3360,  960,  735, 375, kDefaultFont,                35, {.accessible = "Random: round-one match 1"}},
  {"Text9",     Kind::TextBox, "",                  3360, 1440, 2535, 375, kDefaultFont,                17, {.locked = true, .accessible = "Semi-finalist 1"}},
  {"Command9",  Kind::Button,  "Win",               6000, 1440,  495, 375, kDefaultFont,                21, {.accessible = "Win: semi-finalist 1"}},
  {"Text10",    Kind::TextBox, "",                  3360, 1800, 2535, 375, kDefaultFont,                18, {.locked = true, .accessible = "Semi-finalist 2"}},
  {"Command10", Kind::Button,  "Win",               6000, 1800,  495, 375, kDefaultFont,                22, {.accessible = "Win: semi-finalist 2"}},
  {"Command18", Kind::Button,  "Random",            3360, 2280,  735, 375, kDefaultFont,                36, {.accessible = "Random: round-one match 2"}},
  {"Command19", Kind::Button,  "Random",            3360, 3600,  735, 375, kDefaultFont,                37, {.accessible = "Random: round-one match 3"}},
  {"Text11",    Kind::TextBox, "",                  3360, 4080, 2535, 375, kDefaultFont,                19, {.locked = true, .accessible = "Semi-finalist 3"}},
  {"Command11", Kind::Button,  "Win",               6000, 4080,  495, 375, kDefaultFont,                23, {.accessible = "Win: semi-finalist 3"}},
  {"Text12",    Kind::TextBox, "",                  3360, 4440, 2535, 375, kDefaultFont,                20, {.locked = true, .accessible = "Semi-finalist 4"}},
  {"Command12", Kind::Button,  "Win",               6000, 4440,  495, 375, kDefaultFont,                24, {.accessible = "Win: semi-finalist 4"}},
  {"Command20", Kind::Button,  "Random",            3360, 4920,  735, 375, kDefaultFont,                38, {.accessible = "Random: round-one match 4"}},
  // Finalists: semi-final draws on the left, the final's "Win" buttons on the right.
  {"Command22", Kind::Button,  "Random",            6600, 1560,  735, 495, kDefaultFont,                40, {.accessible = "Random: semi-final 1"}},
  {"Text13",    Kind::TextBox, "",                  7440, 1560, 2535, 495, kDefaultFont,                25, {.locked = true, .accessible = "Finalist 1"}},
  {"Command13", Kind::Button,  "Win",               9960, 1560,  495, 495, kDefaultFont,                29, {.accessible = "Win: finalist 1"}},
  {"Command21", Kind::Button,  "Random",            6600, 4200,  735, 495, kDefaultFont,                39, {.accessible = "Random: semi-final 2"}},
  {"Text14",    Kind::TextBox, "",                  7440, 4200, 2535, 495, kDefaultFont,                26, {.locked = true, .accessible = "Finalist 2"}},
  {"Command14", Kind::Button,  "Win",               9960, 4200,  495, 495, kDefaultFont,                30, {.accessible = "Win: finalist 2"}},
  // The result.
  {"Label2",    Kind::Label,   "Winner:",           3600, 2760, 1335, 375, {kShowcard, 14.25, Bold},    27},
  {"Text15",    Kind::TextBox, "",                  5040, 2760, 4215, 375, kDefaultFont,                28, {.locked = true, .accessible = "Winner"}},
  {"Label3",    Kind::Label,   "Runner Up:",        3600, 3240, 1575, 375, {kShowcard, 12, Regular},    32, {.fore = kDarkGrey}},
  {"Text16",    Kind::TextBox, "",                  5040, 3240, 4215, 375, kDefaultFont,                31, {.locked = true, .accessible = "Runner up"}},
  {"Command23", Kind::Button,  "Random",            9360, 2880, 1095, 615, kDefaultFont,                41, {.accessible = "Random: the final"}},
};
// clang-format on

}  // namespace

constexpr design::FormDesign EightManBracket::kDesign{"Tourn8", "Torvak Knockwell", 10530, 5760,
                                                      kControls};

namespace {

static_assert(bracket::isValid(EightManBracket::kDesign, kEightManMatches));
constexpr auto kWinRoutes = bracket::winRoutes<EightManBracket, kEightManMatches>();

constexpr EightManBracket::Route kRoutes[] = {{"Command15", "MainMenu"}};

}  // namespace

EightManBracket::EightManBracket(TournamentShelf& shelf)
    : KnockoutBracket(kEightManMatches, "8 Man Tournament", shelf) {}

void EightManBracket::connectHandlers() {
  connectMatches(kEightManMatches, kWinRoutes);
  connectRoutes(kRoutes);
  onClick("Command16", &EightManBracket::Command16_Click);
}

void EightManBracket::Command16_Click() { emptySlots(kEightManMatches); }
