// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/window_name.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class Window;

// Every window of the program, reachable by name. Windows know one another
// only through this: a switch names its target and the registry finds it.
// The start-up code owns it and fills it once; it holds each window for the
// whole run.
class WindowRegistry : public QObject {
  Q_OBJECT

 public:
  WindowRegistry();
  ~WindowRegistry() override;

  // Takes the window and answers its switches.
  void add(std::unique_ptr<Window> window);
  Window* find(const QString& name) const;
  // Every window, in the order they were added.
  std::vector<Window*> windows() const;

  // Loads (if needed) and shows the window of that name.
  void show(const QString& name);
  void show(WindowName name) { show(QString::fromUtf8(name.name)); }

  // The window on screen, or nullptr.
  Window* current() const;

  // Unloads every window.
  void unloadAll();

 Q_SIGNALS:
  // A window asked for the end of the program; the start-up decides what
  // that means.
  void endRequested();

 private:
  std::vector<std::unique_ptr<Window>> windows_;
};
