// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"
#include "data/gimmick_table_store.h"
#include "display_check.h"
#include "framework/accessibility_bridge_guard.h"
#include "framework/window_registry.h"
#include "startup.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[]) {
  QCoreApplication::setApplicationVersion(QStringLiteral(TORVAK_VERSION));
  QCommandLineParser options;
  command_line::describe(options);
  command_line::answerBeforeWindows(options, argc, argv);
  if (!display_check::displayNamed(argc, argv)) {
    display_check::reportNoDisplay("torvak-utilities");
    return 1;
  }

  QApplication app(argc, argv);
  accessibility_bridge_guard::install();
  // Now with Qt's own options taken out: anything left unknown is refused.
  options.process(app);

  // The run's gimmick table: read from data.dat when the menu first loads.
  GimmickTableStore gimmicks;
  // Every window, for the whole run; they go before the table they read.
  WindowRegistry windows;
  startProgram(windows, gimmicks);
  const int status = QApplication::exec();
  windows.unloadAll();
  return status;
}
