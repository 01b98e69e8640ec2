#include "shell/module1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace Module1 {

gimmick_file::Table gim;
std::int16_t loaded = 0;

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
      qWarning("%s: could not create it (%s); no gimmicks loaded", qUtf8Printable(path),
               qUtf8Printable(created.errorString()));
    }
    return {};
  }
  qWarning("%s: could not open it (%s); no gimmicks loaded", qUtf8Printable(path),
           qUtf8Printable(file.errorString()));
  return {};
}

}  // namespace

void LoadGimmicks() { LoadGimmicksFrom(QCoreApplication::applicationDirPath()); }

void LoadGimmicksFrom(const QString& directory) {
  if (loaded != 0) return;
  loaded = 1;  // before opening: a later menu load never retries

  const QString path = QDir(directory).filePath(QStringLiteral("data.dat"));
  const auto result = gimmick_file::parse(readOrCreate(path), gim);
  for (const auto& problem : result.problems) {
    qWarning("%s: record %d: %s", qUtf8Printable(path), problem.record,
             qUtf8Printable(problem.reason));
  }
}

}  // namespace Module1
