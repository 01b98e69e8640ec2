// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QTemporaryDir;

// Files as the suites make and read them, and a run's user folders of its
// own. QtCore and the data layer only, so that any suite can link them.

// The bytes of the file at `path`; "<unreadable>" when it cannot be read.
QByteArray readFile(const QString& path);

// `bytes` as the whole file at `path`; false when it could not be written.
[[nodiscard]] bool writeFile(const QString& path, const QByteArray& bytes);

namespace test_home {

// Gives the run user folders of its own under `home`, never the real ones,
// before anything looks for them. Qt's test folders on every platform, so
// that the table a user keeps never changes a result; on Unix they, the
// wastebasket included, are under `home`, and the data folder of a table
// tool or editor the run starts, which have no test mode, is the same one on
// the XDG systems. The application is named as the programs name themselves.
// Returns the path of the user's own table, as the program sees it.
QString useOwnHome(const QTemporaryDir& home);

}  // namespace test_home
