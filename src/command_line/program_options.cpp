// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line/program_options.h"

#include "command_line/display_check.h"

#include <QByteArray>
#include <QCoreApplication>

#include <cstdio>
#include <utility>

namespace command_line {
namespace {

bool print(const QString& text, FILE* stream) {
  const QByteArray bytes = text.toUtf8();
  return std::fwrite(bytes.constData(), 1, bytes.size(), stream) ==
             static_cast<size_t>(bytes.size()) &&
         std::fflush(stream) == 0;
}

}  // namespace

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
  const auto answered = [](bool printed) { return printed ? 0 : kFailed; };
  if (parser_.isSet(QStringLiteral("version"))) {
    return answered(print(QStringLiteral("%1 (Torvak Utilities) %2\n")
                              .arg(program_.command, QStringLiteral(TORVAK_VERSION)),
                          stdout));
  }
  // No option of Qt's own is taken here, so --help-all has nothing more to add.
  if (parser_.isSet(QStringLiteral("help")) || parser_.isSet(QStringLiteral("help-all"))) {
    return answered(print(helpText(), stdout));
  }
  return std::nullopt;
}

// The usage line names the command as it is typed, wherever it was started
// from, where Qt's names the path the program was started by.
QString ProgramOptions::helpText() const {
  QString text = parser_.helpText();
  text.replace(0, text.indexOf(u" [options]"), QStringLiteral("Usage: ") + program_.command);
  return text;
}

void ProgramOptions::answerBeforeWindows(int& argc, char* argv[]) {
  // Qt's own options are unknown here: the GUI takes them, and
  // refuseUnknown reports what is still unknown after it.
  parser_.parse(argumentsOf(argc, argv));
  const bool version = parser_.isSet(QStringLiteral("version"));
  if (!version && !parser_.isSet(QStringLiteral("help"))) return;
  // Printing needs an application object, but only Qt's core: the usage line
  // names the executable, and a Windows program without a console shows the
  // text in a message box, as it did when the GUI had started first.
  QCoreApplication app(argc, argv);
  if (version) parser_.showVersion();
  parser_.showHelp();
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
