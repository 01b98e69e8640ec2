// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/gimmick_table.h"
#include "data/table_file.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The gimmick data file: records of 128 bytes, each a 2-byte little-endian
// length L (at most 126) and L bytes of Windows-1252 text holding seven
// comma-separated fields: gimmick, finisher 1 to 3, note 1 to 3. No header;
// the table ends at the first empty record, and after record 156.
namespace gimmick_file {

inline constexpr int kRecordSize = 2 + gimmick_record::kMaxBytes;
inline constexpr qint64 kTableBytes = qint64{GimmickTable::kPlaces} * kRecordSize;

struct Note {
  int record;  // counted from 1
  QString reason;
};

struct Result {
  GimmickTable table;  // gimmick k from record k + 1
  std::vector<Note> problems;
};

// The table the bytes of a data file hold. Loading stops at the first empty
// record, at a length above 126, at a record cut short by the end of the
// bytes, and after record 156; the gimmicks read until then are kept.
Result parse(const QByteArray& bytes);

// Where writing the table the program reads from `bytes` would not give back
// the same bytes, record by record; none for a file the program loads fully
// (whole zero-padded records, each with six commas or more, and nothing
// after the last).
std::vector<Note> differences(const QByteArray& bytes);

// One record as the file holds it, padded to 128 bytes; `text` must already
// fit in 126 bytes.
QByteArray record(const QByteArray& text);

struct TableBytes {
  QByteArray bytes;  // the data file, one 128-byte record a gimmick
  int row = -1;      // the first gimmick refused, counted from 0; -1 when none
  QString refusal;
};

// A whole table as its data file holds it, or why not. A line break a
// gimmick was loaded with is written back as it came.
TableBytes tableBytes(const GimmickTable& table);

// A data file named by the user, read as the program reads one (refused
// unless it is a file or a link to one, never waited on): a full table's
// bytes and one more, which shows whether anything follows the table.
table_file::Contents read(const QString& path);

}  // namespace gimmick_file
