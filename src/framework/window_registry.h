#pragma once

#include <QString>

#include <memory>

class Window;

// Every window of the program, reachable by name. Windows know one another
// only through this: a switch names its target and the registry finds it.
namespace windows {

void add(std::unique_ptr<Window> window);
Window* find(const QString& name);

// Loads (if needed) and shows the window of that name.
void show(const QString& name);

// The window on screen, or nullptr.
Window* current();

// Ends the program at once: every window goes and the event loop stops.
void endProgram();

// Unloads every window (used at start-up of each test case).
void unloadAll();

}  // namespace windows
