// SPDX-License-Identifier: GPL-3.0-or-later
#include "gimmick_tool/gimmick_source.h"

#include "data/gimmick_file.h"
#include "data/windows1252.h"

#include <QList>
#include <QStringDecoder>

namespace gimmick_source {
namespace {

constexpr int kCommasNeeded = gimmick_file::kFields - 1;

// One character as text. Not QString::fromUcs4, which drops U+FEFF as a
// byte-order mark.
QString character(char32_t codePoint) { return QStringView(QChar::fromUcs4(codePoint)).toString(); }

// Controls and invisible marks by their number alone.
QString describe(char32_t codePoint) {
  const QString hex = QString::number(codePoint, 16).toUpper().rightJustified(4, u'0');
  if (!QChar::isPrint(codePoint)) return "U+" + hex;
  return QStringLiteral("\"%1\" (U+%2)").arg(character(codePoint), hex);
}

// The first character of `text` that Windows-1252 has no byte for.
QString unencodable(const QString& text) {
  for (char32_t c : text.toUcs4()) {
    if (!windows1252::encode(character(c))) return describe(c);
  }
  return {};
}

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

Conversion convert(const QByteArray& source) {
  Conversion result;
  const QList<QByteArray> lines = linesOf(source);
  for (int i = 0; i < lines.size(); ++i) {
    const int number = i + 1;
    const auto refuse = [&](const QString& reason) { result.refusals.push_back({number, reason}); };

    if (number > gimmick_file::kMaxRecords) {
      refuse(QStringLiteral("more than %1 lines; the table holds %1 gimmicks")
                 .arg(gimmick_file::kMaxRecords));
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
    const auto commas = text.count(u',');
    if (commas < kCommasNeeded) {
      refuse(QStringLiteral("fewer than six commas (found %1); the seven fields need six")
                 .arg(commas));
    }
    const std::optional<QByteArray> encoded = windows1252::encode(text);
    if (!encoded) {
      refuse(QStringLiteral("%1 is not a Windows-1252 character").arg(unencodable(text)));
      continue;
    }
    if (encoded->size() > gimmick_file::kMaxTextLength) {
      refuse(QStringLiteral("%1 bytes once encoded; a record holds at most %2")
                 .arg(encoded->size())
                 .arg(gimmick_file::kMaxTextLength));
      continue;
    }
    result.data += gimmick_file::record(*encoded);
    ++result.records;
  }
  if (!result.refusals.empty()) {
    result.data.clear();
    result.records = 0;
  }
  return result;
}

}  // namespace gimmick_source
