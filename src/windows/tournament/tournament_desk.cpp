// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/tournament/tournament_desk.h"

#include "data/table_file.h"
#include "framework/context_menus.h"
#include "framework/input_hint.h"
#include "framework/window.h"
#include "rules/roster.h"
#include "windows/tournament/bracket_text.h"
#include "windows/tournament/tournament_shelf.h"

#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QRandomGenerator>
#include <QShortcut>
#include <QUndoStack>

#include <algorithm>

namespace {

// None of these is a key a text box answers on Linux or on Windows but the
// undo and redo ones, which a box one types in keeps for its own typing.
// Each mnemonic is a letter Qt's edit menu and the sharing entries leave
// free: s, n, d, v, o and l.
const QKeySequence kShuffleKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_S);

// The platform's own keys first, as its menus show them; Ctrl+Z, and both
// Ctrl+Shift+Z and Ctrl+Y, everywhere.
QList<QKeySequence> keysOf(QKeySequence::StandardKey standard, const QList<QKeySequence>& also) {
  QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
  for (const QKeySequence& each : also) {
    if (!keys.contains(each)) keys << each;
  }
  return keys;
}
QList<QKeySequence> undoKeys() {
  return keysOf(QKeySequence::Undo, {QKeySequence(Qt::CTRL | Qt::Key_Z)});
}
QList<QKeySequence> redoKeys() {
  return keysOf(QKeySequence::Redo, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                     QKeySequence(Qt::CTRL | Qt::Key_Y)});
}

const QString kShuffle = QStringLiteral("&Shuffle entrants");
// A shuffle once a match is decided would leave results of matches that were
// never fought; the reason is in the entry's text, which a screen reader reads.
const QString kShuffleBlocked =
    QStringLiteral("&Shuffle entrants (not while later rounds hold results)");
const QString kNoShuffle = QStringLiteral("No shuffle while later rounds hold results");

QString leftOver(qsizetype count) {
  return count == 1 ? QStringLiteral("1 name left over: no box left for it")
                    : QStringLiteral("%1 names left over: no box left for them").arg(count);
}

// "Undo Win for Ace": a step named in a menu entry, a long name cut short,
// a tab or a line break in it shown as a blank, an ampersand as itself.
QString entryText(const QString& verb, QString step) {
  if (step.isEmpty()) return verb;
  for (QChar& c : step) {
    if (c.category() == QChar::Other_Control) c = u' ';
  }
  constexpr qsizetype kLongest = 40;
  if (step.size() > kLongest) step = step.left(kLongest - 1) + QChar(0x2026);
  return verb + u' ' + step.replace(u'&', QStringLiteral("&&"));
}

// Qt 6.5 names the actions of a line edit's menu ("edit-paste"); Qt 6.4,
// Debian's, does not, so there the entry is known by its text as Qt gives it.
QAction* pasteEntry(QMenu* menu) {
  const QString pasteText = QLineEdit::tr("&Paste");
  for (QAction* action : menu->actions()) {
    if (action->objectName() == QLatin1String("edit-paste")) return action;
    if (action->text().section(u'\t', 0, 0) == pasteText) return action;
  }
  return nullptr;
}

bool isOneOf(const QKeyEvent* key, const QList<QKeySequence>& keys) {
  return std::any_of(keys.begin(), keys.end(), [key](const QKeySequence& each) {
    return each == QKeySequence(key->keyCombination());
  });
}

// The local file a drag carries, if any.
QString droppedFile(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().isEmpty()) return {};
  const QUrl url = data->urls().constFirst();
  return url.isLocalFile() ? url.toLocalFile() : QString();
}

}  // namespace

TournamentDesk::TournamentDesk(const Bracket& bracket, TournamentShelf& shelf)
    : QObject(bracket.frame),
      frame_(bracket.frame),
      window_(bracket.window),
      name_(bracket.name),
      switchTo_(bracket.switchTo),
      shelf_(shelf),
      history_(new QUndoStack(this)) {
  slots_ = bracket::boxNames(bracket.matches);
  for (const char* slot : bracket::entrantSlots(bracket.matches))
    entrants_ << box(QString::fromUtf8(slot));

  ContextMenus& menus = ContextMenus::of(frame_);
  shuffle_ = addAction(kShuffle, {kShuffleKeys}, &TournamentDesk::shuffle);
  // Exactly one of the two answers the keystroke at any time: the entry
  // while it is enabled, this one while it is not.
  shuffleRefused_ = new QShortcut(kShuffleKeys, frame_);
  connect(shuffleRefused_, &QShortcut::activated, this, &TournamentDesk::refuseShuffle);
  menus.addSeparator();
  undo_ = addAction(QString(), undoKeys(), nullptr);
  connect(undo_, &QAction::triggered, history_, &QUndoStack::undo);
  redo_ = addAction(QString(), redoKeys(), nullptr);
  connect(redo_, &QAction::triggered, history_, &QUndoStack::redo);
  menus.addSeparator();
  addAction(QStringLiteral("Sa&ve tournament..."), {QKeySequence(Qt::CTRL | Qt::Key_S)},
            &TournamentDesk::save);
  addAction(QStringLiteral("&Open tournament..."), {QKeySequence(Qt::CTRL | Qt::Key_O)},
            &TournamentDesk::askToOpen);
  reopen_ = addAction(QStringLiteral("Reopen &last tournament"), {}, &TournamentDesk::reopenLast);
  connect(&menus, &ContextMenus::opening, this, &TournamentDesk::opening);
  connect(history_, &QUndoStack::indexChanged, this, &TournamentDesk::refreshHistory);
  refreshHistory();

  for (QLineEdit* each : frame_->findChildren<QLineEdit*>()) {
    connect(each, &QLineEdit::textChanged, this, &TournamentDesk::refreshShuffle);
    each->installEventFilter(this);  // a dropped file, a pasted roster, the undo keys
  }
  frame_->setAcceptDrops(true);
  frame_->installEventFilter(this);
  refreshShuffle();
  // Logging out of the desktop ends the program with the bracket on screen.
  connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &TournamentDesk::keep);

  if (auto handed = shelf_.take(window_)) {
    file_ = handed->file;
    bring(handed->tournament.boxes, handed->step);
  }
}

QAction* TournamentDesk::addAction(const QString& text, const QList<QKeySequence>& keys,
                                   void (TournamentDesk::*slot)()) {
  auto* action = new QAction(text, frame_);
  action->setShortcuts(keys);
  if (slot) connect(action, &QAction::triggered, this, slot);
  ContextMenus::of(frame_).add(action);
  return action;
}

QLineEdit* TournamentDesk::box(const QString& slot) const {
  return frame_->findChild<QLineEdit*>(slot);
}

BoxTexts TournamentDesk::texts() const {
  BoxTexts all;
  for (const QString& slot : slots_) all.insert(slot, box(slot)->text());
  return all;
}

void TournamentDesk::step(const std::function<QString()>& change) {
  input_hint::clearAll(frame_);
  const BoxTexts before = texts();
  const QString description = change();
  const BoxTexts after = texts();
  BoxTexts was, now;
  for (auto each = before.cbegin(); each != before.cend(); ++each) {
    if (after.value(each.key()) == each.value()) continue;
    was.insert(each.key(), each.value());
    now.insert(each.key(), after.value(each.key()));
  }
  if (!was.isEmpty()) history_->push(new BracketStep(frame_, description, was, now));
}

void TournamentDesk::bring(const BoxTexts& boxes, const QString& stepName) {
  step([&] {
    for (auto each = boxes.cbegin(); each != boxes.cend(); ++each) {
      Window::setTextOf(box(each.key()), each.value());
    }
    return stepName;
  });
}

// The control a menu was opened on, else the one with the focus, else the
// first entrant's box: where a balloon is seen.
QWidget* TournamentDesk::nearWhereTheUserLooks() const {
  if (menuTarget_ && menuTarget_ != frame_) return menuTarget_;
  QWidget* focus = frame_->focusWidget();
  if (focus && focus != frame_ && focus->parentWidget() == frame_) return focus;
  return entrants_.constFirst();
}

void TournamentDesk::tell(QWidget* near, const QString& message) {
  input_hint::clearAll(frame_);
  input_hint::say(near ? near : nearWhereTheUserLooks(), message);
}

void TournamentDesk::opening(QMenu* menu, QWidget* target) {
  menuTarget_ = target;
  connect(menu, &QObject::destroyed, this, [this] { menuTarget_ = nullptr; });
  reopen_->setEnabled(table_file::isPresent(shelf_.keptPath(window_)));
  auto* target_box = qobject_cast<QLineEdit*>(target);
  QAction* paste = entrants_.contains(target_box) ? pasteEntry(menu) : nullptr;
  if (!paste) return;
  disconnect(paste, &QAction::triggered, target_box, nullptr);
  connect(paste, &QAction::triggered, this, [this, target_box] {
    if (!pasteRoster(target_box, QGuiApplication::clipboard()->text())) target_box->paste();
  });
}

bool TournamentDesk::eventFilter(QObject* watched, QEvent* event) {
  auto* target = qobject_cast<QWidget*>(watched);
  auto* entrant = qobject_cast<QLineEdit*>(watched);
  if (!entrants_.contains(entrant)) entrant = nullptr;
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDropEvent*>(event);
      if (droppedFile(drag->mimeData()).isEmpty()) break;
      drag->acceptProposedAction();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const QString path = droppedFile(drop->mimeData());
      if (path.isEmpty()) break;
      drop->acceptProposedAction();
      // Beside the control it was dropped on: a button passes it to the window.
      QWidget* near = target == frame_ ? frame_->childAt(drop->position().toPoint()) : target;
      open(path, near);
      return true;
    }
    case QEvent::ShortcutOverride: {
      // Typing's own undo and redo, in a box one types in.
      auto* key = static_cast<QKeyEvent*>(event);
      if (entrant && (isOneOf(key, undoKeys()) || isOneOf(key, redoKeys()))) key->accept();
      break;
    }
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (!entrant || !key->matches(QKeySequence::Paste)) break;
      // Ctrl+Shift+Insert pastes the selection where there is one, as the
      // box itself would.
      QClipboard* clipboard = QGuiApplication::clipboard();
      const bool selection = clipboard->supportsSelection() && key->key() == Qt::Key_Insert &&
                             key->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
      return pasteRoster(
          entrant, clipboard->text(selection ? QClipboard::Selection : QClipboard::Clipboard));
    }
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

// From a random source of its own, so that the program's shared sequence,
// and every random result drawn from it, stays as it is.
void TournamentDesk::shuffle() {
  if (!shuffle_->isEnabled()) return refuseShuffle();
  step([this] {
    QStringList names;
    for (const QLineEdit* each : entrants_) names << each->text();
    std::shuffle(names.begin(), names.end(), *QRandomGenerator::global());
    for (qsizetype i = 0; i < entrants_.size(); ++i) Window::setTextOf(entrants_[i], names[i]);
    return QStringLiteral("Shuffle entrants");
  });
}

void TournamentDesk::refuseShuffle() {
  for (const QString& slot : slots_.mid(entrants_.size())) {
    if (box(slot)->text().isEmpty()) continue;
    input_hint::clearAll(frame_);
    input_hint::show(box(slot), kNoShuffle);
    return;
  }
}

void TournamentDesk::refreshShuffle() {
  bool blocked = false;
  for (const QString& slot : slots_.mid(entrants_.size())) blocked |= !box(slot)->text().isEmpty();
  shuffle_->setEnabled(!blocked);
  shuffle_->setText(blocked ? kShuffleBlocked : kShuffle);
  shuffleRefused_->setEnabled(blocked);
}

bool TournamentDesk::pasteRoster(QLineEdit* pastedInto, const QString& text) {
  if (!roster::isRoster(text)) return false;
  const QStringList names = roster::names(text);
  const qsizetype first = entrants_.indexOf(pastedInto);
  qsizetype filled = 0;
  step([&] {
    for (; filled < names.size() && first + filled < entrants_.size(); ++filled) {
      QLineEdit* each = entrants_[first + filled];
      // A paste, so that each box's own undo takes it back too.
      each->selectAll();
      each->insert(names[filled]);
      if (each != pastedInto) each->setCursorPosition(0);
    }
    return QStringLiteral("Paste roster");
  });
  if (filled < names.size()) input_hint::show(pastedInto, leftOver(names.size() - filled));
  return true;
}

void TournamentDesk::refreshHistory() {
  undo_->setText(entryText(QStringLiteral("U&ndo"), history_->undoText()));
  undo_->setEnabled(history_->canUndo());
  redo_->setText(entryText(QStringLiteral("Re&do"), history_->redoText()));
  redo_->setEnabled(history_->canRedo());
}
