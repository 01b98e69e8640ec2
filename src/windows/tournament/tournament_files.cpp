// SPDX-License-Identifier: GPL-3.0-or-later
// The desk's files: a tournament saved and opened, and the last one kept.
#include "windows/tournament/tournament_desk.h"

#include "data/tournament_file.h"
#include "windows/tournament/tournament_shelf.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStandardPaths>

#include <algorithm>

namespace {

Q_LOGGING_CATEGORY(lcTournament, "torvak.tournament")

QString fileFilter() {
  return QStringLiteral("Tournaments (*.%1);;All files (*)")
      .arg(QLatin1String(tournament_file::kSuffix));
}

}  // namespace

void TournamentDesk::save() {
  QString suggested = file_;
  if (suggested.isEmpty()) {
    QString folder = shelf_.lastFolder();
    if (folder.isEmpty()) {
      folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    suggested = QDir(folder).filePath(QStringLiteral("%1 %2.%3")
                                          .arg(name_, QDate::currentDate().toString(Qt::ISODate),
                                               QLatin1String(tournament_file::kSuffix)));
  }
  QFileDialog* dialog =
      askForFile(QStringLiteral("Save tournament"), suggested, &TournamentDesk::saveTo);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setDefaultSuffix(QLatin1String(tournament_file::kSuffix));
  dialog->open();
}

void TournamentDesk::saveTo(const QString& path, QWidget* near) {
  const QString shown = QDir::toNativeSeparators(path);
  if (const QString why = tournament_file::write(path, {name_, texts()}); !why.isEmpty()) {
    return tell(near,
                QStringLiteral("Not saved: %1: %2; every name is still here").arg(shown, why));
  }
  file_ = path;
  shelf_.setLastFolder(QFileInfo(path).absolutePath());
  tell(near, QStringLiteral("Saved as %1").arg(QFileInfo(path).fileName()));
}

void TournamentDesk::askToOpen() {
  const QString folder = file_.isEmpty() ? shelf_.lastFolder() : QFileInfo(file_).absolutePath();
  QFileDialog* dialog =
      askForFile(QStringLiteral("Open tournament"), folder, &TournamentDesk::open);
  dialog->setFileMode(QFileDialog::ExistingFile);
  dialog->open();
}

// The file dialog of "Save tournament..." and "Open tournament...": the file
// chosen goes to `then`, which says what went wrong beside the control the
// player was looking at when asking.
QFileDialog* TournamentDesk::askForFile(const QString& title, const QString& where,
                                        void (TournamentDesk::*then)(const QString&, QWidget*)) {
  auto* dialog = new QFileDialog(frame_, title, where, fileFilter());
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  QPointer<QWidget> near = nearWhereTheUserLooks();
  connect(dialog, &QFileDialog::fileSelected, this,
          [this, near, then](const QString& path) { (this->*then)(path, near); });
  return dialog;
}

void TournamentDesk::open(const QString& path, QWidget* near) {
  const QString fileName = QFileInfo(path).fileName();
  TournamentShelf::Opened opened = shelf_.open(path, QStringLiteral("Open %1").arg(fileName));
  if (!opened.problem.isEmpty()) {
    return tell(near, QStringLiteral("Not opened: %1: %2").arg(fileName, opened.problem));
  }
  shelf_.setLastFolder(QFileInfo(path).absolutePath());
  if (opened.window != window_) {
    shelf_.handOver(opened.window, opened.handed);
    return switchTo_(opened.window);
  }
  file_ = path;
  bring(opened.handed.tournament.boxes, opened.handed.step);
}

void TournamentDesk::reopenLast() {
  const QString path = shelf_.keptPath(window_);
  TournamentShelf::Opened kept = shelf_.open(path, QStringLiteral("Reopen last tournament"));
  if (kept.problem.isEmpty() && kept.window != window_) {
    kept.problem = QStringLiteral("it holds another bracket");
  }
  if (!kept.problem.isEmpty()) {
    return tell(
        nullptr,
        QStringLiteral("Not reopened: %1: %2").arg(QDir::toNativeSeparators(path), kept.problem));
  }
  bring(kept.handed.tournament.boxes, kept.handed.step);
}

void TournamentDesk::keep() const {
  const BoxTexts now = texts();
  if (std::all_of(now.cbegin(), now.cend(), [](const QString& text) { return text.isEmpty(); })) {
    return;
  }
  const QString path = shelf_.keptPath(window_);
  if (path.isEmpty()) return;
  if (const QString why = tournament_file::write(path, {name_, now}, true); !why.isEmpty()) {
    qCWarning(lcTournament, "%s: the tournament was not kept: %s",
              qUtf8Printable(QDir::toNativeSeparators(path)), qUtf8Printable(why));
  }
}
