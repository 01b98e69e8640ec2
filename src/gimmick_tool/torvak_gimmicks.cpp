// SPDX-License-Identifier: GPL-3.0-or-later
// torvak-gimmicks: the gimmick table as editable text and back.
//   torvak-gimmicks export [FILE]
//   torvak-gimmicks build TEXT [FILE]      (TEXT may be - for standard input)
// Exit status 0 on success, 1 on refused input, 2 on bad usage.
#include "command_line/output.h"
#include "command_line/program_options.h"
#include "data/gimmick_file.h"
#include "data/gimmick_text.h"
#include "data/table_file.h"
#include "data/table_location.h"

#include <QCoreApplication>

#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr int kDone = 0;
constexpr int kRefused = 1;

using command_line::print;
using command_line::shown;

void report(const QString& message) { print(message + u'\n', stderr); }

// A table is exported from the file the program would read when none is
// named, and that file is never created here.
int exportTable(const QString& named) {
  QString path = named;
  if (path.isEmpty()) {
    const QString userPath = table_location::userTablePath();
    const auto choice = table_location::chooseTable(userPath, table_location::programDirectory());
    if (!table_file::isPresent(choice.path)) {
      report(QStringLiteral("torvak-gimmicks: no gimmick table at %1 nor at %2")
                 .arg(shown(userPath), shown(choice.path)));
      return kRefused;
    }
    path = choice.path;
  }
  const table_file::Contents contents = gimmick_file::read(path);
  if (!contents.problem.isEmpty()) {
    report(QStringLiteral("%1: %2").arg(shown(path), contents.problem));
    return kRefused;
  }
  const gimmick_text::Export result = gimmick_text::exportText(contents.bytes);
  for (const auto& refusal : result.refusals) {
    report(QStringLiteral("%1: record %2: %3")
               .arg(shown(path))
               .arg(refusal.record)
               .arg(refusal.reason));
  }
  if (!result.refusals.empty()) return kRefused;
  for (const auto& note : result.differences) {
    report(QStringLiteral("%1: record %2: %3").arg(shown(path)).arg(note.record).arg(note.reason));
  }
  if (!print(result.text)) {
    report(QStringLiteral("torvak-gimmicks: could not write the text"));
    return kRefused;
  }
  return kDone;
}

// The text comes from whatever a shell hands over (gimmick_text::Reader).
int buildTable(const QString& textPath, const QString& named) {
  const gimmick_text::Text text = gimmick_text::read(textPath, gimmick_text::Reader::CommandLine);
  if (!text.problem.isEmpty()) {
    report(QStringLiteral("%1: %2").arg(textPath, text.problem));
    return kRefused;
  }
  const gimmick_text::Conversion conversion = gimmick_text::convert(text.bytes);
  for (const auto& refusal : conversion.refusals) {
    report(QStringLiteral("%1:%2: %3").arg(textPath).arg(refusal.line).arg(refusal.reason));
  }
  if (!conversion.refusals.empty()) return kRefused;

  QString path = named;
  if (path.isEmpty()) {
    path = table_location::userTablePath();
    if (path.isEmpty()) {
      report(
          QStringLiteral("torvak-gimmicks: this system has no per-user data folder; "
                         "name the FILE to write"));
      return kRefused;
    }
  }
  // Written whole or not at all, and only over a file or a link to one; the
  // user's own folder is made when missing.
  const table_file::Written written = table_file::write(
      path, conversion.data,
      named.isEmpty() ? table_file::Folder::Create : table_file::Folder::MustExist);
  if (written.failure != table_file::Written::Failure::None) {
    report(written.line(path));
    return kRefused;
  }
  if (named.isEmpty() && !print(shown(path).toUtf8() + '\n')) return kRefused;
  return kDone;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  table_location::nameApplication();
#ifdef Q_OS_WIN
  // The exported text is the same bytes on every system: no carriage
  // return is added before each line feed, and none is taken out of a text
  // read from standard input.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stdin), _O_BINARY);
#endif

  command_line::ProgramOptions options({
      .command = QStringLiteral("torvak-gimmicks"),
      .description = QStringLiteral(
          "Turns the gimmick table of Torvak Utilities into editable text and back.\n"
          "\n"
          "Commands:\n"
          "  export [FILE]      Print the data file FILE as text: UTF-8, one gimmick a\n"
          "                     line, seven comma-separated fields (gimmick, finisher 1\n"
          "                     to 3, note 1 to 3), in record order. Without FILE, the\n"
          "                     table the program would read: the user's own if there is\n"
          "                     one, otherwise the one beside the program.\n"
          "  build TEXT [FILE]  Write a data file from the text in TEXT, whole or not at\n"
          "                     all. A refused line is reported as TEXT:LINE: reason.\n"
          "                     Without FILE, into the user's own table, creating its\n"
          "                     folder, and print the path written (on Linux\n"
          "                     ~/.local/share/Torvak Utilities/data.dat).\n"
          "\n"
          "TEXT is read as any command reads what it is handed: a file, a named pipe\n"
          "such as <(command) in a shell, or - for standard input (./- for a file named\n"
          "-). A data FILE is read only from a file or a link to one, as the program\n"
          "reads it.\n"
          "\n"
          "Exit status: 0 on success, 1 on refused input, 2 on bad usage."),
      .arguments = {{QStringLiteral("command"), QStringLiteral("export or build"),
                     QStringLiteral("command [arguments]")}},
  });
  if (const auto status = options.answerInTerminal(QCoreApplication::arguments())) return *status;

  const QStringList arguments = options.arguments();
  if (arguments.contains(QString()))
    return options.refuseUsage(QStringLiteral("an argument is empty"));
  const QString command = arguments.value(0);
  if (command == QLatin1String("export")) {
    if (arguments.size() > 2) {
      return options.refuseUsage(QStringLiteral("export takes at most one FILE"));
    }
    return exportTable(arguments.value(1));
  }
  if (command == QLatin1String("build")) {
    if (arguments.size() < 2)
      return options.refuseUsage(QStringLiteral("build needs the TEXT to read"));
    if (arguments.size() > 3)
      return options.refuseUsage(QStringLiteral("build takes TEXT and one FILE"));
    return buildTable(arguments.value(1), arguments.value(2));
  }
  if (command.isEmpty()) return options.refuseUsage(QStringLiteral("no command given"));
  return options.refuseUsage(QStringLiteral("unknown command '%1'").arg(command));
}
