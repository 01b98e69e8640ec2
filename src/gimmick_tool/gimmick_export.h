// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// A data file back to the table's editable text: UTF-8, one line a record
// the program loads, its seven fields joined by commas, in record order.
namespace gimmick_export {

struct Note {
  int record;  // counted from 1
  QString reason;
};

struct Export {
  QByteArray text;  // empty when anything is refused
  // Where building `text` again would not give back the same bytes, though
  // the program would show the same table; none for a file the program loads
  // fully (whole zero-padded records, each with six commas or more, and
  // nothing after the last).
  std::vector<Note> differences;
  // What a line of text cannot carry (a line break inside a record).
  std::vector<Note> refusals;
};

Export exportText(const QByteArray& data);

}  // namespace gimmick_export
