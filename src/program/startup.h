// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class GimmickTableStore;
class WindowRegistry;

// Everything the program does before its event loop: the application's
// name and style, the font fallbacks, one instance of every window added to
// `windows` (the start-up is the one place that knows every window class),
// and the main menu on screen. Needs a QApplication; `windows` and
// `gimmicks` (the run's gimmick table) are owned by the caller for the whole
// run. A window's request to end the program unloads every window and ends
// the event loop.
void startProgram(WindowRegistry& windows, GimmickTableStore& gimmicks);
