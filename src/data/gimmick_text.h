// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/gimmick_file.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The gimmick table as editable text: UTF-8, one gimmick a line, the seven
// fields of a record separated by commas exactly as data.dat holds them, in
// record order. The table tool and the editor convert it both ways here, and
// the build makes the shipped data.dat from data/gimmicks.txt with it.
namespace gimmick_text {

// The longest text a table can come from: a byte-order mark, then 156 lines
// of 126 characters of three UTF-8 bytes each, each ending in CR LF.
inline constexpr qint64 kLongestText =
    3 + qint64{GimmickTable::kPlaces} * (gimmick_record::kMaxBytes * 3 + 2);

// Why a text of `size` bytes is not read: "more than 59283 bytes; no table's
// text is that long". Empty when it may be a table's.
QString sizeRefusal(qint64 size);

// Who reads a table's text, which decides what the text may come from. A
// window never waits: it reads a file or a link to one, and refuses a named
// pipe, a device, a socket or a folder before opening it. The table tool
// reads what a shell hands it, as any command does: a file, a named pipe
// such as `<(command)`, a device, or "-" for standard input, waiting while
// it comes. A data file, unlike a text, is always read as the program reads
// it (gimmick_file::read), by the tool too.
enum class Reader { Window, CommandLine };

struct Text {
  QByteArray bytes;  // the whole text; empty when it was not read
  // Empty when read. Otherwise one clause: why it was not read ("it is a
  // named pipe, not a file", "cannot read it: No such file or directory"),
  // or, when `tooLong`, sizeRefusal's.
  QString problem;
  bool tooLong = false;
};

// A table's text read for `reader`, never more than one byte past
// kLongestText: a device or a huge file named by mistake is refused, not
// read to its end.
Text read(const QString& path, Reader reader);

struct Refusal {
  int line;  // counted from 1
  QString reason;
};

struct Conversion {
  QByteArray data;                // the records; empty when anything is refused
  std::vector<Refusal> refusals;  // in line order
  int records = 0;
};

// Text to a data file's bytes, one 128-byte record a line. Lines end at a
// line feed; one carriage return right before it (or at the end of a last
// line without one) is dropped, so a file saved on Windows converts the
// same; any other carriage return refuses its line. A byte-order mark at the
// start is dropped too.
Conversion convert(const QByteArray& source);

struct Export {
  QByteArray text;  // empty when anything is refused
  // Where building `text` again would not give back the same bytes, though
  // the program would show the same table (gimmick_file::differences).
  std::vector<gimmick_file::Note> differences;
  // What a line of text cannot carry (a line break inside a record).
  std::vector<gimmick_file::Note> refusals;
};

// A data file's bytes back to text: one line a record the program loads.
Export exportText(const QByteArray& data);

}  // namespace gimmick_text
