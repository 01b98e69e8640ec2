// SPDX-License-Identifier: GPL-3.0-or-later
#include "gimmick_editor/table_document.h"

#include "data/gimmick_file.h"
#include "data/gimmick_text.h"
#include "data/table_file.h"
#include "data/table_location.h"
#include "gimmick_editor/table_commands.h"

#include <QDir>
#include <QFile>

namespace {

QString rowRefusal(int row, const QString& why) {
  return QStringLiteral("row %1: %2").arg(row).arg(why);
}

}  // namespace

TableDocument::TableDocument(const QString& programDirectory)
    : programDirectory_(programDirectory) {}

TableDocument::Opened TableDocument::openProgramTable() {
  const table_location::Choice choice =
      table_location::chooseTable(table_location::userTablePath(), programDirectory_);
  const Which which = choice.createWhenMissing ? Which::ShippedTable : Which::UserTable;
  if (!table_file::isPresent(choice.path)) {
    model_.setTable({});
    which_ = Which::None;
    path_ = choice.path;
    return {};
  }
  Opened opened = openData(choice.path, which);
  if (!opened.opened) {
    model_.setTable({});
    which_ = which;
    path_ = choice.path;
  }
  return opened;
}

TableDocument::Opened TableDocument::open(const QString& path) {
  return openData(path, Which::OpenedFile);
}

TableDocument::Opened TableDocument::openData(const QString& path, Which which) {
  const table_file::Contents contents = gimmick_file::read(path);
  if (!contents.opened || !contents.problem.isEmpty()) return {false, contents.problem, {}};
  model_.setTable(gimmick_file::parse(contents.bytes).table);
  which_ = which;
  path_ = path;
  Opened opened{true, {}, {}};
  for (const gimmick_file::Note& note : gimmick_file::differences(contents.bytes)) {
    opened.findings << QStringLiteral("record %1: %2").arg(note.record).arg(note.reason);
  }
  return opened;
}

TableDocument::Opened TableDocument::importText(const QString& path) {
  // A window never waits: a named pipe, a device or a folder is refused.
  const gimmick_text::Text text = gimmick_text::read(path, gimmick_text::Reader::Window);
  if (text.tooLong) return {false, QStringLiteral("it is %1").arg(text.problem), {}};
  if (!text.problem.isEmpty()) return {false, text.problem, {}};
  const gimmick_text::Conversion conversion = gimmick_text::convert(text.bytes);
  if (!conversion.refusals.empty()) {
    Opened refused{false, QStringLiteral("some of its lines are refused"), {}};
    for (const auto& refusal : conversion.refusals) {
      refused.findings << QStringLiteral("line %1: %2").arg(refusal.line).arg(refusal.reason);
    }
    return refused;
  }
  model_.replaceTable(gimmick_file::parse(conversion.data).table,
                      QStringLiteral("import %1").arg(QDir::toNativeSeparators(path)));
  return {true, {}, {}};
}

QString TableDocument::exportText(const QString& path) const {
  const gimmick_file::TableBytes data = gimmick_file::tableBytes(model_.table());
  if (data.row >= 0) return rowRefusal(data.row + 1, data.refusal);
  const gimmick_text::Export text = gimmick_text::exportText(data.bytes);
  if (!text.refusals.empty()) {
    return rowRefusal(text.refusals.front().record, text.refusals.front().reason);
  }
  return table_file::write(path, text.text).clause();
}

QString TableDocument::saveTo(const QString& path, Which which) {
  const gimmick_file::TableBytes data = gimmick_file::tableBytes(model_.table());
  if (data.row >= 0) return rowRefusal(data.row + 1, data.refusal);
  const table_file::Folder folder =
      which == Which::UserTable ? table_file::Folder::Create : table_file::Folder::MustExist;
  if (const QString why = table_file::write(path, data.bytes, folder).clause(); !why.isEmpty()) {
    return why;
  }
  undoStack_.setClean();
  which_ = which;
  path_ = path;
  return {};
}

bool TableDocument::hasUserTable() const {
  const QString userPath = table_location::userTablePath();
  return !userPath.isEmpty() && table_file::isPresent(userPath);
}

bool TableDocument::moveUserTableToTrash() {
  return QFile::moveToTrash(table_location::userTablePath());
}

void TableDocument::editField(TableEdits& table, int row, int field, const QString& before,
                              const QString& after) {
  undoStack_.push(new EditFieldCommand(table, row, field, before, after));
}

void TableDocument::insertGimmicks(TableEdits& table, int row, const QList<Gimmick>& gimmicks) {
  undoStack_.push(new InsertRowsCommand(table, row, gimmicks));
}

void TableDocument::removeGimmicks(TableEdits& table, int row, const QList<Gimmick>& gimmicks) {
  undoStack_.push(new RemoveRowsCommand(table, row, gimmicks));
}

void TableDocument::moveGimmick(TableEdits& table, int from, int to) {
  undoStack_.push(new MoveRowCommand(table, from, to));
}

void TableDocument::replaceTable(TableEdits& table, const GimmickTable& before,
                                 const GimmickTable& after, const QString& description) {
  undoStack_.push(new ReplaceTableCommand(table, before, after, description));
}

void TableDocument::forget() { undoStack_.clear(); }
