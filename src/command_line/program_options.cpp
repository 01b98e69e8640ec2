// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line/program_options.h"

#include "command_line/display_check.h"
#include "command_line/output.h"

#include <QCoreApplication>

#include <cstdio>
#include <utility>

namespace command_line {

QStringList argumentsOf(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments += QString::fromLocal8Bit(argv[i]);
  return arguments;
}

ProgramOptions::ProgramOptions(Program program) : program_(std::move(program)) {
  QCoreApplication::setApplicationVersion(QStringLiteral(TORVAK_VERSION));
  parser_.setApplicationDescription(program_.description);
  parser_.addHelpOption();
  parser_.addVersionOption();
  for (const Argument& argument : program_.arguments) {
    parser_.addPositionalArgument(argument.name, argument.description, argument.syntax);
  }
}

std::optional<int> ProgramOptions::answerInTerminal(const QStringList& arguments) {
  if (!parser_.parse(arguments)) return refuseUsage(parser_.errorText());
  if (program_.mostArguments && parser_.positionalArguments().size() > *program_.mostArguments) {
    return refuseUsage(program_.tooManyArguments);
  }
  const bool version = parser_.isSet(QStringLiteral("version"));
  // No option of Qt's own is taken here, so --help-all has nothing more to add.
  if (version || parser_.isSet(QStringLiteral("help")) ||
      parser_.isSet(QStringLiteral("help-all"))) {
    // The usage line names the command as it is typed, wherever it was
    // started from.
    return answer(version, program_.command);
  }
  return std::nullopt;
}

std::optional<int> ProgramOptions::answerBeforeWindows(int& argc, char* argv[]) {
  // Qt's own options are unknown here: the GUI takes them, and
  // refuseUnknown reports what is still unknown after it.
  parser_.parse(argumentsOf(argc, argv));
  const bool version = parser_.isSet(QStringLiteral("version"));
  if (!version && !parser_.isSet(QStringLiteral("help"))) return std::nullopt;
#ifdef Q_OS_WIN
  // Qt's parser shows the text in a message box when the program has no
  // console. Its version line is the application's name and version.
  QCoreApplication app(argc, argv);
  if (version) {
    QCoreApplication::setApplicationName(versionName());
    parser_.showVersion();
  }
  parser_.showHelp();
#else
  return answer(version, QString::fromLocal8Bit(argv[0]));
#endif
}

QString ProgramOptions::helpText(const QString& name) const {
  QString text = parser_.helpText();
  text.replace(0, text.indexOf(u" [options]"), QStringLiteral("Usage: ") + name);
  return text;
}

QString ProgramOptions::versionName() const {
  return QStringLiteral("%1 (Torvak Utilities)").arg(program_.command);
}

int ProgramOptions::answer(bool version, const QString& name) const {
  const QString text =
      version ? versionName() + QStringLiteral(" " TORVAK_VERSION "\n") : helpText(name);
  return print(text, stdout) ? 0 : kFailed;
}

void ProgramOptions::refuseUnknown(const QCoreApplication& app) { parser_.process(app); }

std::optional<int> ProgramOptions::refuseWithoutDisplay(int argc, char* argv[]) const {
  if (display_check::displayNamed(argc, argv)) return std::nullopt;
  print(QStringLiteral("%1: no display to open its windows on (neither DISPLAY nor "
                       "WAYLAND_DISPLAY is set)\n")
            .arg(program_.command),
        stderr);
  return kFailed;
}

int ProgramOptions::refuseUsage(const QString& why) const {
  print(QStringLiteral("%1: %2\nTry '%1 --help'.\n").arg(program_.command, why), stderr);
  return kBadUsage;
}

}  // namespace command_line
