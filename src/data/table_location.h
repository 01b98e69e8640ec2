// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Where the gimmick table lives. A user's own table, in the per-user data
// folder, comes first; the table beside the program, the shipped one, is
// read otherwise. The program, the table tool and the editor all ask here,
// so they always agree.
namespace table_location {

inline constexpr auto kFileName = "data.dat";

// Names the application as QStandardPaths sees it. Called first thing by
// the program, the table tool and the editor; the name is also the title a
// window falls back on, so it stays the program's own name.
void nameApplication();

// The folder of the shipped data.dat: the folder of the running program's
// own executable.
QString programDirectory();

// data.dat in the per-user data folder (QStandardPaths::AppDataLocation),
// whether or not it exists; empty when the system has no such folder.
QString userTablePath();

struct Choice {
  QString path;
  bool createWhenMissing = false;  // only beside the program, never the user's
};

// The user's table when anything stands at its path, even something that
// cannot be read (it is then refused, not passed over); otherwise the one
// in `programDirectory`, created empty when missing.
Choice chooseTable(const QString& userPath, const QString& programDirectory);

struct ChosenTable {
  QString path;
  QByteArray bytes;      // at most a full table's bytes
  QStringList warnings;  // whole lines, each naming the file and why
};

// The run's one read: the chosen table read safely, or created empty beside
// the program when neither is there. Nothing that exists is ever written.
ChosenTable readTable(const QString& userPath, const QString& programDirectory);

}  // namespace table_location
