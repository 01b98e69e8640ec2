// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/gimmick_record.h"

#include "data/gimmick_file.h"
#include "data/windows1252.h"

static_assert(gimmick_record::kMaxBytes == gimmick_file::kMaxTextLength);

namespace gimmick_record {
namespace {

constexpr int kCommasNeeded = Gimmick::kFields - 1;

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

// A record loaded from a file may hold a line break: the program reads it,
// so a save writes it back as it came; only a new one is refused.
Encoding encodeText(const QString& text, bool lineBreaksAllowed) {
  const std::optional<QByteArray> bytes = windows1252::encode(text);
  if (!bytes) {
    return {{}, QStringLiteral("%1 is not a Windows-1252 character").arg(unencodable(text))};
  }
  if (!lineBreaksAllowed && (text.contains(u'\n') || text.contains(u'\r'))) {
    return {{}, QStringLiteral("a line break cannot go in a gimmick's record")};
  }
  if (const qsizetype over = bytes->size() - kMaxBytes; over > 0) {
    return {{},
            QStringLiteral("%1 %2 over the %3 a gimmick may use")
                .arg(over)
                .arg(over == 1 ? QStringLiteral("byte") : QStringLiteral("bytes"))
                .arg(kMaxBytes)};
  }
  return {*bytes, {}};
}

Encoding encodeGimmick(const Gimmick& gimmick, bool lineBreaksAllowed) {
  for (int field = 0; field < Gimmick::kFields; ++field) {
    if (QString why = fieldRefusal(field, gimmick.field(field)); !why.isEmpty()) {
      return {{}, why};
    }
  }
  return encodeText(gimmick.recordText(), lineBreaksAllowed);
}

}  // namespace

Encoding encode(const QString& text) { return encodeText(text, false); }

Encoding encode(const Gimmick& gimmick) { return encodeGimmick(gimmick, false); }

QString fieldRefusal(int field, const QString& value) {
  if (field < Gimmick::kFields - 1 && value.contains(u',')) {
    return QStringLiteral(
        "a comma would end the field here; only the note on finisher 3 may "
        "hold one");
  }
  return {};
}

QString commaRefusal(const QString& text) {
  const auto commas = text.count(u',');
  if (commas >= kCommasNeeded) return {};
  return QStringLiteral("fewer than six commas (found %1); the seven fields need six").arg(commas);
}

QString fullTableRefusal() {
  return QStringLiteral("the table holds at most %1 gimmicks").arg(GimmickTable::kPlaces);
}

int bytesLeft(const Gimmick& gimmick) {
  // A text the code page cannot hold never enters a table; counted as one
  // byte a character all the same.
  const QString text = gimmick.recordText();
  const std::optional<QByteArray> bytes = windows1252::encode(text);
  return kMaxBytes - static_cast<int>(bytes ? bytes->size() : text.size());
}

TableBytes tableBytes(const GimmickTable& table) {
  TableBytes result;
  if (table.size() > GimmickTable::kPlaces) {
    return {{}, GimmickTable::kPlaces, fullTableRefusal()};
  }
  for (int row = 0; row < table.size(); ++row) {
    const Encoding encoded = encodeGimmick(table[row], true);
    if (!encoded.refusal.isEmpty()) return {{}, row, encoded.refusal};
    result.bytes += gimmick_file::record(encoded.bytes);
  }
  return result;
}

}  // namespace gimmick_record
