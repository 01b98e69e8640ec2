// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/table_location.h"

#include "data/gimmick_file.h"
#include "data/table_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace table_location {

void nameApplication() {
  QCoreApplication::setOrganizationName(QString());
  QCoreApplication::setApplicationName(QStringLiteral("Torvak Utilities"));
}

QString programDirectory() { return QCoreApplication::applicationDirPath(); }

QString userTablePath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (folder.isEmpty()) return {};
  return QDir(folder).filePath(QString::fromLatin1(kFileName));
}

Choice chooseTable(const QString& userPath, const QString& programDirectory) {
  if (!userPath.isEmpty() && table_file::isPresent(userPath)) return {userPath, false};
  return {QDir(programDirectory).filePath(QString::fromLatin1(kFileName)), true};
}

ChosenTable readTable(const QString& userPath, const QString& programDirectory) {
  const Choice choice = chooseTable(userPath, programDirectory);
  ChosenTable table{choice.path, {}, {}};
  const auto warn = [&](const QString& clause) {
    table.warnings << QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(choice.path), clause);
  };
  if (choice.createWhenMissing && !table_file::isPresent(choice.path)) {
    if (const QString problem = table_file::createEmpty(choice.path); !problem.isEmpty()) {
      warn(problem + QStringLiteral("; no gimmicks loaded"));
    }
    return table;
  }
  const table_file::Contents contents = table_file::read(choice.path, gimmick_file::kTableBytes);
  if (!contents.opened) {
    warn(contents.problem + QStringLiteral("; no gimmicks loaded"));
  } else if (!contents.problem.isEmpty()) {
    warn(contents.problem + QStringLiteral("; the records read until then are kept"));
  }
  table.bytes = contents.bytes;
  return table;
}

}  // namespace table_location
