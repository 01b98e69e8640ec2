// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class GimmickTableStore;
class WindowRegistry;

// Adds one instance of every window of the program to `windows`. The one
// place that knows every window class. The menu loads `gimmicks` and the gimmick window
// reads it, so it must outlive the windows.
void registerAllWindows(WindowRegistry& windows, GimmickTableStore& gimmicks);
