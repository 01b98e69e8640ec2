// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/gimmick_table.h"

#include <QLoggingCategory>
#include <QString>

#include <functional>

// Where each problem with data.dat is reported, one line each.
Q_DECLARE_LOGGING_CATEGORY(gimmickData)

// The run's table: the user's own data.dat at `userPath` when anything
// stands there, otherwise `directory`/data.dat, which is created empty when
// missing. Only a regular file (or a link to one) is read, without ever
// waiting; anything else is refused with a warning and gives an empty table.
// Nothing that exists is written. Whatever goes wrong, the rows read until
// then are the table.
GimmickTable loadGimmickTable(const QString& userPath, const QString& directory);

// `directory`/data.dat alone, as above.
GimmickTable loadGimmickTable(const QString& directory);

// The gimmick table of a run and its one load. The start-up code owns it:
// the main menu asks for the load at every load of its own, and only the
// first does anything; the gimmick window reads the table.
class GimmickTableStore {
 public:
  using Loader = std::function<GimmickTable()>;

  // By default the table is the user's own data.dat when there is one, and
  // the one beside the program otherwise.
  GimmickTableStore();
  explicit GimmickTableStore(Loader loader);

  // Loads the table the first time; every later call does nothing, so the
  // file is read once per run whatever happens to it meanwhile.
  void loadOnce();
  bool isLoaded() const { return loaded_; }

  const GimmickTable& table() const { return table_; }
  // The owner's access, for a table given by hand (the tests give theirs).
  GimmickTable& table() { return table_; }

 private:
  Loader loader_;
  GimmickTable table_;
  bool loaded_ = false;
};
