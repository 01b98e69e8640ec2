// SPDX-License-Identifier: GPL-3.0-or-later
// torvak-gimmick-editor: the gimmick table in a window.
//   torvak-gimmick-editor [FILE]
#include "command_line/program_options.h"
#include "data/table_location.h"
#include "framework/accessibility_bridge_guard.h"
#include "gimmick_editor/gimmick_editor_window.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
  command_line::ProgramOptions options({
      .command = QStringLiteral("torvak-gimmick-editor"),
      .description = QStringLiteral(
          "Edits the gimmick table of Torvak Utilities in a window. It opens the table the "
          "program reads (your own if there is one, otherwise the shipped one) or FILE, refuses "
          "what the program could not read, and saves to your own table, which the program "
          "reads first."),
      .arguments = {{QStringLiteral("FILE"), QStringLiteral("a data file to open"),
                     QStringLiteral("[FILE]")}},
      .mostArguments = 1,
      .tooManyArguments = QStringLiteral("at most one FILE"),
  });
  // Answered before there is any application object, so that --help and
  // --version answer where no display can be opened.
  if (const auto status = options.answerInTerminal(command_line::argumentsOf(argc, argv))) {
    return *status;
  }
  if (const auto status = options.refuseWithoutDisplay(argc, argv)) return *status;

  QApplication app(argc, argv);
  accessibility_bridge_guard::install();
  // The program's own name, so the user's own table is the one it reads.
  table_location::nameApplication();
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/torvak-gimmick-editor.png")));

  GimmickEditorWindow window(QCoreApplication::applicationDirPath());
  window.openProgramTable();
  const QString file = options.arguments().value(0);
  if (!file.isEmpty()) window.openFile(file);
  window.show();
  return QApplication::exec();
}
