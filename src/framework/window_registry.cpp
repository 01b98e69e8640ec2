// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/window_registry.h"

#include "framework/window.h"

WindowRegistry::WindowRegistry() = default;
WindowRegistry::~WindowRegistry() = default;

void WindowRegistry::add(std::unique_ptr<Window> window) {
  Q_ASSERT(!find(window->name()));
  Window* w = window.get();
  connect(w, &Window::switchRequested, this, [this, w](const QString& target) {
    if (!find(target)) return;  // a route to a window this build lacks
    w->unload();
    show(target);
  });
  connect(w, &Window::endRequested, this, &WindowRegistry::endRequested);
  windows_.push_back(std::move(window));
}

Window* WindowRegistry::find(const QString& name) const {
  for (const auto& w : windows_) {
    if (w->name() == name) return w.get();
  }
  return nullptr;
}

std::vector<Window*> WindowRegistry::windows() const {
  std::vector<Window*> all;
  for (const auto& w : windows_) all.push_back(w.get());
  return all;
}

void WindowRegistry::show(const QString& name) {
  if (Window* w = find(name)) w->show();
}

Window* WindowRegistry::current() const {
  for (const auto& w : windows_) {
    if (w->isLoaded()) return w.get();
  }
  return nullptr;
}

void WindowRegistry::unloadAll() {
  for (const auto& w : windows_) w->unload();
}
