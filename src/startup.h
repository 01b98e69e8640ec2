#pragma once

// Everything the program does before its event loop: the application's
// name and style, the font fallbacks, every window registered, and the main
// menu on screen. Needs a QApplication.
void startProgram();
