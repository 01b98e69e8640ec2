// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/gimmick_file.h"

#include "data/windows1252.h"

namespace gimmick_file {

Result parse(const QByteArray& bytes) {
  Result result;
  for (int n = 1; n <= kMaxRecords; ++n) {
    const qsizetype offset = qsizetype{n - 1} * kRecordSize;
    if (offset >= bytes.size()) break;  // past the end reads as an empty record
    if (offset + 2 > bytes.size()) {
      result.problems.push_back(
          {n, QStringLiteral("its length is cut short by the end of the file")});
      break;
    }
    const auto low = static_cast<unsigned char>(bytes[offset]);
    const auto high = static_cast<unsigned char>(bytes[offset + 1]);
    const int length = low | (high << 8);
    if (length == 0) break;
    if (length > kMaxTextLength) {
      result.problems.push_back(
          {n, QStringLiteral("its length %1 is over %2").arg(length).arg(kMaxTextLength)});
      break;
    }
    if (offset + 2 + length > bytes.size()) {
      result.problems.push_back(
          {n, QStringLiteral("its text is cut short by the end of the file")});
      break;
    }
    const QString text = windows1252::decode(QByteArrayView(bytes).sliced(offset + 2, length));
    if (text.count(u',') < kFields - 1) {
      result.problems.push_back({n, QStringLiteral("it has fewer than six commas")});
    }
    result.table.append(Gimmick::fromRecordText(text));
  }
  return result;
}

QByteArray record(const QByteArray& text) {
  QByteArray bytes(kRecordSize, '\0');
  bytes[0] = static_cast<char>(text.size() & 0xFF);
  bytes[1] = static_cast<char>((text.size() >> 8) & 0xFF);
  bytes.replace(2, text.size(), text);
  bytes.truncate(kRecordSize);
  return bytes;
}

}  // namespace gimmick_file
