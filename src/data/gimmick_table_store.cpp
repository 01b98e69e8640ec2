// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/gimmick_table_store.h"

#include "data/gimmick_file.h"
#include "data/table_location.h"

#include <QDir>

#include <utility>

Q_LOGGING_CATEGORY(gimmickData, "torvak.data")

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

GimmickTableStore::GimmickTableStore()
    : GimmickTableStore([] {
        return loadGimmickTable(table_location::userTablePath(),
                                table_location::programDirectory());
      }) {}

GimmickTableStore::GimmickTableStore(Loader loader) : loader_(std::move(loader)) {}

void GimmickTableStore::loadOnce() {
  if (loaded_) return;
  loaded_ = true;  // before loading: a failed load is not retried either
  table_ = loader_();
}
