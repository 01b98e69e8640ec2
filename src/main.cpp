#include "shell/windows.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  startProgram();
  const int status = QApplication::exec();
  windows::unloadAll();
  return status;
}
