// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/table_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace table_file {
namespace {

// More links in a row than any system follows is a loop, whatever the path.
constexpr int kMaxLinks = 40;

QString refusal(const QString& what) { return QStringLiteral("it is %1, not a file").arg(what); }

// A link that does not exist as a file or folder: where does it go wrong?
QString brokenLink(const QString& path) {
  QSet<QString> seen;
  QFileInfo link(path);
  for (int hop = 0; hop < kMaxLinks && link.isSymLink(); ++hop) {
    const QString target = QDir::cleanPath(link.symLinkTarget());
    if (seen.contains(target)) break;
    seen.insert(target);
    link = QFileInfo(target);
    if (!link.isSymLink()) return QStringLiteral("it is a link that leads nowhere");
  }
  return QStringLiteral("it is a link that leads round in a loop");
}

#ifdef Q_OS_UNIX
// Qt tells only "not a file or folder"; the warning names what it is.
QString describeMode(mode_t mode) {
  if (S_ISFIFO(mode)) return refusal(QStringLiteral("a named pipe"));
  if (S_ISSOCK(mode)) return refusal(QStringLiteral("a socket"));
  if (S_ISCHR(mode) || S_ISBLK(mode)) return refusal(QStringLiteral("a device"));
  if (S_ISDIR(mode)) return refusal(QStringLiteral("a directory"));
  return refusal(QStringLiteral("not a regular file"));
}

QString describeSpecial(const QString& path) {
  struct stat status {};
  if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
    return refusal(QStringLiteral("not a regular file"));
  }
  return describeMode(status.st_mode);
}

// The one place Qt does not cover: between the look and the open, the file
// may be swapped for a pipe. Opened without waiting, the descriptor is
// checked itself, and only a regular file is handed on.
QString openReadOnly(const QString& path, QFile& file) {
  const int fd =
      ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    return QStringLiteral("could not open it (%1)").arg(qt_error_string(errno));
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    const QString why = describeMode(status.st_mode);
    ::close(fd);
    return why;
  }
  if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return QStringLiteral("could not open it (%1)").arg(file.errorString());
  }
  return {};
}
#else
QString describeSpecial(const QString&) { return refusal(QStringLiteral("not a regular file")); }

// A file another program holds open without sharing, or one the user may
// not read, fails here like any other that cannot be opened.
QString openReadOnly(const QString& path, QFile& file) {
  file.setFileName(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
    return QStringLiteral("could not open it (%1)").arg(file.errorString());
  }
  return {};
}
#endif

}  // namespace

Inspection inspect(const QString& path) {
  QFileInfo info(path);
  info.setCaching(false);
  if (info.exists()) {
    if (info.isDir()) return {Inspection::Kind::Refused, refusal(QStringLiteral("a directory"))};
    if (info.isFile()) return {Inspection::Kind::Regular, {}};
    return {Inspection::Kind::Refused, describeSpecial(path)};
  }
  if (info.isSymLink()) return {Inspection::Kind::Refused, brokenLink(path)};
  return {Inspection::Kind::Missing, {}};
}

bool isPresent(const QString& path) {
  const QFileInfo info(path);
  return info.exists() || info.isSymLink();
}

Contents read(const QString& path, qint64 limit) {
  const Inspection look = inspect(path);
  if (look.kind == Inspection::Kind::Missing) {
    return {false, {}, QStringLiteral("there is no such file")};
  }
  if (look.kind == Inspection::Kind::Refused) return {false, {}, look.reason};

  QFile file;
  if (const QString why = openReadOnly(path, file); !why.isEmpty()) return {false, {}, why};
  Contents contents;
  contents.opened = true;
  contents.bytes.resize(limit);
  qint64 total = 0;
  while (total < limit) {
    const qint64 got = file.read(contents.bytes.data() + total, limit - total);
    if (got < 0) {
      contents.problem =
          QStringLiteral("reading stopped after %1 bytes (%2)").arg(total).arg(file.errorString());
      break;
    }
    if (got == 0) break;  // the end, wherever it is now
    total += got;
  }
  contents.bytes.truncate(total);
  return contents;
}

QString createEmpty(const QString& path) {
  // NewOnly: should anything appear meanwhile, even a link, it is left alone.
  QFile created(path);
  if (!created.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
    return QStringLiteral("could not create it (%1)").arg(created.errorString());
  }
  return {};
}

Written write(const QString& path, const QByteArray& bytes, Folder folder) {
  if (folder == Folder::Create) {
    const QString made = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(made)) return {Written::Failure::Folder, QDir::toNativeSeparators(made)};
  }
  const Inspection look = inspect(path);
  if (look.kind == Inspection::Kind::Refused) return {Written::Failure::NotAFile, look.reason};
  QSaveFile output(path);
  if (!output.open(QIODevice::WriteOnly) || output.write(bytes) != bytes.size() ||
      !output.commit()) {
    return {Written::Failure::Write, output.errorString()};
  }
  return {};
}

}  // namespace table_file
