// SPDX-License-Identifier: GPL-3.0-or-later
#include "gimmick_editor/table_commands.h"

#include "gimmick_editor/gimmick_table_model.h"

#include <utility>

namespace {

// "add row 3", "delete rows 3 to 5".
QString rowsText(const QString& what, int row, qsizetype count) {
  if (count == 1) return QStringLiteral("%1 row %2").arg(what).arg(row + 1);
  return QStringLiteral("%1 rows %2 to %3").arg(what).arg(row + 1).arg(row + count);
}

}  // namespace

EditFieldCommand::EditFieldCommand(GimmickTableModel& model, int row, int field, QString before,
                                   QString after)
    : QUndoCommand(
          QStringLiteral("edit row %1, %2").arg(row + 1).arg(GimmickTableModel::fieldName(field))),
      model_(model),
      row_(row),
      field_(field),
      before_(std::move(before)),
      after_(std::move(after)) {}

void EditFieldCommand::redo() { model_.applyField(row_, field_, after_); }

void EditFieldCommand::undo() { model_.applyField(row_, field_, before_); }

InsertRowsCommand::InsertRowsCommand(GimmickTableModel& model, int row, QList<Gimmick> gimmicks)
    : QUndoCommand(rowsText(QStringLiteral("add"), row, gimmicks.size())),
      model_(model),
      row_(row),
      gimmicks_(std::move(gimmicks)) {}

void InsertRowsCommand::redo() { model_.applyInsert(row_, gimmicks_); }

void InsertRowsCommand::undo() { model_.applyRemove(row_, static_cast<int>(gimmicks_.size())); }

RemoveRowsCommand::RemoveRowsCommand(GimmickTableModel& model, int row, QList<Gimmick> gimmicks)
    : QUndoCommand(rowsText(QStringLiteral("delete"), row, gimmicks.size())),
      model_(model),
      row_(row),
      gimmicks_(std::move(gimmicks)) {}

void RemoveRowsCommand::redo() { model_.applyRemove(row_, static_cast<int>(gimmicks_.size())); }

void RemoveRowsCommand::undo() { model_.applyInsert(row_, gimmicks_); }

MoveRowCommand::MoveRowCommand(GimmickTableModel& model, int from, int to)
    : QUndoCommand(QStringLiteral("move row %1 to %2").arg(from + 1).arg(to + 1)),
      model_(model),
      from_(from),
      to_(to) {}

void MoveRowCommand::redo() { model_.applyMove(from_, to_); }

void MoveRowCommand::undo() { model_.applyMove(to_, from_); }

ReplaceTableCommand::ReplaceTableCommand(GimmickTableModel& model, GimmickTable before,
                                         GimmickTable after, const QString& description)
    : QUndoCommand(description),
      model_(model),
      before_(std::move(before)),
      after_(std::move(after)) {}

void ReplaceTableCommand::redo() { model_.applyTable(after_); }

void ReplaceTableCommand::undo() { model_.applyTable(before_); }
