// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/table_location.h"

#include "data/table_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace table_location {

void nameApplication() {
  QCoreApplication::setOrganizationName(QString());
  QCoreApplication::setApplicationName(QStringLiteral("Torvak Utilities"));
}

QString userTablePath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (folder.isEmpty()) return {};
  return QDir(folder).filePath(QString::fromLatin1(kFileName));
}

Choice chooseTable(const QString& userPath, const QString& programDirectory) {
  if (!userPath.isEmpty() && table_file::isPresent(userPath)) return {userPath, false};
  return {QDir(programDirectory).filePath(QString::fromLatin1(kFileName)), true};
}

}  // namespace table_location
