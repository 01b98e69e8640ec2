// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the gimmick table editor in use to a PNG file:
//   torvak-editor-screenshot FILE
// Part of the test build, not of the program (the user guide's picture,
// docs/screenshots/gimmick-editor.png; docs/developing.md says how to render it).
#include "data/table_location.h"
#include "gimmick_editor/gimmick_editor_window.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fputs("usage: torvak-editor-screenshot FILE\n", stderr);
    return 2;
  }
  // Never the real user's own table: the picture shows the shipped one.
  QStandardPaths::setTestModeEnabled(true);
  table_location::nameApplication();

  GimmickEditorWindow window(QStringLiteral(TORVAK_DATA_DIR));
  window.openProgramTable();
  // The paths an installed program shows, not the build tree's.
  window.findChild<QLabel*>(QStringLiteral("tableSource"))
      ->setText(QStringLiteral(
          "The shipped table: /usr/lib/torvak-utilities/data.dat\n"
          "Save writes your own table: /home/sam/.local/share/Torvak Utilities/data.dat"));
  window.show();
  static_cast<void>(QTest::qWaitForWindowExposed(&window));

  // A player renames a gimmick, tries a comma where none may go, and tries
  // the gimmick's finishers.
  auto* view = window.findChild<QTableView*>(QStringLiteral("gimmickTable"));
  GimmickTableModel& model = window.model();
  model.setData(model.index(2, 0), QStringLiteral("Sky Pirate"), Qt::EditRole);
  model.setData(model.index(5, 0), QStringLiteral("Sky Pirate"), Qt::EditRole);
  view->setCurrentIndex(view->model()->index(2, 0));
  window.findChild<QAction*>(QStringLiteral("actionTryIt"))->trigger();
  model.setData(model.index(2, 1), QStringLiteral("Plank,Walk"), Qt::EditRole);

  if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "could not write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
