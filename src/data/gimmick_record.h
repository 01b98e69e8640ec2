// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/gimmick_table.h"

#include <QByteArray>
#include <QString>

// What a record of the data file may hold, for everything that writes one:
// the table tool's build and the gimmick table editor check by these rules
// and report in these words.
namespace gimmick_record {

inline constexpr int kMaxBytes = 126;

struct Encoding {
  QByteArray bytes;  // the record's text in Windows-1252; empty when refused
  QString refusal;   // empty when the text can be a record's
};

// A record's whole text: every character must exist in Windows-1252, no
// line break, at most 126 bytes once encoded.
Encoding encode(const QString& text);

// A gimmick's record: no comma in the name or a move or the first two
// notes (the last note keeps everything after the sixth comma), then its
// text as above.
Encoding encode(const Gimmick& gimmick);

// Why `value` cannot be field `field` (in record order) of a record: only
// the last field may hold a comma. Empty when it can.
QString fieldRefusal(int field, const QString& value);

// Why a line of text cannot be split into a record's seven fields: it needs
// six commas. Empty when it can.
QString commaRefusal(const QString& text);

// Why a table cannot take another gimmick: "the table holds at most 156
// gimmicks".
QString fullTableRefusal();

// How many of the 126 bytes the gimmick's record leaves; below 0 when it is
// over.
int bytesLeft(const Gimmick& gimmick);

struct TableBytes {
  QByteArray bytes;  // the data file, one 128-byte record a gimmick
  int row = -1;      // the first gimmick refused, counted from 0; -1 when none
  QString refusal;
};

// A whole table as its data file holds it, or why not.
TableBytes tableBytes(const GimmickTable& table);

}  // namespace gimmick_record
