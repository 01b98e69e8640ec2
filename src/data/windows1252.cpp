// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/windows1252.h"

namespace windows1252 {
namespace {

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

}  // namespace

QString decode(QByteArrayView bytes) {
  QString text;
  text.reserve(bytes.size());
  for (char byte : bytes) text.append(QChar(toUnicode(static_cast<unsigned char>(byte))));
  return text;
}

std::optional<QByteArray> encode(const QString& text) {
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

}  // namespace windows1252
