// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <vector>

class GimmickTable;

// The gimmick data file: records of 128 bytes, each a 2-byte little-endian
// length L (at most 126) and L bytes of Windows-1252 text holding seven
// comma-separated fields: gimmick, finisher 1 to 3, note 1 to 3.
namespace gimmick_file {

inline constexpr int kRecordSize = 128;
inline constexpr int kMaxTextLength = kRecordSize - 2;
inline constexpr int kMaxRecords = 156;
inline constexpr int kFields = 7;

// One record's fields in 1 to 7; field 0 stays empty.
using Row = std::array<QString, kFields + 1>;

struct Problem {
  int record;  // counted from 1
  QString reason;
};

struct Result {
  int rowsLoaded = 0;
  std::vector<Problem> problems;
};

// Splits one record's text at its first six commas; the seventh field keeps
// any further commas, nothing is trimmed. A text with fewer commas fills the
// fields it has and leaves the rest empty.
Row splitFields(const QString& text);

// Fills `table` (row r from record r) from the bytes of a data file. Loading stops at the first
// empty record, at a length above 126, at a record cut short by the end of
// the bytes, and after record 156; rows read until then are kept.
Result parse(const QByteArray& bytes, GimmickTable& table);

// One record as the file holds it, padded to 128 bytes; `text` must already
// fit in 126 bytes.
QByteArray record(const QByteArray& text);

}  // namespace gimmick_file
