// SPDX-License-Identifier: GPL-3.0-or-later
// torvak-gimmick-editor: the gimmick table in a window.
//   torvak-gimmick-editor [FILE]
#include "data/table_location.h"
#include "display_check.h"
#include "framework/accessibility_bridge_guard.h"
#include "gimmick_editor/gimmick_editor_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <cstdio>
#include <optional>

namespace {

constexpr int kBadUsage = 2;

// The options are read before there is any application object, so --help
// and --version answer where no display can be opened.
std::optional<int> answerOptions(int argc, char* argv[], QString& file) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Edits the gimmick table of Torvak Utilities in a window. It opens the table the program "
      "reads (your own if there is one, otherwise the shipped one) or FILE, refuses what the "
      "program could not read, and saves to your own table, which the program reads first."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("a data file to open"),
                               QStringLiteral("[FILE]"));
  const auto print = [](const QString& text, FILE* stream) {
    std::fputs(qUtf8Printable(text), stream);
    std::fflush(stream);
  };
  if (!parser.parse(arguments) || parser.positionalArguments().size() > 1) {
    const QString why =
        parser.errorText().isEmpty() ? QStringLiteral("at most one FILE") : parser.errorText();
    print(
        QStringLiteral("torvak-gimmick-editor: %1\nTry 'torvak-gimmick-editor --help'.\n").arg(why),
        stderr);
    return kBadUsage;
  }
  if (parser.isSet(version)) {
    print(QStringLiteral("torvak-gimmick-editor (Torvak Utilities) " TORVAK_VERSION "\n"), stdout);
    return 0;
  }
  if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
    QString text = parser.helpText();
    text.replace(0, text.indexOf(u' ', 7), QStringLiteral("Usage: torvak-gimmick-editor"));
    print(text, stdout);
    return 0;
  }
  file = parser.positionalArguments().value(0);
  return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
  QString file;
  if (const std::optional<int> status = answerOptions(argc, argv, file)) return *status;
  if (!display_check::displayNamed(argc, argv)) {
    display_check::reportNoDisplay("torvak-gimmick-editor");
    return 1;
  }

  QApplication app(argc, argv);
  accessibility_bridge_guard::install();
  // The program's own name, so the user's own table is the one it reads.
  table_location::nameApplication();
  QApplication::setApplicationVersion(QStringLiteral(TORVAK_VERSION));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/torvak-gimmick-editor.png")));

  GimmickEditorWindow window(QCoreApplication::applicationDirPath());
  window.openProgramTable();
  if (!file.isEmpty()) window.openFile(file);
  window.show();
  return QApplication::exec();
}
