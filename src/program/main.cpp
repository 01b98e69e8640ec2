// SPDX-License-Identifier: GPL-3.0-or-later
// torvak-utilities: the toolbox, one window at a time.
#include "command_line/program_options.h"
#include "data/gimmick_table_store.h"
#include "framework/accessibility_bridge_guard.h"
#include "framework/window_registry.h"
#include "program/startup.h"
#include "windows/tournament/tournament_shelf.h"

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
          "offers the same. Only a copy changes the clipboard.\n\n"
          "A bracket saves its tournament with Ctrl+S and opens one with Ctrl+O; Ctrl+Z takes "
          "back its last step (a Win, a Random, Reset, a shuffle, a pasted roster, an opened "
          "file) and Ctrl+Shift+Z or Ctrl+Y does it again. Whatever a bracket holds when it is "
          "left is kept, and \"Reopen last tournament\" in its right-click menu brings it back. "
          "Started with a tournament FILE (a .tournament file), the program opens it in its "
          "bracket."),
      .arguments = {{QStringLiteral("FILE"), QStringLiteral("a tournament file to open"),
                     QStringLiteral("[FILE]")}},
      .mostArguments = 1,
      .tooManyArguments = QStringLiteral("at most one FILE"),
  });
  if (const auto status = options.answerBeforeWindows(argc, argv)) return *status;
  if (const auto status = options.refuseWithoutDisplay(argc, argv)) return *status;

  QApplication app(argc, argv);
  accessibility_bridge_guard::install();
  // Now with Qt's own options taken out: anything left unknown is refused.
  options.refuseUnknown(app);
  if (options.arguments().size() > 1)
    return options.refuseUsage(QStringLiteral("at most one FILE"));

  // The run's gimmick table: read from data.dat when the menu first loads.
  GimmickTableStore gimmicks;
  // What the two brackets share: a tournament handed from one to the other,
  // and the last one each kept.
  TournamentShelf tournaments;
  // Every window, for the whole run; they go before the table and the shelf
  // they use.
  WindowRegistry windows;
  startProgram(windows, gimmicks, tournaments, options.arguments().value(0));
  const int status = QApplication::exec();
  windows.unloadAll();
  return status;
}
