#pragma once

// Registers one instance of every window of the program. The one place that
// knows every window class.
void registerAllWindows();
