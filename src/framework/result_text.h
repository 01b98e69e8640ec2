// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The pieces of a window's result as plain text, for a forum post or a chat
// message (see Window::resultText).
namespace result_text {

// A name within a line: an empty one shows as "(no name)", so that a line
// such as "Alpha vs (no name)" still reads as two entrants.
inline QString name(const QString& value) {
  return value.isEmpty() ? QStringLiteral("(no name)") : value;
}

// "Winner: Alpha": a label as the window shows it, then what its box holds;
// an empty box leaves the label on its own.
inline QString labelled(const QString& label, const QString& value) {
  return value.isEmpty() ? label : label + u' ' + value;
}

}  // namespace result_text
