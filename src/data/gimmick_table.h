// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/gimmick_file.h"

#include <array>

// The gimmicks of a run: row r holds record r of data.dat in fields 1 to 7
// (gimmick, finisher 1 to 3, note on finisher 1 to 3). Rows 1 to 156; row 0
// and field 0 are always empty, so a lookup that matched nothing reads
// empty texts.
class GimmickTable {
 public:
  static constexpr int kRows = gimmick_file::kMaxRecords;
  static constexpr int kFields = gimmick_file::kFields;
  using Row = gimmick_file::Row;

  const Row& operator[](int row) const { return rows_[row]; }
  Row& operator[](int row) { return rows_[row]; }

  bool operator==(const GimmickTable&) const = default;

 private:
  std::array<Row, kRows + 1> rows_;
};
