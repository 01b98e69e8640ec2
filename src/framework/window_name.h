// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// The names of the program's windows: its registry keys and design names.
// Windows know one another only by these, so the framework lists them
// without knowing any window class.
inline constexpr std::string_view kWindowNames[] = {
    "MainMenu", "Tourn8", "Tourn16", "Match",  "NameGen", "Finisher",
    "FiniGimm", "Rando",  "calc",    "HexRGB", "Credits",
};

constexpr bool isWindowName(std::string_view name) {
  for (std::string_view known : kWindowNames) {
    if (known == name) return true;
  }
  return false;
}

// Never defined: the check below calls it only for a name missing from the
// list, and a call to a function that is not constexpr stops the compiler
// there, naming this function and the misspelt name.
void windowNameNotInTheList(const char* name);

// The name of one of the program's windows, as a switch, a menu route or a
// "Back" button gives it, checked against kWindowNames when the program is
// compiled.
struct WindowName {
  consteval WindowName(const char* windowName) : name(windowName) {
    if (!isWindowName(windowName)) windowNameNotInTheList(windowName);
  }
  const char* name;
};
