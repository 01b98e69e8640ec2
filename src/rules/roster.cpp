// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/roster.h"

#include <QRegularExpression>

namespace roster {

bool isRoster(const QString& text) {
  return text.contains(u'\n') || text.contains(u'\r') || text.contains(u'\t');
}

QStringList names(const QString& text) {
  static const QRegularExpression separator(QStringLiteral("[\\r\\n\\t]"));
  QStringList found;
  for (const QString& entry : text.split(separator)) {
    if (!entry.trimmed().isEmpty()) found << entry;
  }
  return found;
}

}  // namespace roster
