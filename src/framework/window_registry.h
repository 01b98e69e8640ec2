// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>
#include <vector>

class Window;

// Every window of the program, reachable by name. Windows know one another
// only through this: a switch names its target and the registry finds it.
// The start-up code fills it once; it holds each window for the whole run.
class WindowRegistry {
 public:
  WindowRegistry() = delete;

  static void add(std::unique_ptr<Window> window);
  static Window* find(const QString& name);
  // Every window, in the order added, for tools that visit them all.
  static std::vector<Window*> windows();

  // Loads (if needed) and shows the window of that name.
  static void show(const QString& name);

  // The window on screen, or nullptr.
  static Window* current();

  // Ends the program at once: every window goes and the event loop stops.
  static void endProgram();

  // Unloads every window (used at start-up of each test case).
  static void unloadAll();
};
