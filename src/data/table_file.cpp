// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/table_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

#include <cstdio>

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

// Reads `file` to its end or to `limit` bytes into `bytes`; false when
// reading fails, the bytes read until then kept.
bool readUpTo(QIODevice& file, qint64 limit, QByteArray& bytes) {
  bytes.resize(limit);
  qint64 total = 0;
  bool done = true;
  while (total < limit) {
    const qint64 got = file.read(bytes.data() + total, limit - total);
    if (got < 0) {
      done = false;
      break;
    }
    if (got == 0) break;  // the end, wherever it is now
    total += got;
  }
  bytes.truncate(total);
  return done;
}

constexpr QLatin1String kNoFolder("could not create the folder");

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
  if (!readUpTo(file, limit, contents.bytes)) {
    contents.problem = QStringLiteral("reading stopped after %1 bytes (%2)")
                           .arg(contents.bytes.size())
                           .arg(file.errorString());
  }
  return contents;
}

Contents readHanded(const QString& path, qint64 limit) {
  QFile file;
  bool opened = false;
  if (path == QLatin1String("-")) {
    // By its descriptor: under Wine at least, a Windows FILE* of a pipe
    // reports the pipe's end as an error, where the descriptor reads an end.
    opened = file.open(0, QIODevice::ReadOnly, QFileDevice::DontCloseHandle);
  } else {
    file.setFileName(path);
    opened = file.open(QIODevice::ReadOnly);
  }
  const auto unread = [&file] {
    return QStringLiteral("cannot read it: %1").arg(file.errorString());
  };
  if (!opened) return {false, {}, unread()};
  Contents contents;
  contents.opened = true;
  if (!readUpTo(file, limit, contents.bytes)) contents.problem = unread();
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

QString Written::clause() const {
  if (failure == Failure::Folder) return QStringLiteral("%1 %2").arg(kNoFolder, reason);
  return reason;
}

QString Written::line(const QString& path) const {
  const QString shown = QDir::toNativeSeparators(path);
  switch (failure) {
    case Failure::None:
      break;
    case Failure::Folder:
      return QStringLiteral("%1: %2").arg(reason, kNoFolder);
    case Failure::NotAFile:
      return QStringLiteral("%1: %2; nothing written").arg(shown, reason);
    case Failure::Write:
      return QStringLiteral("%1: cannot write it: %2").arg(shown, reason);
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
