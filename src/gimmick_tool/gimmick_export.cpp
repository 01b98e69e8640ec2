// SPDX-License-Identifier: GPL-3.0-or-later
#include "gimmick_tool/gimmick_export.h"

#include "data/gimmick_file.h"

#include <algorithm>

namespace gimmick_export {
namespace {

int lengthAt(const QByteArray& data, qsizetype offset) {
  return static_cast<unsigned char>(data[offset]) |
         (static_cast<unsigned char>(data[offset + 1]) << 8);
}

}  // namespace

Export exportText(const QByteArray& data) {
  using namespace gimmick_file;
  Export result;
  // The rows are the program's own reading of the file, so the text shows
  // exactly the table the program would show.
  const Result loaded = parse(data);
  const int rowsLoaded = loaded.table.size();
  for (const Problem& problem : loaded.problems) {
    if (problem.record <= rowsLoaded) {
      result.differences.push_back(
          {problem.record, problem.reason + QStringLiteral("; the line adds the missing ones")});
    } else {
      result.differences.push_back(
          {problem.record, problem.reason + QStringLiteral("; it and all after it are left out")});
    }
  }

  for (int n = 1; n <= rowsLoaded; ++n) {
    const qsizetype offset = qsizetype{n - 1} * kRecordSize;
    const int length = lengthAt(data, offset);
    const QByteArray padding = data.mid(offset + 2 + length, kRecordSize - 2 - length);
    if (padding.size() < kRecordSize - 2 - length) {
      result.differences.push_back({n, QStringLiteral("its padding is cut short by the end of "
                                                      "the file; a build writes it whole")});
    } else if (padding.count('\0') != padding.size()) {
      result.differences.push_back(
          {n, QStringLiteral("the bytes after its text are not all zeros; a build writes zeros")});
    }

    const QString line = loaded.table[n - 1].recordText();
    if (line.contains(u'\n') || line.contains(u'\r')) {
      result.refusals.push_back(
          {n, QStringLiteral("its text holds a line break, which one line cannot carry")});
      continue;
    }
    result.text += line.toUtf8() + '\n';
  }

  // What the program never reads: an empty record and all after it, records
  // after the last it holds, or bytes left after a loading problem.
  const qsizetype used = qsizetype{rowsLoaded} * kRecordSize;
  const bool stoppedByProblem =
      !loaded.problems.empty() && loaded.problems.back().record > rowsLoaded;
  if (data.size() > used && !stoppedByProblem) {
    const int next = rowsLoaded + 1;
    const QString why = next > kMaxRecords
                            ? QStringLiteral("the table holds %1 records").arg(kMaxRecords)
                            : QStringLiteral("an empty record ends the table");
    result.differences.push_back(
        {next, QStringLiteral("what follows is not read (%1); a build leaves it out").arg(why)});
  }
  std::stable_sort(result.differences.begin(), result.differences.end(),
                   [](const Note& a, const Note& b) { return a.record < b.record; });
  if (!result.refusals.empty()) result.text.clear();
  return result;
}

}  // namespace gimmick_export
