// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/gimmick_table.h"

std::optional<int> GimmickTable::firstPlaceNamed(const QString& name) const {
  for (int index = 0; index < size(); ++index) {
    if (gimmicks_[index].name == name) return index;
  }
  // Past the last gimmick every place is an empty one.
  if (name.isEmpty() && !isFull()) return size();
  return std::nullopt;
}

QString GimmickTable::fullRefusal() {
  return QStringLiteral("the table holds at most %1 gimmicks").arg(kPlaces);
}
