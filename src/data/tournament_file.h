// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// A tournament a player keeps: which bracket it is and the text of every box,
// entrants and results, as JSON a person can read:
//
//   {
//       "format": "Torvak Utilities tournament",
//       "version": 1,
//       "bracket": "8 Man Tournament",
//       "boxes": {
//           "Text1": "Ace",
//           "Text2": "Blaze",
//           ...
//       }
//   }
//
// Every text comes back exactly as it was: blanks, quotes, commas and any
// Unicode are JSON's to carry. A file is read bounded and refused whole, never
// half; it is written whole or not at all. Which bracket names and boxes are
// real is the brackets' to say, not this reader's.
namespace tournament_file {

// The suffix of a tournament file, without its dot.
inline constexpr auto kSuffix = "tournament";
inline constexpr auto kFormat = "Torvak Utilities tournament";
// The version this program writes and the newest it reads. A later program
// that changes the format raises it, and reads today's files as they are.
inline constexpr int kVersion = 1;
// A box holds at most 32767 characters; JSON writes the worst of them in six
// bytes. Thirty-two such boxes stay under this, and no real tournament comes
// near it, so anything larger is refused before it is read.
inline constexpr qint64 kMaxBytes = 8 * 1024 * 1024;

struct Tournament {
  QString bracket;               // the menu's name for it: "8 Man Tournament"
  QMap<QString, QString> boxes;  // each box's name and its text
};

QByteArray toBytes(const Tournament& tournament);

struct Read {
  bool ok = false;
  Tournament tournament;
  QString problem;  // when refused, a clause: "it is not a tournament file"
};

// The bytes as a tournament, or why not.
Read fromBytes(const QByteArray& bytes);

// The file at `path`: only a regular file, or a link to one, at most
// kMaxBytes long, is read, and a read never waits.
Read read(const QString& path);

// Writes the file whole or not at all (its folder is made when missing if
// `makeFolder`). Empty when written; otherwise why not, as a clause.
QString write(const QString& path, const Tournament& tournament, bool makeFolder = false);

}  // namespace tournament_file
