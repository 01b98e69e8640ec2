// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/gimmick_table_store.h"
#include "framework/window_registry.h"
#include "startup.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationVersion(QStringLiteral(TORVAK_VERSION));
  QCommandLineParser options;
  options.setApplicationDescription(QStringLiteral(
      "A toolbox for people who run a wrestling promotion in a booking game: tournament "
      "brackets, match winners, random numbers, segment ratings, wrestler names, finishers "
      "and colour codes, one window at a time."));
  options.addHelpOption();
  options.addVersionOption();
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
