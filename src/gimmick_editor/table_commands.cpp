// SPDX-License-Identifier: GPL-3.0-or-later
#include "gimmick_editor/table_commands.h"

#include <utility>

namespace {

// "add row 3", "delete rows 3 to 5".
QString rowsText(const QString& what, int row, qsizetype count) {
  if (count == 1) return QStringLiteral("%1 row %2").arg(what).arg(row + 1);
  return QStringLiteral("%1 rows %2 to %3").arg(what).arg(row + 1).arg(row + count);
}

}  // namespace

EditFieldCommand::EditFieldCommand(TableEdits& table, int row, int field, QString before,
                                   QString after)
    : QUndoCommand(QStringLiteral("edit row %1, %2").arg(row + 1).arg(fieldName(field))),
      table_(table),
      row_(row),
      field_(field),
      before_(std::move(before)),
      after_(std::move(after)) {}

void EditFieldCommand::redo() { table_.setField(row_, field_, after_); }

void EditFieldCommand::undo() { table_.setField(row_, field_, before_); }

InsertRowsCommand::InsertRowsCommand(TableEdits& table, int row, QList<Gimmick> gimmicks)
    : QUndoCommand(rowsText(QStringLiteral("add"), row, gimmicks.size())),
      table_(table),
      row_(row),
      gimmicks_(std::move(gimmicks)) {}

void InsertRowsCommand::redo() { table_.insertGimmicks(row_, gimmicks_); }

void InsertRowsCommand::undo() { table_.removeGimmicks(row_, static_cast<int>(gimmicks_.size())); }

RemoveRowsCommand::RemoveRowsCommand(TableEdits& table, int row, QList<Gimmick> gimmicks)
    : QUndoCommand(rowsText(QStringLiteral("delete"), row, gimmicks.size())),
      table_(table),
      row_(row),
      gimmicks_(std::move(gimmicks)) {}

void RemoveRowsCommand::redo() { table_.removeGimmicks(row_, static_cast<int>(gimmicks_.size())); }

void RemoveRowsCommand::undo() { table_.insertGimmicks(row_, gimmicks_); }

MoveRowCommand::MoveRowCommand(TableEdits& table, int from, int to)
    : QUndoCommand(QStringLiteral("move row %1 to %2").arg(from + 1).arg(to + 1)),
      table_(table),
      from_(from),
      to_(to) {}

void MoveRowCommand::redo() { table_.moveGimmickTo(from_, to_); }

void MoveRowCommand::undo() { table_.moveGimmickTo(to_, from_); }

ReplaceTableCommand::ReplaceTableCommand(TableEdits& table, GimmickTable before, GimmickTable after,
                                         const QString& description)
    : QUndoCommand(description),
      table_(table),
      before_(std::move(before)),
      after_(std::move(after)) {}

void ReplaceTableCommand::redo() { table_.setWholeTable(after_); }

void ReplaceTableCommand::undo() { table_.setWholeTable(before_); }
