// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/window_registry.h"

#include "framework/window.h"

#include <QCoreApplication>

#include <vector>

namespace {

std::vector<std::unique_ptr<Window>>& all() {
  static std::vector<std::unique_ptr<Window>> list;
  return list;
}

}  // namespace

void WindowRegistry::add(std::unique_ptr<Window> window) {
  Q_ASSERT(!find(window->name()));
  all().push_back(std::move(window));
}

Window* WindowRegistry::find(const QString& name) {
  for (const auto& w : all()) {
    if (w->name() == name) return w.get();
  }
  return nullptr;
}

std::vector<Window*> WindowRegistry::windows() {
  std::vector<Window*> list;
  for (const auto& w : all()) list.push_back(w.get());
  return list;
}

void WindowRegistry::show(const QString& name) {
  if (Window* w = find(name)) w->show();
}

Window* WindowRegistry::current() {
  for (const auto& w : all()) {
    if (w->isLoaded()) return w.get();
  }
  return nullptr;
}

void WindowRegistry::endProgram() {
  unloadAll();
  QCoreApplication::exit(0);
}

void WindowRegistry::unloadAll() {
  for (const auto& w : all()) w->unload();
}
