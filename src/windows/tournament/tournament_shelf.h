// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/tournament_file.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What the two brackets share beyond a window's life: which bracket a
// tournament file names, a tournament handed from one bracket to the other
// (a file of the sixteen-man bracket opened in the eight-man one opens in
// its own window), and the last tournament each bracket held, kept in the
// user's data folder. The start-up owns it for the whole run.
class TournamentShelf {
 public:
  // A tournament on its way into a bracket: its boxes, the step that brings
  // it ("Open semis.tournament") and the file it came from, if any.
  struct Handed {
    tournament_file::Tournament tournament;
    QString step;
    QString file;
  };

  // The last tournaments are kept in `keptFolder`; by default in the user's
  // data folder (QStandardPaths::AppDataLocation), as it is when they are kept.
  explicit TournamentShelf(QString keptFolder = {});

  // Each bracket says once which window it is, the name files give it ("8 Man
  // Tournament") and the names of its boxes.
  void enrol(const QString& window, const QString& bracket, const QStringList& boxes);

  // The window of the bracket `tournament` belongs to; empty, with `why`
  // said, when no bracket of this program has exactly its boxes.
  QString windowFor(const tournament_file::Tournament& tournament, QString* why) const;

  // The tournament file at `path`, read and checked, and the window of its
  // bracket; or why it cannot be opened, as a clause. `step` names the step
  // that will bring it into a bracket.
  struct Opened {
    QString window;
    Handed handed;
    QString problem;
  };
  Opened open(const QString& path, const QString& step) const;

  // Handed to `window`, which takes it when it next loads.
  void handOver(const QString& window, Handed handed);
  std::optional<Handed> take(const QString& window);

  // The file that keeps the last tournament of `window`'s bracket; empty
  // when the system has no per-user data folder.
  QString keptPath(const QString& window) const;

  // The folder a tournament was last saved to or opened from in this run,
  // where the next save or open starts.
  const QString& lastFolder() const { return lastFolder_; }
  void setLastFolder(const QString& folder) { lastFolder_ = folder; }

 private:
  struct Enrolled {
    QString window, bracket;
    QStringList boxes;  // sorted
  };
  const Enrolled* find(const QString& window) const;

  QString keptFolder_;
  QList<Enrolled> brackets_;
  std::optional<std::pair<QString, Handed>> handed_;
  QString lastFolder_;
};
