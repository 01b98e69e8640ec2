// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/gimmick.h"

#include <QList>

#include <optional>

// The gimmicks of a run, in the order of the data file's records: at most
// kPlaces of them. The gimmick window always offers all kPlaces places; a
// place past the last gimmick is an empty one.
class GimmickTable {
 public:
  static constexpr int kPlaces = 156;

  GimmickTable() = default;
  GimmickTable(std::initializer_list<Gimmick> gimmicks) : gimmicks_(gimmicks) {}

  int size() const { return static_cast<int>(gimmicks_.size()); }
  bool isFull() const { return size() >= kPlaces; }
  const Gimmick& operator[](int index) const { return gimmicks_[index]; }
  Gimmick& operator[](int index) { return gimmicks_[index]; }
  // Place `index` (0 to kPlaces - 1): the gimmick there, or an empty one.
  Gimmick place(int index) const { return index < size() ? gimmicks_[index] : Gimmick{}; }

  // The first place whose name is `name` exactly, capitals and blanks
  // included: a later gimmick of the same name is never the one used. An
  // empty name finds the first empty place of a table that is not full.
  std::optional<int> firstPlaceNamed(const QString& name) const;
  // What a roll of 1 to Gimmick::kFinishers gives at `place`: that finisher
  // of the gimmick there, with its note.
  Finisher finisher(int place, int roll) const { return this->place(place).finisher(roll); }

  // Why a table cannot take another gimmick: "the table holds at most 156
  // gimmicks".
  static QString fullRefusal();

  void append(const Gimmick& gimmick) { gimmicks_.append(gimmick); }
  void insert(int index, const Gimmick& gimmick) { gimmicks_.insert(index, gimmick); }
  void removeAt(int index) { gimmicks_.removeAt(index); }
  // Takes the gimmick at `from` out and puts it back at `to`.
  void move(int from, int to) { gimmicks_.move(from, to); }
  auto begin() const { return gimmicks_.begin(); }
  auto end() const { return gimmicks_.end(); }

  bool operator==(const GimmickTable&) const = default;

 private:
  QList<Gimmick> gimmicks_;
};
