// SPDX-License-Identifier: GPL-3.0-or-later
// torvak-utilities: the toolbox, one window at a time.
#include "command_line/program_options.h"
#include "data/gimmick_table_store.h"
#include "framework/accessibility_bridge_guard.h"
#include "framework/window_registry.h"
#include "program/startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  command_line::ProgramOptions options({
      .command = QStringLiteral("torvak-utilities"),
      .description = QStringLiteral(
          "A toolbox for people who run a wrestling promotion in a booking game: tournament "
          "brackets, match winners, random numbers, segment ratings, wrestler names, finishers "
          "and colour codes, one window at a time.\n\n"
          "In every tool window, Ctrl+Shift+C copies the result as text and Ctrl+Shift+P as a "
          "picture of the window; in a bracket, Ctrl+Shift+S shuffles the entrants, and a list of "
          "names pasted into a first-round box fills that box and the ones after it. A right-click "
          "offers the same. Only a copy changes the clipboard."),
  });
  if (const auto status = options.answerBeforeWindows(argc, argv)) return *status;
  if (const auto status = options.refuseWithoutDisplay(argc, argv)) return *status;

  QApplication app(argc, argv);
  accessibility_bridge_guard::install();
  // Now with Qt's own options taken out: anything left unknown is refused.
  options.refuseUnknown(app);

  // The run's gimmick table: read from data.dat when the menu first loads.
  GimmickTableStore gimmicks;
  // Every window, for the whole run; they go before the table they read.
  WindowRegistry windows;
  startProgram(windows, gimmicks);
  const int status = QApplication::exec();
  windows.unloadAll();
  return status;
}
