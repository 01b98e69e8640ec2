// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class GimmickTableStore;
class TournamentShelf;
class WindowRegistry;

// Everything the program does before its event loop: the application's
// name and style, the font fallbacks, one instance of every window added to
// `windows` (the start-up is the one place that knows every window class),
// and the main menu on screen. Needs a QApplication; `windows` and
// `gimmicks` (the run's gimmick table) are owned by the caller for the whole
// run. A window's request to end the program unloads every window and ends
// the event loop. With a tournament `file`, its bracket is what opens, with
// the file in it.
void startProgram(WindowRegistry& windows, GimmickTableStore& gimmicks,
                  TournamentShelf& tournaments, const QString& file = {});

// Opens the tournament file at `path` in its bracket's window, as a step that
// can be taken back; when it cannot be opened, the main menu shows why, and
// so does standard error. True when it opened.
bool openTournament(WindowRegistry& windows, TournamentShelf& tournaments, const QString& path);
