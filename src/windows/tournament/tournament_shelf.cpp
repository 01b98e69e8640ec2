// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/tournament/tournament_shelf.h"

#include <QDir>
#include <QStandardPaths>

#include <utility>

TournamentShelf::TournamentShelf(QString keptFolder) : keptFolder_(std::move(keptFolder)) {}

void TournamentShelf::enrol(const QString& window, const QString& bracket,
                            const QStringList& boxes) {
  QStringList sorted = boxes;
  sorted.sort();
  brackets_ << Enrolled{window, bracket, sorted};
}

const TournamentShelf::Enrolled* TournamentShelf::find(const QString& window) const {
  for (const Enrolled& each : brackets_) {
    if (each.window == window) return &each;
  }
  return nullptr;
}

QString TournamentShelf::windowFor(const tournament_file::Tournament& tournament,
                                   QString* why) const {
  for (const Enrolled& each : brackets_) {
    if (each.bracket != tournament.bracket) continue;
    if (tournament.boxes.keys() == each.boxes) return each.window;
    *why = QStringLiteral("its boxes are not those of an %1").arg(each.bracket);
    return {};
  }
  *why = QStringLiteral("this program has no bracket called \"%1\"").arg(tournament.bracket);
  return {};
}

TournamentShelf::Opened TournamentShelf::open(const QString& path, const QString& step) const {
  const tournament_file::Read read = tournament_file::read(path);
  if (!read.ok) return {{}, {}, read.problem};
  Opened opened{{}, {read.tournament, step, path}, {}};
  opened.window = windowFor(read.tournament, &opened.problem);
  return opened;
}

void TournamentShelf::handOver(const QString& window, Handed handed) {
  handed_.emplace(window, std::move(handed));
}

std::optional<TournamentShelf::Handed> TournamentShelf::take(const QString& window) {
  if (!handed_ || handed_->first != window) return std::nullopt;
  Handed handed = std::move(handed_->second);
  handed_.reset();
  return handed;
}

QString TournamentShelf::keptPath(const QString& window) const {
  const Enrolled* bracket = find(window);
  const QString folder = keptFolder_.isEmpty()
                             ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                             : keptFolder_;
  if (!bracket || folder.isEmpty()) return {};
  return QDir(folder).filePath(
      QStringLiteral("Last %1.%2").arg(bracket->bracket, QLatin1String(tournament_file::kSuffix)));
}
