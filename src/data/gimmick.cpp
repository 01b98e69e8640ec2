// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/gimmick.h"

#include <QStringList>

#include <optional>

const QString& Gimmick::field(int index) const {
  if (index == 0) return name;
  const Finisher& finisher = finishers[(index - 1) % kFinishers];
  return index <= kFinishers ? finisher.move : finisher.note;
}

QString& Gimmick::field(int index) {
  return const_cast<QString&>(static_cast<const Gimmick&>(*this).field(index));
}

Gimmick Gimmick::fromRecordText(const QString& text) {
  Gimmick gimmick;
  qsizetype start = 0;
  for (int index = 0; index < kFields - 1; ++index) {
    const qsizetype comma = text.indexOf(u',', start);
    if (comma < 0) {
      gimmick.field(index) = text.mid(start);
      return gimmick;
    }
    gimmick.field(index) = text.mid(start, comma - start);
    start = comma + 1;
  }
  gimmick.field(kFields - 1) = text.mid(start);
  return gimmick;
}

QString Gimmick::recordText() const {
  QStringList fields;
  for (int index = 0; index < kFields; ++index) fields << field(index);
  return fields.join(u',');
}

namespace gimmick_record {
namespace {

constexpr int kCommasNeeded = Gimmick::kFields - 1;

// Bytes 0x80 to 0x9F; the five bytes Windows-1252 leaves unassigned map to
// the C1 control of the same value, as Windows itself decodes them.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t toUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;  // the rest of the code page is Latin-1
}

// Nothing when a character has no Windows-1252 byte.
std::optional<QByteArray> windows1252(const QString& text) {
  QByteArray bytes;
  bytes.reserve(text.size());
  for (QChar c : text) {
    const char16_t u = c.unicode();
    bool found = false;
    for (int byte = 0; byte < 256 && !found; ++byte) {
      if (toUnicode(static_cast<unsigned char>(byte)) == u) {
        bytes.append(static_cast<char>(byte));
        found = true;
      }
    }
    if (!found) return std::nullopt;
  }
  return bytes;
}

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
    if (!windows1252(character(c))) return describe(c);
  }
  return {};
}

Encoding encodeText(const QString& text, bool lineBreaksAllowed) {
  const std::optional<QByteArray> bytes = windows1252(text);
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

QString decode(QByteArrayView bytes) {
  QString text;
  text.reserve(bytes.size());
  for (char byte : bytes) text.append(QChar(toUnicode(static_cast<unsigned char>(byte))));
  return text;
}

Encoding encode(const QString& text) { return encodeText(text, false); }

Encoding encode(const Gimmick& gimmick) { return encodeGimmick(gimmick, false); }

Encoding encodeAsLoaded(const Gimmick& gimmick) { return encodeGimmick(gimmick, true); }

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

int bytesLeft(const Gimmick& gimmick) {
  // A text the code page cannot hold never enters a table; counted as one
  // byte a character all the same.
  const QString text = gimmick.recordText();
  const std::optional<QByteArray> bytes = windows1252(text);
  return kMaxBytes - static_cast<int>(bytes ? bytes->size() : text.size());
}

}  // namespace gimmick_record
