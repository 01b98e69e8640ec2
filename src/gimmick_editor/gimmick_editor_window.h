// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gimmick_editor/table_document.h"

#include <QMainWindow>
#include <QSortFilterProxyModel>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableView;

// The Gimmick Table Editor's window: the table the program reads, its rows
// edited in place under the data file's rules. The window builds the actions
// and shows the state; the document (table_document.h) owns the table, its
// file, its history of changes and its saved state. Save writes the user's
// own table, the one the program reads first.
class GimmickEditorWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `programDirectory` holds the shipped table, beside the program.
  explicit GimmickEditorWindow(const QString& programDirectory, QWidget* parent = nullptr);

  GimmickTableModel& model() { return document_.model(); }

  // What each menu entry does once its file is chosen.
  void openProgramTable();
  bool openFile(const QString& path);
  bool importText(const QString& path);
  bool exportText(const QString& path);
  bool save();
  bool saveAs(const QString& path);
  void backToShippedTable();
  void tryIt();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QAction* makeAction(const char* name, const QString& text, const QKeySequence& keys);
  void buildActions();
  void buildMenus();
  void buildCentralWidget();
  bool showOpened(const TableDocument::Opened& opened, const QString& path);
  // What Save and Save As both do once the file is known.
  bool saveFile(const QString& path, TableDocument::Which which);
  void say(const QString& message);
  void showSource();
  void showFindings(const QString& heading, const QStringList& findings);
  // Asks what to do with unsaved changes; false when the user keeps editing.
  bool maybeSave();
  void commitOpenEdit();
  void keepCurrentCell();
  int currentRow() const;
  void selectRow(int row, int column = 0);
  void addRow();
  void insertRow();
  void deleteRow();
  void moveRow(int offset);

  TableDocument document_;
  QSortFilterProxyModel filter_;
  QLabel* source_ = nullptr;
  QLineEdit* nameFilter_ = nullptr;
  QTableView* view_ = nullptr;
  QLabel* message_ = nullptr;
  QPlainTextEdit* findings_ = nullptr;
  QLineEdit* triedFinisher_ = nullptr;
  QLineEdit* triedNote_ = nullptr;
  QList<QAction*> fileActions_;
  QList<QAction*> rowActions_;
};
