// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class GimmickTableStore;

// Everything the program does before its event loop: the application's
// name and style, the font fallbacks, every window registered, and the main
// menu on screen. Needs a QApplication; `gimmicks` is the run's gimmick
// table, owned by the caller for the whole run.
void startProgram(GimmickTableStore& gimmicks);
