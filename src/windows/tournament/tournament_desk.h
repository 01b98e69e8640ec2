// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/tournament/bracket_match.h"
#include "windows/tournament/bracket_step.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <span>

class QAction;
class QEvent;
class QFileDialog;
class QLineEdit;
class QMenu;
class QShortcut;
class QUndoStack;
class TournamentShelf;

// What a loaded bracket does with its tournament as a whole, beside its
// "Win" and "Random" buttons: every step of the bracket taken back and done
// again ("Undo Win for Ace": Ctrl+Z, then Ctrl+Shift+Z or Ctrl+Y, while the
// focus is not in a box one types in, whose own undo those keys keep), a
// roster pasted into the first round, "Shuffle entrants", a tournament saved
// (Ctrl+S) and opened (Ctrl+O, or a file dropped on the window), and the last
// tournament kept when the bracket is left, for "Reopen last tournament".
// What cannot be done is said in a balloon where the player is looking; the
// bracket stays exactly as it was. Made when the bracket loads, a child of
// its on-screen window.
class TournamentDesk : public QObject {
  Q_OBJECT

 public:
  struct Bracket {
    QWidget* frame;
    std::span<const BracketMatch> matches;
    QString window;  // "Tourn8"
    QString name;    // as files name it: "8 Man Tournament"
    // Switches to the window of that name, as the bracket's own switch does.
    std::function<void(const QString& window)> switchTo;
  };

  TournamentDesk(const Bracket& bracket, TournamentShelf& shelf);

  // One step of the bracket: `change` makes it and says what it was ("Win
  // for Ace"). A change that leaves every box as it was is no step.
  void step(const std::function<QString()>& change);

  // Opens the tournament file at `path`: here, or in the other bracket's
  // window when it is one of that bracket's. A refusal is said beside `near`.
  void open(const QString& path, QWidget* near);

  // What the bracket holds, for "Reopen last tournament"; a bracket left
  // empty keeps the last one as it is.
  void keep() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* addAction(const QString& text, const QList<QKeySequence>& keys,
                     void (TournamentDesk::*slot)());
  QLineEdit* box(const QString& slot) const;
  BoxTexts texts() const;
  void bring(const BoxTexts& boxes, const QString& step);
  QWidget* nearWhereTheUserLooks() const;
  void tell(QWidget* near, const QString& message);
  void opening(QMenu* menu, QWidget* target);

  void shuffle();
  void refuseShuffle();
  // The shuffle entry says whether a shuffle may happen now, and why not.
  void refreshShuffle();
  // Fills `box` and the first-round boxes after it when `text` is a roster;
  // false when it is not one, for the box's own paste to take.
  bool pasteRoster(QLineEdit* box, const QString& text);
  void refreshHistory();
  QFileDialog* askForFile(const QString& title, const QString& where,
                          void (TournamentDesk::*then)(const QString&, QWidget*));
  void save();
  void saveTo(const QString& path, QWidget* near);
  void askToOpen();
  void reopenLast();

  QWidget* frame_;
  QString window_;
  QString name_;
  std::function<void(const QString&)> switchTo_;
  TournamentShelf& shelf_;
  QStringList slots_;             // every box, the entrants' first
  QList<QLineEdit*> entrants_;    // in bracket order
  QString file_;                  // the file saved or opened last, for Save's suggestion
  QPointer<QWidget> menuTarget_;  // what the open menu was opened on
  QUndoStack* history_;
  QAction* shuffle_ = nullptr;
  QShortcut* shuffleRefused_ = nullptr;  // the shuffle's keys while the entry is disabled
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* reopen_ = nullptr;
};
