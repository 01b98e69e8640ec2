// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

namespace command_line {

void describe(QCommandLineParser& options) {
  options.setApplicationDescription(QStringLiteral(
      "A toolbox for people who run a wrestling promotion in a booking game: tournament "
      "brackets, match winners, random numbers, segment ratings, wrestler names, finishers "
      "and colour codes, one window at a time.\n\n"
      "In every tool window, Ctrl+Shift+C copies the result as text and Ctrl+Shift+P as a "
      "picture of the window; in a bracket, Ctrl+Shift+S shuffles the entrants, and a list of "
      "names pasted into a first-round box fills that box and the ones after it. A right-click "
      "offers the same. Only a copy changes the clipboard."));
  options.addHelpOption();
  options.addVersionOption();
}

void answerBeforeWindows(QCommandLineParser& options, int& argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments += QString::fromLocal8Bit(argv[i]);
  // Qt's own options (-platform, -style, ...) are unknown here: the GUI
  // takes them, and the reading after it reports what is still unknown.
  options.parse(arguments);
  const bool version = options.isSet(QStringLiteral("version"));
  if (!version && !options.isSet(QStringLiteral("help"))) return;
  // Printing needs an application object, but only Qt's core: the usage line
  // names the executable, and a Windows program without a console shows the
  // text in a message box, as it did when the GUI had started first.
  QCoreApplication app(argc, argv);
  if (version) options.showVersion();
  options.showHelp();
}
}  // namespace command_line
