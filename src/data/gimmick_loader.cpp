// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/gimmick_loader.h"

#include "data/gimmick_file.h"
#include "data/table_location.h"

#include <QCoreApplication>
#include <QDir>

#include <utility>

Q_LOGGING_CATEGORY(gimmickData, "torvak.data")

QString gimmickDataDirectory() { return QCoreApplication::applicationDirPath(); }

GimmickTable loadGimmickTable(const QString& userPath, const QString& directory) {
  const table_location::ChosenTable chosen = table_location::readTable(userPath, directory);
  for (const QString& warning : chosen.warnings) {
    qCWarning(gimmickData, "%s", qUtf8Printable(warning));
  }
  auto result = gimmick_file::parse(chosen.bytes);
  for (const auto& problem : result.problems) {
    qCWarning(gimmickData, "%s: record %d: %s",
              qUtf8Printable(QDir::toNativeSeparators(chosen.path)), problem.record,
              qUtf8Printable(problem.reason));
  }
  return std::move(result.table);
}

GimmickTable loadGimmickTable(const QString& directory) { return loadGimmickTable({}, directory); }
