// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/gimmick_table.h"

#include <QString>
#include <QStringList>

// The files the editor reads and writes, through the code the program and
// the table tool use: data files read as the program reads them, text
// converted as the tool converts it, every write whole or not at all.
namespace table_document {

struct Opened {
  bool opened = false;
  GimmickTable table;
  QString problem;       // why nothing was opened: "it is a named pipe, not a file"
  QStringList findings;  // "record 3: ...": where saving would not give the same bytes
};

// A data file, refused as the program refuses it (a pipe, a device, a
// folder, a link that leads nowhere). What the program loads is the table;
// the findings name each record the program reads differently from its
// bytes, as the tool's export reports them.
Opened openData(const QString& path);

// Text in the table tool's format; the findings are the refused lines
// ("line 4: ..."), and then nothing is opened.
Opened importText(const QString& path);

// Writes `bytes` to `path` whole or not at all, and only over a file (or a
// link to one). Empty when written; otherwise why not.
QString write(const QString& path, const QByteArray& bytes);

// The table as a data file at `path`; `createFolder` makes the folder first.
QString saveData(const GimmickTable& table, const QString& path, bool createFolder);

// The table as the tool's text at `path`.
QString exportText(const GimmickTable& table, const QString& path);

}  // namespace table_document
