// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include "data/gimmick_table.h"

#include <vector>

// The gimmick data file: records of 128 bytes, each a 2-byte little-endian
// length L (at most 126) and L bytes of Windows-1252 text holding seven
// comma-separated fields: gimmick, finisher 1 to 3, note 1 to 3.
namespace gimmick_file {

inline constexpr int kRecordSize = 128;
inline constexpr int kMaxTextLength = kRecordSize - 2;
inline constexpr int kMaxRecords = GimmickTable::kPlaces;
inline constexpr int kFields = Gimmick::kFields;

struct Problem {
  int record;  // counted from 1
  QString reason;
};

struct Result {
  GimmickTable table;  // gimmick k from record k + 1
  std::vector<Problem> problems;
};

// The table the bytes of a data file hold. Loading stops at the first empty
// record, at a length above 126, at a record cut short by the end of the
// bytes, and after record 156; the gimmicks read until then are kept.
Result parse(const QByteArray& bytes);

// One record as the file holds it, padded to 128 bytes; `text` must already
// fit in 126 bytes.
QByteArray record(const QByteArray& text);

}  // namespace gimmick_file
