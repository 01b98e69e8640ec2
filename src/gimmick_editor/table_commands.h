// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/gimmick_table.h"
#include "gimmick_editor/table_edits.h"

#include <QList>
#include <QUndoCommand>

// One class per thing done to the table being edited, each done and undone
// through the model's raw edits (table_edits.h). The document pushes them on
// the table's undo stack; their texts follow "Undo" and "Redo" in the Edit
// menu.

// One field's new text.
class EditFieldCommand : public QUndoCommand {
 public:
  EditFieldCommand(TableEdits& table, int row, int field, QString before, QString after);
  void redo() override;
  void undo() override;

 private:
  TableEdits& table_;
  int row_;
  int field_;
  QString before_;
  QString after_;
};

// Gimmicks put in at `row`.
class InsertRowsCommand : public QUndoCommand {
 public:
  InsertRowsCommand(TableEdits& table, int row, QList<Gimmick> gimmicks);
  void redo() override;
  void undo() override;

 private:
  TableEdits& table_;
  int row_;
  QList<Gimmick> gimmicks_;
};

// Gimmicks taken out from `row` on, kept so that an undo puts them back.
class RemoveRowsCommand : public QUndoCommand {
 public:
  RemoveRowsCommand(TableEdits& table, int row, QList<Gimmick> gimmicks);
  void redo() override;
  void undo() override;

 private:
  TableEdits& table_;
  int row_;
  QList<Gimmick> gimmicks_;
};

// One gimmick moved from row `from` to row `to`.
class MoveRowCommand : public QUndoCommand {
 public:
  MoveRowCommand(TableEdits& table, int from, int to);
  void redo() override;
  void undo() override;

 private:
  TableEdits& table_;
  int from_;
  int to_;
};

// The whole table replaced at once (an import).
class ReplaceTableCommand : public QUndoCommand {
 public:
  ReplaceTableCommand(TableEdits& table, GimmickTable before, GimmickTable after,
                      const QString& description);
  void redo() override;
  void undo() override;

 private:
  TableEdits& table_;
  GimmickTable before_;
  GimmickTable after_;
};
