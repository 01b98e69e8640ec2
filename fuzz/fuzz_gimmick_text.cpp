// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as the gimmick table's text, converted the way
// `torvak-gimmicks build` converts it. Accepted text gives one whole record a
// line and exports back to the same text, up to the normalisations the format
// allows; refused text gives no data at all and names lines the text has; a
// byte-order mark and CR LF line ends change nothing.
#include "data/gimmick_file.h"
#include "data/gimmick_text.h"

#include <QList>

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

// The lines of a text as the format reads them, each without its line end:
// a UTF-8 byte-order mark at the start is not text; a line ends at a line
// feed or at the end of the text, and one carriage return right before
// that end belongs to the line end. A final line feed starts no line, so an
// empty text (or a lone mark) has none.
QList<QByteArray> readLines(const QByteArray& text) {
  qsizetype start = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
  QList<QByteArray> lines;
  while (start < text.size()) {
    const qsizetype feed = text.indexOf('\n', start);
    const qsizetype end = feed < 0 ? text.size() : feed;
    QByteArray line = text.mid(start, end - start);
    if (line.endsWith('\r')) line.chop(1);
    lines << line;
    start = end + 1;
  }
  return lines;
}

// The text as export writes it back: every line ended by one line feed.
QByteArray normalised(const QList<QByteArray>& lines) {
  QByteArray text;
  for (const QByteArray& line : lines) text += line + '\n';
  return text;
}

// The same lines as a Windows editor saves them: a byte-order mark, and CR LF
// after every line. This reads back to exactly the same lines, whatever they
// hold (only one CR before each LF is dropped).
QByteArray windowsForm(const QList<QByteArray>& lines) {
  QByteArray text("\xEF\xBB\xBF");
  for (const QByteArray& line : lines) text += line + "\r\n";
  return text;
}

bool same(const gimmick_text::Conversion& a, const gimmick_text::Conversion& b) {
  if (a.data != b.data || a.records != b.records || a.refusals.size() != b.refusals.size())
    return false;
  for (std::size_t i = 0; i < a.refusals.size(); ++i) {
    if (a.refusals[i].line != b.refusals[i].line || a.refusals[i].reason != b.refusals[i].reason)
      return false;
  }
  return true;
}

// Record `n` (counted from 0) holds line `n`: its length, its text in
// Windows-1252 and zeros to the end of its 128 bytes.
void checkRecord(const QByteArray& data, int n, const QByteArray& line) {
  const QByteArray record =
      data.mid(qsizetype{n} * gimmick_file::kRecordSize, gimmick_file::kRecordSize);
  check(record.size() == gimmick_file::kRecordSize);
  const int length =
      static_cast<unsigned char>(record[0]) | (static_cast<unsigned char>(record[1]) << 8);
  check(length >= 1 && length <= gimmick_record::kMaxBytes);
  check(gimmick_record::decode(QByteArrayView(record).sliced(2, length)) ==
        QString::fromUtf8(line));
  const QByteArray padding = record.sliced(2 + length);
  check(padding.count('\0') == padding.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const QList<QByteArray> lines = readLines(text);
  const gimmick_text::Conversion conversion = gimmick_text::convert(text);
  // The mark and the line ends are not part of the table.
  check(same(gimmick_text::convert(windowsForm(lines)), conversion));

  if (!conversion.refusals.empty()) {
    // Nothing to write, and every refusal names a line of the text, in order.
    check(conversion.data.isEmpty());
    check(conversion.records == 0);
    int previous = 1;
    for (const gimmick_text::Refusal& refusal : conversion.refusals) {
      check(refusal.line >= previous && refusal.line <= lines.size());
      check(!refusal.reason.isEmpty());
      previous = refusal.line;
    }
    return 0;
  }

  check(conversion.records == lines.size());
  check(conversion.data.size() == qsizetype{lines.size()} * gimmick_file::kRecordSize);
  for (int n = 0; n < lines.size(); ++n) checkRecord(conversion.data, n, lines[n]);

  // A file the program loads fully, and the same text once exported.
  const gimmick_text::Export exported = gimmick_text::exportText(conversion.data);
  check(exported.refusals.empty());
  check(exported.differences.empty());
  check(exported.text == normalised(lines));
  check(gimmick_text::convert(exported.text).data == conversion.data);
  return 0;
}
