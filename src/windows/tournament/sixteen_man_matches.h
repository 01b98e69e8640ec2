// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/tournament/bracket_match.h"

// Who meets whom in the sixteen-man bracket. It has no draws. The winner box
// is Text32, the runner-up box Text31.
// clang-format off
inline constexpr BracketMatch kSixteenManMatches[] = {
  // upper     its Win      lower     its Win      Random   winner into  runner-up
  // Round one.
  {"Text1",  "Command1",  "Text2",  "Command2",  kNoDraw, "Text17"},
  {"Text3",  "Command3",  "Text4",  "Command4",  kNoDraw, "Text18"},
  {"Text5",  "Command5",  "Text6",  "Command6",  kNoDraw, "Text19"},
  {"Text7",  "Command7",  "Text8",  "Command8",  kNoDraw, "Text20"},
  {"Text9",  "Command9",  "Text10", "Command10", kNoDraw, "Text21"},
  {"Text11", "Command11", "Text12", "Command12", kNoDraw, "Text22"},
  {"Text13", "Command13", "Text14", "Command14", kNoDraw, "Text23"},
  {"Text15", "Command15", "Text16", "Command16", kNoDraw, "Text24"},
  // Quarter-finals.
  {"Text17", "Command17", "Text18", "Command18", kNoDraw, "Text25"},
  {"Text19", "Command19", "Text20", "Command20", kNoDraw, "Text26"},
  {"Text21", "Command21", "Text22", "Command22", kNoDraw, "Text27"},
  {"Text23", "Command23", "Text24", "Command24", kNoDraw, "Text28"},
  // Semi-finals.
  {"Text25", "Command25", "Text26", "Command26", kNoDraw, "Text29"},
  {"Text27", "Command27", "Text28", "Command28", kNoDraw, "Text30"},
  // The final.
  {"Text29", "Command29", "Text30", "Command30", kNoDraw, "Text32",     "Text31"},
};
// clang-format on
