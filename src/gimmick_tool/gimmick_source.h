// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include "data/gimmick_file.h"

#include <vector>

// The gimmick table's readable source: UTF-8 text, one gimmick a line, the
// seven fields of a record separated by commas exactly as data.dat holds
// them. Converting it gives data.dat's bytes, one 128-byte record a line.
namespace gimmick_source {

// The longest text a table can come from: a byte-order mark, then 156 lines
// of 126 characters of three UTF-8 bytes each, each ending in CR LF.
inline constexpr qint64 kLongestText =
    3 + qint64{gimmick_file::kMaxRecords} * (gimmick_file::kMaxTextLength * 3 + 2);

struct Refusal {
  int line;  // counted from 1
  QString reason;
};

struct Conversion {
  QByteArray data;                // the records; empty when anything is refused
  std::vector<Refusal> refusals;  // in line order
  int records = 0;
};

// Lines end at a line feed; one carriage return right before it (or at the
// end of a last line without one) is dropped, so a file saved on Windows
// converts the same; any other carriage return refuses its line. A byte-order
// mark at the start is dropped too.
Conversion convert(const QByteArray& source);

}  // namespace gimmick_source
