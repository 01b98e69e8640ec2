// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/gimmick_table.h"

#include <QList>
#include <QString>

// How an edit of the table goes, as in Qt's Undo Framework: the model
// (gimmick_table_model.h) checks what the user asks for against the data
// file's rules and hands each change that passes to the table's history (the
// document, table_document.h); the history does it through an undo command
// (table_commands.h) and keeps the command, so that it can be undone. The
// command changes the table through the model's raw edits below, and so
// does its undo. The three know each other only through these two classes.

// The model's raw changes to the table, each shown at once to every view.
// Only the undo commands make them, on the edits the model hands over.
class TableEdits {
 public:
  virtual void setField(int row, int field, const QString& value) = 0;
  virtual void insertGimmicks(int row, const QList<Gimmick>& gimmicks) = 0;
  virtual void removeGimmicks(int row, int count) = 0;
  virtual void moveGimmickTo(int from, int to) = 0;
  virtual void setWholeTable(const GimmickTable& table) = 0;

 protected:
  ~TableEdits() = default;
};

// Where the model sends each change the user asked for, already checked:
// done on `table` through a command that can be undone.
class TableHistory {
 public:
  virtual void editField(TableEdits& table, int row, int field, const QString& before,
                         const QString& after) = 0;
  virtual void insertGimmicks(TableEdits& table, int row, const QList<Gimmick>& gimmicks) = 0;
  // `gimmicks` are the rows from `row` on, kept for the undo.
  virtual void removeGimmicks(TableEdits& table, int row, const QList<Gimmick>& gimmicks) = 0;
  virtual void moveGimmick(TableEdits& table, int from, int to) = 0;
  // The whole table at once (an import); `description` names the change.
  virtual void replaceTable(TableEdits& table, const GimmickTable& before,
                            const GimmickTable& after, const QString& description) = 0;
  // A new table: nothing done before it can be undone or redone.
  virtual void forget() = 0;

 protected:
  ~TableHistory() = default;
};

// A field's name as the window shows it: "gimmick", "note on finisher 2".
QString fieldName(int field);
