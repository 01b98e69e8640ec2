#pragma once

#include "data/gimmick_table.h"

#include <QLoggingCategory>
#include <QString>

// Where each problem with data.dat is reported, one line each.
Q_DECLARE_LOGGING_CATEGORY(gimmickData)

// The directory whose data.dat the program reads: the directory of its own
// executable.
QString gimmickDataDirectory();

// Reads `directory`/data.dat into a table. A missing file is created empty;
// an existing one is opened read-only and never written. Whatever goes
// wrong, the rows read until then are the table.
GimmickTable loadGimmickTable(const QString& directory);
