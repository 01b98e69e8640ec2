// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/gimmick_file.h"

#include <algorithm>

namespace gimmick_file {
namespace {

int lengthAt(const QByteArray& bytes, qsizetype offset) {
  return static_cast<unsigned char>(bytes[offset]) |
         (static_cast<unsigned char>(bytes[offset + 1]) << 8);
}

}  // namespace

Result parse(const QByteArray& bytes) {
  Result result;
  for (int n = 1; n <= GimmickTable::kPlaces; ++n) {
    const qsizetype offset = qsizetype{n - 1} * kRecordSize;
    if (offset >= bytes.size()) break;  // past the end reads as an empty record
    if (offset + 2 > bytes.size()) {
      result.problems.push_back(
          {n, QStringLiteral("its length is cut short by the end of the file")});
      break;
    }
    const int length = lengthAt(bytes, offset);
    if (length == 0) break;
    if (length > gimmick_record::kMaxBytes) {
      result.problems.push_back(
          {n,
           QStringLiteral("its length %1 is over %2").arg(length).arg(gimmick_record::kMaxBytes)});
      break;
    }
    if (offset + 2 + length > bytes.size()) {
      result.problems.push_back(
          {n, QStringLiteral("its text is cut short by the end of the file")});
      break;
    }
    const QString text = gimmick_record::decode(QByteArrayView(bytes).sliced(offset + 2, length));
    if (!gimmick_record::commaRefusal(text).isEmpty()) {
      result.problems.push_back({n, QStringLiteral("it has fewer than six commas")});
    }
    result.table.append(Gimmick::fromRecordText(text));
  }
  return result;
}

std::vector<Note> differences(const QByteArray& bytes) {
  const Result loaded = parse(bytes);
  const int rowsLoaded = loaded.table.size();
  std::vector<Note> found;
  for (const Note& problem : loaded.problems) {
    if (problem.record <= rowsLoaded) {
      found.push_back(
          {problem.record, problem.reason + QStringLiteral("; the line adds the missing ones")});
    } else {
      found.push_back(
          {problem.record, problem.reason + QStringLiteral("; it and all after it are left out")});
    }
  }

  for (int n = 1; n <= rowsLoaded; ++n) {
    const qsizetype offset = qsizetype{n - 1} * kRecordSize;
    const int length = lengthAt(bytes, offset);
    const QByteArray padding = bytes.mid(offset + 2 + length, kRecordSize - 2 - length);
    if (padding.size() < kRecordSize - 2 - length) {
      found.push_back({n, QStringLiteral("its padding is cut short by the end of "
                                         "the file; a build writes it whole")});
    } else if (padding.count('\0') != padding.size()) {
      found.push_back(
          {n, QStringLiteral("the bytes after its text are not all zeros; a build writes zeros")});
    }
  }

  // What the program never reads: an empty record and all after it, records
  // after the last it holds, or bytes left after a loading problem.
  const qsizetype used = qsizetype{rowsLoaded} * kRecordSize;
  const bool stoppedByProblem =
      !loaded.problems.empty() && loaded.problems.back().record > rowsLoaded;
  if (bytes.size() > used && !stoppedByProblem) {
    const int next = rowsLoaded + 1;
    const QString why =
        next > GimmickTable::kPlaces
            ? QStringLiteral("the table holds %1 records").arg(GimmickTable::kPlaces)
            : QStringLiteral("an empty record ends the table");
    found.push_back(
        {next, QStringLiteral("what follows is not read (%1); a build leaves it out").arg(why)});
  }
  std::stable_sort(found.begin(), found.end(),
                   [](const Note& a, const Note& b) { return a.record < b.record; });
  return found;
}

QByteArray record(const QByteArray& text) {
  QByteArray bytes(kRecordSize, '\0');
  bytes[0] = static_cast<char>(text.size() & 0xFF);
  bytes[1] = static_cast<char>((text.size() >> 8) & 0xFF);
  bytes.replace(2, text.size(), text);
  bytes.truncate(kRecordSize);
  return bytes;
}

TableBytes tableBytes(const GimmickTable& table) {
  TableBytes result;
  if (table.size() > GimmickTable::kPlaces) {
    return {{}, GimmickTable::kPlaces, GimmickTable::fullRefusal()};
  }
  for (int row = 0; row < table.size(); ++row) {
    const gimmick_record::Encoding encoded = gimmick_record::encodeAsLoaded(table[row]);
    if (!encoded.refusal.isEmpty()) return {{}, row, encoded.refusal};
    result.bytes += record(encoded.bytes);
  }
  return result;
}

table_file::Contents read(const QString& path) { return table_file::read(path, kTableBytes + 1); }

}  // namespace gimmick_file
