// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>

// One finisher of a gimmick: the move's name and the note that goes with it.
struct Finisher {
  QString move;
  QString note;

  bool operator==(const Finisher&) const = default;
};

// One gimmick of the table: its name and its three finishers. A data file
// holds it as one record of seven comma-separated fields: the name, the three
// moves, then the three notes.
struct Gimmick {
  static constexpr int kFinishers = 3;
  static constexpr int kFields = 1 + 2 * kFinishers;

  QString name;
  std::array<Finisher, kFinishers> finishers;

  bool operator==(const Gimmick&) const = default;

  // Field `index` in the order a record holds them: 0 the name, 1 to 3 the
  // moves of finishers 1 to 3, 4 to 6 their notes.
  const QString& field(int index) const;
  QString& field(int index);

  // The finisher a roll of 1 to kFinishers picks, with its note.
  const Finisher& finisher(int roll) const { return finishers[roll - 1]; }

  // Splits a record's text at its first six commas: the last note keeps any
  // further commas, nothing is trimmed, and a text with fewer commas fills
  // the fields it has and leaves the rest empty.
  static Gimmick fromRecordText(const QString& text);

  // The seven fields joined by commas, as a record holds them.
  QString recordText() const;
};

// What a record's text may hold, for everything that writes one: the table
// tool's build and the gimmick table editor check by these rules and report
// in these words. The text is Windows-1252, one byte a character; Qt decodes
// it only where it was built with ICU, so the code page is carried here.
namespace gimmick_record {

// The most bytes a record's text holds, its six commas included.
inline constexpr int kMaxBytes = 126;

struct Encoding {
  QByteArray bytes;  // the record's text in Windows-1252; empty when refused
  QString refusal;   // empty when the text can be a record's
};

// A record's text as the program reads it: every byte a character.
QString decode(QByteArrayView bytes);

// A record's whole text: every character must exist in Windows-1252, no
// line break, at most 126 bytes once encoded.
Encoding encode(const QString& text);

// A gimmick's record: no comma in the name or a move or the first two
// notes (the last note keeps everything after the sixth comma), then its
// text as above.
Encoding encode(const Gimmick& gimmick);

// As above, but a line break is kept: a record loaded from a file may hold
// one, and the program reads it, so a save writes it back as it came; only a
// new one is refused.
Encoding encodeAsLoaded(const Gimmick& gimmick);

// Why `value` cannot be field `field` (in record order) of a record: only
// the last field may hold a comma. Empty when it can.
QString fieldRefusal(int field, const QString& value);

// Why a line of text cannot be split into a record's seven fields: it needs
// six commas. Empty when it can.
QString commaRefusal(const QString& text);

// How many of the 126 bytes the gimmick's record leaves; below 0 when it is
// over.
int bytesLeft(const Gimmick& gimmick);

}  // namespace gimmick_record
