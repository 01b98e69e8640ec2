// SPDX-License-Identifier: GPL-3.0-or-later
#include "gimmick_editor/table_edits.h"

QString fieldName(int field) {
  if (field == 0) return QStringLiteral("gimmick");
  if (field <= Gimmick::kFinishers) return QStringLiteral("finisher %1").arg(field);
  return QStringLiteral("note on finisher %1").arg(field - Gimmick::kFinishers);
}
