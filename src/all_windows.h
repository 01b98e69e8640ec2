// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class GimmickTableStore;

// Registers one instance of every window of the program. The one place that
// knows every window class. The menu loads `gimmicks` and the gimmick window
// reads it, so it must outlive the windows.
void registerAllWindows(GimmickTableStore& gimmicks);
