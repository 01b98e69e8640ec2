// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/tournament_file.h"

#include "data/table_file.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <algorithm>

namespace tournament_file {
namespace {

// A box takes no more than this (QLineEdit's own limit); a longer text would
// come back cut short, so a file holding one is refused.
constexpr qsizetype kLongestBox = 32767;

const QString kKeyFormat = QStringLiteral("format");
const QString kKeyVersion = QStringLiteral("version");
const QString kKeyBracket = QStringLiteral("bracket");
const QString kKeyBoxes = QStringLiteral("boxes");

Read refused(const QString& why) { return {false, {}, why}; }

QString tooLarge(qint64 size) {
  return QStringLiteral("it is %1 bytes long, larger than any tournament").arg(size);
}

}  // namespace

// A text as JSON writes it: quoted, with JSON's escapes.
QByteArray quoted(const QString& text) {
  const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
  return array.mid(1, array.size() - 2);
}

// Written out by hand rather than by QJsonDocument, which sorts the keys: the
// first line names the format, so that a file cut short still says whose it
// is, and the boxes go in their numbers' order, Text2 before Text10.
QByteArray toBytes(const Tournament& tournament) {
  QStringList names = tournament.boxes.keys();
  std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
  });
  QByteArray bytes = "{\n    " + quoted(kKeyFormat) + ": " + quoted(QLatin1String(kFormat)) +
                     ",\n    " + quoted(kKeyVersion) + ": " + QByteArray::number(kVersion) +
                     ",\n    " + quoted(kKeyBracket) + ": " + quoted(tournament.bracket) +
                     ",\n    " + quoted(kKeyBoxes) + ": {";
  for (qsizetype i = 0; i < names.size(); ++i) {
    bytes += (i ? ",\n        " : "\n        ") + quoted(names[i]) + ": " +
             quoted(tournament.boxes.value(names[i]));
  }
  return bytes + (names.isEmpty() ? "}\n}\n" : "\n    }\n}\n");
}

Read fromBytes(const QByteArray& bytes) {
  if (bytes.size() > kMaxBytes) return refused(tooLarge(bytes.size()));
  const QString notOurs = QStringLiteral("it is not a tournament file");
  const QString damaged = QStringLiteral("it is damaged or cut short");
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
  if (error.error != QJsonParseError::NoError) {
    return refused(bytes.contains(kFormat) ? damaged : notOurs);
  }
  const QJsonObject file = document.object();
  if (!document.isObject() || file.value(kKeyFormat).toString() != QLatin1String(kFormat)) {
    return refused(notOurs);
  }
  const QJsonValue version = file.value(kKeyVersion);
  const double number = version.toDouble(-1);
  if (!version.isDouble() || number < 1 || number != static_cast<double>(version.toInteger())) {
    return refused(damaged);
  }
  if (number > kVersion) {
    return refused(
        QStringLiteral("it comes from a newer Torvak Utilities (format version %1; this one reads "
                       "version %2)")
            .arg(version.toInteger())
            .arg(kVersion));
  }
  if (!file.value(kKeyBracket).isString() || !file.value(kKeyBoxes).isObject()) {
    return refused(damaged);
  }
  Read read{true, {file.value(kKeyBracket).toString(), {}}, {}};
  const QJsonObject boxes = file.value(kKeyBoxes).toObject();
  for (auto box = boxes.constBegin(); box != boxes.constEnd(); ++box) {
    if (!box.value().isString()) return refused(damaged);
    const QString text = box.value().toString();
    if (text.size() > kLongestBox) {
      return refused(QStringLiteral("its box %1 holds more than a box can").arg(box.key()));
    }
    read.tournament.boxes.insert(box.key(), text);
  }
  return read;
}

Read read(const QString& path) {
  const table_file::Inspection look = table_file::inspect(path);
  if (look.kind == table_file::Inspection::Kind::Missing) {
    return refused(QStringLiteral("there is no such file"));
  }
  if (look.kind == table_file::Inspection::Kind::Refused) return refused(look.reason);
  if (const qint64 size = QFileInfo(path).size(); size > kMaxBytes) return refused(tooLarge(size));
  // One byte more than the largest allowed: a file that grew meanwhile is
  // still refused, never read to its end.
  const table_file::Contents contents = table_file::read(path, kMaxBytes + 1);
  if (!contents.opened || !contents.problem.isEmpty()) return refused(contents.problem);
  return fromBytes(contents.bytes);
}

QString write(const QString& path, const Tournament& tournament, bool makeFolder) {
  return table_file::write(path, toBytes(tournament),
                           makeFolder ? table_file::Folder::Create : table_file::Folder::MustExist)
      .clause();
}

}  // namespace tournament_file
