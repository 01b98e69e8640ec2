// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/gimmick.h"

#include <QStringList>

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
