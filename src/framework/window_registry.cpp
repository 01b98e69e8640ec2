#include "shell/windows.h"

#include "shell/window.h"

#include <QCoreApplication>

#include <vector>

namespace windows {
namespace {

std::vector<std::unique_ptr<Window>>& all() {
  static std::vector<std::unique_ptr<Window>> list;
  return list;
}

}  // namespace

void add(std::unique_ptr<Window> window) {
  Q_ASSERT(!find(window->name()));
  all().push_back(std::move(window));
}

Window* find(const QString& name) {
  for (const auto& w : all()) {
    if (w->name() == name) return w.get();
  }
  return nullptr;
}

void show(const QString& name) {
  if (Window* w = find(name)) w->show();
}

Window* current() {
  for (const auto& w : all()) {
    if (w->isLoaded()) return w.get();
  }
  return nullptr;
}

void endProgram() {
  unloadAll();
  QCoreApplication::exit(0);
}

void unloadAll() {
  for (const auto& w : all()) w->unload();
}

}  // namespace windows
