// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

  // Splits a record's text at its first six commas: the last note keeps any
  // further commas, nothing is trimmed, and a text with fewer commas fills
  // the fields it has and leaves the rest empty.
  static Gimmick fromRecordText(const QString& text);

  // The seven fields joined by commas, as a record holds them.
  QString recordText() const;
};
