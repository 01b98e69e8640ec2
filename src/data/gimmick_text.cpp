// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/gimmick_text.h"

#include "data/table_file.h"

#include <QList>
#include <QStringDecoder>

#include <utility>

namespace gimmick_text {
namespace {

QList<QByteArray> linesOf(QByteArray source) {
  if (source.startsWith("\xEF\xBB\xBF")) source.remove(0, 3);
  if (source.isEmpty()) return {};
  if (source.endsWith('\n')) source.chop(1);  // ends the last line, starts none
  QList<QByteArray> lines = source.split('\n');
  for (QByteArray& line : lines) {
    if (line.endsWith('\r')) line.chop(1);
  }
  return lines;
}

}  // namespace

QString sizeRefusal(qint64 size) {
  if (size <= kLongestText) return {};
  return QStringLiteral("more than %1 bytes; no table's text is that long").arg(kLongestText);
}

Text read(const QString& path, Reader reader) {
  const qint64 limit = kLongestText + 1;
  table_file::Contents contents = reader == Reader::Window ? table_file::read(path, limit)
                                                           : table_file::readHanded(path, limit);
  if (!contents.opened || !contents.problem.isEmpty()) return {{}, contents.problem, false};
  if (QString why = sizeRefusal(contents.bytes.size()); !why.isEmpty()) return {{}, why, true};
  return {std::move(contents.bytes), {}, false};
}

Conversion convert(const QByteArray& source) {
  Conversion result;
  const QList<QByteArray> lines = linesOf(source);
  for (int i = 0; i < lines.size(); ++i) {
    const int number = i + 1;
    const auto refuse = [&](const QString& reason) { result.refusals.push_back({number, reason}); };

    if (number > GimmickTable::kPlaces) {
      refuse(QStringLiteral("more than %1 lines; %2")
                 .arg(GimmickTable::kPlaces)
                 .arg(GimmickTable::fullRefusal()));
      break;
    }
    const QByteArray& line = lines[i];
    if (line.isEmpty()) {
      refuse(QStringLiteral("empty line; an empty record would end the table here"));
      continue;
    }
    // Only the one before the line's end is dropped; any other would come
    // back from the data as a line break that no line of text can carry.
    if (line.contains('\r')) {
      refuse(QStringLiteral("a carriage return inside the line; a gimmick holds no line break"));
      continue;
    }
    // A byte-order mark counts only at the start of the text: one starting a
    // later line stays a character (and is refused), not dropped unseen.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString text = utf8(line);
    if (utf8.hasError()) {
      refuse(QStringLiteral("not valid UTF-8"));
      continue;
    }
    if (const QString why = gimmick_record::commaRefusal(text); !why.isEmpty()) refuse(why);
    const gimmick_record::Encoding encoded = gimmick_record::encode(text);
    if (!encoded.refusal.isEmpty()) {
      refuse(encoded.refusal);
      continue;
    }
    result.data += gimmick_file::record(encoded.bytes);
    ++result.records;
  }
  if (!result.refusals.empty()) {
    result.data.clear();
    result.records = 0;
  }
  return result;
}

Export exportText(const QByteArray& data) {
  // The lines are the program's own reading of the file, so the text shows
  // exactly the table the program would show.
  Export result{{}, gimmick_file::differences(data), {}};
  const GimmickTable table = gimmick_file::parse(data).table;
  for (int row = 0; row < table.size(); ++row) {
    const QString line = table[row].recordText();
    if (line.contains(u'\n') || line.contains(u'\r')) {
      result.refusals.push_back(
          {row + 1, QStringLiteral("its text holds a line break, which one line cannot carry")});
      continue;
    }
    result.text += line.toUtf8() + '\n';
  }
  if (!result.refusals.empty()) result.text.clear();
  return result;
}

}  // namespace gimmick_text
