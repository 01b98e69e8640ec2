// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// A gimmick table's file on disk, read so that nothing a folder can hold
// stops the program, the table tool or the editor: only a regular file, or
// a link to one, is opened; it is opened read-only in a way that never
// waits; at most `limit` bytes are read. Reading never writes, replaces or
// touches what exists; the one writer replaces a file whole or not at all.
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

// What a command is handed on its command line, read as any command reads
// it: besides a file or a link to one, a named pipe (a shell's `<(command)`),
// a device, or "-" for standard input, waited for while it comes, at most
// `limit` bytes of it. Only the table tool reads this way; a window never
// waits, and reads with read(). When it is not read whole, `problem` is
// "cannot read it: " and the system's words (a folder, a missing file).
Contents readHanded(const QString& path, qint64 limit);

// Creates `path` as an empty file when nothing stands there, never replacing
// anything that appeared meanwhile. Empty when done; otherwise the clause
// for a warning line.
QString createEmpty(const QString& path);

// Whether the folder of the file is made first when it is missing (the
// user's own data folder is).
enum class Folder { MustExist, Create };

struct Written {
  enum class Failure { None, Folder, NotAFile, Write };
  Failure failure = Failure::None;
  // Folder: the folder that could not be made, as the system writes paths;
  // NotAFile: "it is a directory, not a file", ...; Write: the system's words.
  QString reason;

  // Why nothing was written, as a clause of a window's message: "could not
  // create the folder FOLDER", "it is a directory, not a file", or the
  // system's words. Empty when written.
  QString clause() const;
  // Why nothing was written to `path`, as a command's line: "FOLDER: could
  // not create the folder", "PATH: it is a directory, not a file; nothing
  // written", "PATH: cannot write it: ...". Empty when written.
  QString line(const QString& path) const;
};

// Writes `bytes` to `path` whole or not at all (through QSaveFile), and only
// over nothing, a file or a link to one: the table tool's build and every
// save of the editor.
Written write(const QString& path, const QByteArray& bytes, Folder folder = Folder::MustExist);

}  // namespace table_file
