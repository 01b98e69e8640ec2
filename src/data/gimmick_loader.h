// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/gimmick_table.h"

#include <QLoggingCategory>
#include <QString>

// Where each problem with data.dat is reported, one line each.
Q_DECLARE_LOGGING_CATEGORY(gimmickData)

// The directory of the shipped data.dat: the directory of the program's own
// executable.
QString gimmickDataDirectory();

// The run's table: the user's own data.dat at `userPath` when anything
// stands there, otherwise `directory`/data.dat, which is created empty when
// missing. Only a regular file (or a link to one) is read, without ever
// waiting; anything else is refused with a warning and gives an empty table.
// Nothing that exists is written. Whatever goes wrong, the rows read until
// then are the table.
GimmickTable loadGimmickTable(const QString& userPath, const QString& directory);

// `directory`/data.dat alone, as above.
GimmickTable loadGimmickTable(const QString& directory);
