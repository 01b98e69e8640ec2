// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>

// What the package's programs write in a terminal: each answer whole or a
// failure the program can report by its exit status (a full disk, a closed
// pipe), and paths as the system writes them.
namespace command_line {

// Writes `bytes` to `stream` and flushes it; false when not all of them
// could be written.
bool print(const QByteArray& bytes, FILE* stream = stdout);
// `text` as UTF-8, as above.
bool print(const QString& text, FILE* stream = stdout);

// A path in a message, as the system writes it (backslashes on Windows).
QString shown(const QString& path);

}  // namespace command_line
