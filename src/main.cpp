#include "shell/windows.h"
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

  startProgram();
  const int status = QApplication::exec();
  windows::unloadAll();
  return status;
}
