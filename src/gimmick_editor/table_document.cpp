// SPDX-License-Identifier: GPL-3.0-or-later
#include "gimmick_editor/table_document.h"

#include "data/gimmick_file.h"
#include "data/gimmick_record.h"
#include "data/table_file.h"
#include "gimmick_tool/gimmick_export.h"
#include "gimmick_tool/gimmick_source.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace table_document {
namespace {

constexpr qint64 kTableBytes = qint64{gimmick_file::kMaxRecords} * gimmick_file::kRecordSize;

}  // namespace

Opened openData(const QString& path) {
  // One byte past a full table shows whether anything follows it.
  const table_file::Contents contents = table_file::read(path, kTableBytes + 1);
  if (!contents.opened) return {false, {}, contents.problem, {}};
  if (!contents.problem.isEmpty()) return {false, {}, contents.problem, {}};
  Opened result{true, gimmick_file::parse(contents.bytes).table, {}, {}};
  for (const auto& note : gimmick_export::exportText(contents.bytes).differences) {
    result.findings << QStringLiteral("record %1: %2").arg(note.record).arg(note.reason);
  }
  return result;
}

Opened importText(const QString& path) {
  const table_file::Contents contents = table_file::read(path, gimmick_source::kLongestText + 1);
  if (!contents.opened || !contents.problem.isEmpty()) return {false, {}, contents.problem, {}};
  if (contents.bytes.size() > gimmick_source::kLongestText) {
    return {false,
            {},
            QStringLiteral("it is more than %1 bytes; no table's text is that long")
                .arg(gimmick_source::kLongestText),
            {}};
  }
  const gimmick_source::Conversion conversion = gimmick_source::convert(contents.bytes);
  if (!conversion.refusals.empty()) {
    Opened refused{false, {}, QStringLiteral("some of its lines are refused"), {}};
    for (const auto& refusal : conversion.refusals) {
      refused.findings << QStringLiteral("line %1: %2").arg(refusal.line).arg(refusal.reason);
    }
    return refused;
  }
  return {true, gimmick_file::parse(conversion.data).table, {}, {}};
}

QString write(const QString& path, const QByteArray& bytes) {
  const table_file::Inspection look = table_file::inspect(path);
  if (look.kind == table_file::Inspection::Kind::Refused) return look.reason;
  QSaveFile output(path);
  if (!output.open(QIODevice::WriteOnly)) return output.errorString();
  if (output.write(bytes) != bytes.size() || !output.commit()) return output.errorString();
  return {};
}

QString saveData(const GimmickTable& table, const QString& path, bool createFolder) {
  const gimmick_record::TableBytes data = gimmick_record::tableBytes(table);
  if (data.row >= 0) return QStringLiteral("row %1: %2").arg(data.row + 1).arg(data.refusal);
  if (createFolder) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
      return QStringLiteral("could not create the folder %1").arg(QDir::toNativeSeparators(folder));
    }
  }
  return write(path, data.bytes);
}

QString exportText(const GimmickTable& table, const QString& path) {
  const gimmick_record::TableBytes data = gimmick_record::tableBytes(table);
  if (data.row >= 0) return QStringLiteral("row %1: %2").arg(data.row + 1).arg(data.refusal);
  const gimmick_export::Export text = gimmick_export::exportText(data.bytes);
  if (!text.refusals.empty()) {
    const auto& first = text.refusals.front();
    return QStringLiteral("row %1: %2").arg(first.record).arg(first.reason);
  }
  return write(path, text.text);
}

}  // namespace table_document
