// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/tournament/bracket_match.h"

// Who meets whom in the eight-man bracket. The final's draw favours the
// upper finalist on 6 to 10, the earlier draws the upper wrestler on 1 to 5.
// clang-format off
inline constexpr BracketMatch kEightManMatches[] = {
  // upper     its Win      lower     its Win      Random       winner into  runner-up
  // Round one.
  {"Text1",  "Command1",  "Text2",  "Command2",  "Command17", "Text9"},
  {"Text3",  "Command3",  "Text4",  "Command4",  "Command18", "Text10"},
  {"Text5",  "Command5",  "Text6",  "Command6",  "Command19", "Text11"},
  {"Text7",  "Command7",  "Text8",  "Command8",  "Command20", "Text12"},
  // Semi-finals.
  {"Text9",  "Command9",  "Text10", "Command10", "Command22", "Text13"},
  {"Text11", "Command11", "Text12", "Command12", "Command21", "Text14"},
  // The final.
  {"Text13", "Command13", "Text14", "Command14", "Command23", "Text15",     "Text16"},
};
// clang-format on
