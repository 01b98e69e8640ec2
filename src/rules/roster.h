// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// A list of names pasted into a bracket: one a line, as a text editor or a
// spreadsheet's column gives them, or one a cell, as a spreadsheet's row does.
namespace roster {

// A text holding a line break or a tab is a roster; any other text is a
// single name, pasted as a box always pastes.
bool isRoster(const QString& text);

// The names of a roster as they were given, blanks within and around a name
// kept, as a single pasted name keeps them; a line or cell of nothing but
// blanks is skipped.
QStringList names(const QString& text);

}  // namespace roster
