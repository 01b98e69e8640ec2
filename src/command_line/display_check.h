// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether a windowed program of this package has anywhere to open its
// windows, asked before the GUI starts: without a display, starting it would
// end the program with a core dump instead of a word to the user.
namespace display_check {

// False where the windows certainly have nowhere to go: on a Unix desktop
// with neither an X nor a Wayland display named and no platform chosen.
bool displayNamed(int argc, char* argv[]);

}  // namespace display_check
