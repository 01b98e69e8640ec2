#include "data/gimmick_table_store.h"
#include "framework/window_registry.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // The run's gimmick table: read from data.dat when the menu first loads.
  GimmickTableStore gimmicks;
  startProgram(gimmicks);
  const int status = QApplication::exec();
  WindowRegistry::unloadAll();
  return status;
}
