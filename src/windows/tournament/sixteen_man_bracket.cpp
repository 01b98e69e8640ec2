// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/tournament/sixteen_man_bracket.h"

#include "windows/tournament/sixteen_man_matches.h"

namespace {

using namespace design;

constexpr const char* kHint =
    "Type the names of the 16 contestants into the column of boxes on the left, then click win to "
    "move them on round by round until one is left!";

// clang-format off
constexpr ControlDesign kControls[] = {
  // name       kind           text                 left   top  width height font                      tab
  {"Label1",    Kind::Label,   "Torvak Knockwell",  2520,    0, 4935, 495, {kShowcard, 18, Regular},   0, {.fore = kNavy}},
  {"Reset",     Kind::Button,  "Reset",             9600,  360,  855, 255, kDefaultFont,               1, {.accessible = "Reset the bracket"}},
  {"Query",     Kind::Button,  "Back",              9600,  120,  855, 255, kDefaultFont,               2, {.tooltip = kHint, .accessible = "Back to the menu"}},
  // Round one: the entrants and their "Win" buttons.
  {"Text1",     Kind::TextBox, "",                   120,  480, 1575, 285, kDefaultFont,               3, {.accessible = "Entrant 1"}},
  {"Command1",  Kind::Button,  "Win",               1800,  480,  495, 255, kDefaultFont,              19, {.accessible = "Win: entrant 1"}},
  {"Text2",     Kind::TextBox, "",                   120,  840, 1575, 285, kDefaultFont,               4, {.accessible = "Entrant 2"}},
  {"Command2",  Kind::Button,  "Win",               1800,  840,  495, 255, kDefaultFont,              20, {.accessible = "Win: entrant 2"}},
  {"Text3",     Kind::TextBox, "",                   120, 1320, 1575, 285, kDefaultFont,               5, {.accessible = "Entrant 3"}},
  {"Command3",  Kind::Button,  "Win",               1800, 1320,  495, 255, kDefaultFont,              21, {.accessible = "Win: entrant 3"}},
  {"Text4",     Kind::TextBox, "",                   120, 1680, 1575, 285, kDefaultFont,               6, {.accessible = "Entrant 4"}},
  {"Command4",  Kind::Button,  "Win",               1800, 1680,  495, 255, kDefaultFont,              22, {.accessible = "Win: entrant 4"}},
  {"Text5",     Kind::TextBox, "",                   120, 2160, 1575, 285, kDefaultFont,               7, {.accessible = "Entrant 5"}},
  {"Command5",  Kind::Button,  "Win",               1800, 2160,  495, 255, kDefaultFont,              23, {.accessible = "Win: entrant 5"}},
  {"Text6",     Kind::TextBox, "",                   120, 2520, 1575, 285, kDefaultFont,               8, {.accessible = "Entrant 6"}},
  {"Command6",  Kind::Button,  "Win",               1800, 2520,  495, 255, kDefaultFont,              24, {.accessible = "Win: entrant 6"}},
  {"Text7",     Kind::TextBox, "",                   120, 3000, 1575, 285, kDefaultFont,               9, {.accessible = "Entrant 7"}},
  {"Command7",  Kind::Button,  "Win",               1800, 3000,  495, 255, kDefaultFont,              25, {.accessible = "Win: entrant 7"}},
  {"Text8",     Kind::TextBox, "",                   120, 3360, 1575, 285, kDefaultFont,              10, {.accessible = "Entrant 8"}},
  {"Command8",  Kind::Button,  "Win",               1800, 3360,  495, 255, kDefaultFont,              26, {.accessible = "Win: entrant 8"}},
  {"Text9",     Kind::TextBox, "",                   120, 3840, 1575, 285, kDefaultFont,              11, {.accessible = "Entrant 9"}},
  {"Command9",  Kind::Button,  "Win",               1800, 3840,  495, 255, kDefaultFont,              27, {.accessible = "Win: entrant 9"}},
  {"Text10",    Kind::TextBox, "",                   120, 4200, 1575, 285, kDefaultFont,              12, {.accessible = "Entrant 10"}},
  {"Command10", Kind::Button,  "Win",               1800, 4200,  495, 255, kDefaultFont,              28, {.accessible = "Win: entrant 10"}},
  {"Text11",    Kind::TextBox, "",                   120, 4680, 1575, 285, kDefaultFont,              13, {.accessible = "Entrant 11"}},
  {"Command11", Kind::Button,  "Win",               1800, 4680,  495, 255, kDefaultFont,              29, {.accessible = "Win: entrant 11"}},
  {"Text12",    Kind::TextBox, "",                   120, 5040, 1575, 285, kDefaultFont,              14, {.accessible = "Entrant 12"}},
  {"Command12", Kind::Button,  "Win",               1800, 5040,  495, 255, kDefaultFont,              30, {.accessible = "Win: entrant 12"}},
  {"Text13",    Kind::TextBox, "",                   120, 5520, 1575, 285, kDefaultFont,              15, {.accessible = "Entrant 13"}},
  {"Command13", Kind::Button,  "Win",               1800, 5520,  495, 255, kDefaultFont,              31, {.accessible = "Win: entrant 13"}},
  {"Text14",    Kind::TextBox, "",                   120, 5880, 1575, 285, kDefaultFont,              16, {.accessible = "Entrant 14"}},
  {"Command14", Kind::Button,  "Win",               1800, 5880,  495, 255, kDefaultFont,              32, {.accessible = "Win: entrant 14"}},
  {"Text15",    Kind::TextBox, "",                   120, 6360, 1575, 285, kDefaultFont,              17, {.accessible = "Entrant 15"}},
  {"Command15", Kind::Button,  "Win",               1800, 6360,  495, 255, kDefaultFont,              33, {.accessible = "Win: entrant 15"}},
  {"Text16",    Kind::TextBox, "",                   120, 6720, 1575, 285, kDefaultFont,              18, {.accessible = "Entrant 16"}},
  {"Command16", Kind::Button,  "Win",               1800, 6720,  495, 255, kDefaultFont,              34, {.accessible = "Win: entrant 16"}},
  // Quarter-finalists.
  {"Text17",    Kind::TextBox, "",                  2400,  720, 1935, 405, kDefaultFont,              35, {.locked = true, .accessible = "Quarter-finalist 1"}},
  {"Command17", Kind::Button,  "Win",               4440,  720,  495, 375, kDefaultFont,              43, {.accessible = "Win: quarter-finalist 1"}},
  {"Text18",    Kind::TextBox, "",                  2400, 1320, 1935, 405, kDefaultFont,              36, {.locked = true, .accessible = "Quarter-finalist 2"}},
  {"Command18", Kind::Button,  "Win",               4440, 1320,  495, 375, kDefaultFont,              44, {.accessible = "Win: quarter-finalist 2"}},
  {"Text19",    Kind::TextBox, "",                  2400, 2400, 1935, 405, kDefaultFont,              37, {.locked = true, .accessible = "Quarter-finalist 3"}},
  {"Command19", Kind::Button,  "Win",               4440, 2400,  495, 375, kDefaultFont,              45, {.accessible = "Win: quarter-finalist 3"}},
  {"Text20",    Kind::TextBox, "",                  2400, 3000, 1935, 405, kDefaultFont,              38, {.locked = true, .accessible = "Quarter-finalist 4"}},
  {"Command20", Kind::Button,  "Win",               4440, 3000,  495, 375, kDefaultFont,              46, {.accessible = "Win: quarter-finalist 4"}},
  {"Text21",    Kind::TextBox, "",                  2400, 4080, 1935, 405, kDefaultFont,              39, {.locked = true, .accessible = "Quarter-finalist 5"}},
  {"Command21", Kind::Button,  "Win",               4440, 4080,  495, 375, kDefaultFont,              47, {.accessible = "Win: quarter-finalist 5"}},
  {"Text22",    Kind::TextBox, "",                  2400, 4680, 1935, 405, kDefaultFont,              40, {.locked = true, .accessible = "Quarter-finalist 6"}},
  {"Command22", Kind::Button,  "Win",               4440, 4680,  495, 375, kDefaultFont,              48, {.accessible = "Win: quarter-finalist 6"}},
  {"Text23",    Kind::TextBox, "",                  2400, 5760, 1935, 405, kDefaultFont,              41, {.locked = true, .accessible = "Quarter-finalist 7"}},
  {"Command23", Kind::Button,  "Win",               4440, 5760,  495, 375, kDefaultFont,              49, {.accessible = "Win: quarter-finalist 7"}},
  {"Text24",    Kind::TextBox, "",                  2400, 6360, 1935, 405, kDefaultFont,              42, {.locked = true, .accessible = "Quarter-finalist 8"}},
  {"Command24", Kind::Button,  "Win",               4440, 6360,  495, 375, kDefaultFont,              50, {.accessible = "Win: quarter-finalist 8"}},
  // Semi-finalists.
  {"Text25",    Kind::TextBox, "",                  5040, 1440, 1935, 405, kDefaultFont,              51, {.locked = true, .accessible = "Semi-finalist 1"}},
  {"Command25", Kind::Button,  "Win",               7080, 1440,  495, 375, kDefaultFont,              55, {.accessible = "Win: semi-finalist 1"}},
  {"Text26",    Kind::TextBox, "",                  5040, 2280, 1935, 405, kDefaultFont,              52, {.locked = true, .accessible = "Semi-finalist 2"}},
  {"Command26", Kind::Button,  "Win",               7080, 2280,  495, 375, kDefaultFont,              56, {.accessible = "Win: semi-finalist 2"}},
  {"Text27",    Kind::TextBox, "",                  5040, 4800, 1935, 405, kDefaultFont,              53, {.locked = true, .accessible = "Semi-finalist 3"}},
  {"Command27", Kind::Button,  "Win",               7080, 4800,  495, 375, kDefaultFont,              57, {.accessible = "Win: semi-finalist 3"}},
  {"Text28",    Kind::TextBox, "",                  5040, 5640, 1935, 405, kDefaultFont,              54, {.locked = true, .accessible = "Semi-finalist 4"}},
  {"Command28", Kind::Button,  "Win",               7080, 5640,  495, 375, kDefaultFont,              58, {.accessible = "Win: semi-finalist 4"}},
  // Finalists and the final's "Win" buttons.
  {"Text29",    Kind::TextBox, "",                  7680, 1800, 2175, 525, kDefaultFont,              59, {.locked = true, .accessible = "Finalist 1"}},
  {"Command29", Kind::Button,  "Win",               9960, 1800,  495, 495, kDefaultFont,              61, {.accessible = "Win: finalist 1"}},
  {"Text30",    Kind::TextBox, "",                  7680, 5160, 2175, 525, kDefaultFont,              60, {.locked = true, .accessible = "Finalist 2"}},
  {"Command30", Kind::Button,  "Win",               9960, 5160,  495, 495, kDefaultFont,              62, {.accessible = "Win: finalist 2"}},
  // The result: the winner box is Text32, the runner-up box Text31.
  {"Label2",    Kind::Label,   "Winner:",           5040, 3360, 1335, 375, {kShowcard, 14.25, Bold},  66, {.fore = kBlack}},
  {"Text32",    Kind::TextBox, "",                  6480, 3360, 3975, 375, kDefaultFont,              64, {.locked = true, .accessible = "Winner"}},
  {"Label3",    Kind::Label,   "Runner Up:",        5040, 3840, 1575, 375, {kShowcard, 12, Regular},  65, {.fore = kDarkGrey}},
  {"Text31",    Kind::TextBox, "",                  6480, 3840, 3975, 375, kDefaultFont,              63, {.locked = true, .accessible = "Runner up"}},
};
// clang-format on

}  // namespace

constexpr design::FormDesign SixteenManBracket::kDesign{"Tourn16", "Torvak Knockwell", 10530, 7095,
                                                        kControls};

namespace {

static_assert(bracket::isValid(SixteenManBracket::kDesign, kSixteenManMatches));
constexpr auto kWinRoutes = bracket::winRoutes<SixteenManBracket, kSixteenManMatches>();

constexpr SixteenManBracket::Route kRoutes[] = {{"Query", "MainMenu"}};

}  // namespace

SixteenManBracket::SixteenManBracket(TournamentShelf& shelf)
    : KnockoutBracket(kSixteenManMatches, "16 Man Tournament", shelf) {}

void SixteenManBracket::connectHandlers() {
  connectMatches(kSixteenManMatches, kWinRoutes);
  connectRoutes(kRoutes);
  onClick("Reset", &SixteenManBracket::Reset_Click);
}

void SixteenManBracket::Reset_Click() { emptySlots(kSixteenManMatches); }
