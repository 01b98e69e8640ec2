// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Reading a gimmick table file so that nothing a folder can hold stops the
// program or the table tool: only a regular file, or a link to one, is
// opened; it is opened read-only in a way that never waits; at most `limit`
// bytes are read. Nothing here writes, replaces or touches what exists.
namespace table_file {

// What stands at a path, as far as reading a table goes.
struct Inspection {
  enum class Kind { Missing, Regular, Refused };
  Kind kind = Kind::Missing;
  QString reason;  // when refused: "it is a named pipe, not a file", ...
};

// Looks before anything is opened. A link is followed to what it leads to;
// one that leads nowhere or round in a loop is refused, not missing.
Inspection inspect(const QString& path);

// True when anything at all stands at `path`, a link that leads nowhere
// included: such a name belongs to someone and is never replaced.
bool isPresent(const QString& path);

struct Contents {
  bool opened = false;
  QByteArray bytes;  // what was read, at most `limit` bytes
  // Empty when the file was read to its end or to `limit`. Otherwise one
  // clause for a warning line: why it was not opened ("it is a named pipe,
  // not a file", "could not open it (Permission denied)"), or why reading
  // stopped early, the bytes read until then kept.
  QString problem;
};

// A file that shrinks or grows while it is read gives the bytes read so far.
Contents read(const QString& path, qint64 limit);

// Creates `path` as an empty file when nothing stands there, never replacing
// anything that appeared meanwhile. Empty when done; otherwise the clause
// for a warning line.
QString createEmpty(const QString& path);

}  // namespace table_file
