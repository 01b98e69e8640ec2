// SPDX-License-Identifier: GPL-3.0-or-later
#include "files.h"

#include "data/table_location.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

QByteArray readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

namespace test_home {

QString useOwnHome(const QTemporaryDir& home) {
#ifdef Q_OS_UNIX
  qputenv("HOME", QFile::encodeName(home.path()));
#else
  Q_UNUSED(home);
#endif
  QStandardPaths::setTestModeEnabled(true);
#ifdef Q_OS_UNIX
  qputenv("XDG_DATA_HOME",
          QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)));
#endif
  table_location::nameApplication();
  return table_location::userTablePath();
}

}  // namespace test_home
