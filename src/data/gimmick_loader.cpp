#include "data/gimmick_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

Q_LOGGING_CATEGORY(gimmickData, "torvak.data")

namespace {

// A missing file is created empty; an existing one is only ever read, so a
// read-only data.dat loads as well as any other.
QByteArray readOrCreate(const QString& path) {
  QFile file(path);
  if (file.open(QIODevice::ReadOnly)) {
    return file.read(qint64{gimmick_file::kMaxRecords} * gimmick_file::kRecordSize);
  }
  if (!file.exists()) {
    // NewOnly: should the file appear meanwhile, it is left untouched.
    QFile created(path);
    if (!created.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
      qCWarning(gimmickData, "%s: could not create it (%s); no gimmicks loaded",
                qUtf8Printable(path), qUtf8Printable(created.errorString()));
    }
    return {};
  }
  qCWarning(gimmickData, "%s: could not open it (%s); no gimmicks loaded", qUtf8Printable(path),
            qUtf8Printable(file.errorString()));
  return {};
}

}  // namespace

QString gimmickDataDirectory() { return QCoreApplication::applicationDirPath(); }

GimmickTable loadGimmickTable(const QString& directory) {
  const QString path = QDir(directory).filePath(QStringLiteral("data.dat"));
  GimmickTable table;
  const auto result = gimmick_file::parse(readOrCreate(path), table);
  for (const auto& problem : result.problems) {
    qCWarning(gimmickData, "%s: record %d: %s", qUtf8Printable(path), problem.record,
              qUtf8Printable(problem.reason));
  }
  return table;
}
