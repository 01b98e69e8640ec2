// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The values of the shared sequence that pick a table's slots, and what the
// words drawn from a table tell of it.
namespace draws {

// A value of the shared sequence that draws slot `slot` of a table of `size`:
// the middle of that slot's share of 0..1.
inline float ofSlot(int slot, int size) {
  return (static_cast<float>(slot) - 0.5f) / static_cast<float>(size);
}

// The words that occur more than once in `words` (slot 1 first), each with
// its slots, as "word: 1, 35".
inline QStringList repeated(const QStringList& words) {
  QStringList found;
  for (int i = 0; i < words.size(); ++i) {
    if (words.indexOf(words[i]) != i) continue;
    QStringList places;
    for (int j = i; j < words.size(); ++j) {
      if (words[j] == words[i]) places << QString::number(j + 1);
    }
    if (places.size() > 1) found << words[i] + ": " + places.join(", ");
  }
  return found;
}

// The longest words of `words` and their length, as "16: Double Underhook".
inline QString longest(const QStringList& words) {
  qsizetype most = 0;
  for (const QString& w : words) most = qMax(most, w.size());
  QStringList all;
  for (const QString& w : words) {
    if (w.size() == most) all << w;
  }
  return QString::number(most) + ": " + all.join(", ");
}

}  // namespace draws
