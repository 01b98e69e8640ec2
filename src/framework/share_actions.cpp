// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/share_actions.h"

#include "framework/input_hint.h"
#include "framework/window.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QShortcut>
#include <QTextEdit>

#include <algorithm>

namespace {

// None of them is a key a text box, a list or a button answers on Linux or
// on Windows (Ctrl+Shift+S is Save As on some desktops, which no box knows),
// and none needs AltGr. The mnemonics in the menus are letters Qt's edit
// menu leaves free: x, i and s.
const QKeySequence kCopyTextKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
const QKeySequence kCopyPictureKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_P);
const QKeySequence kShuffleKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_S);

const QString kShuffle = QStringLiteral("&Shuffle entrants");
// A shuffle once a match is decided would leave results of matches that were
// never fought; the reason is in the entry's text, which a screen reader reads.
const QString kShuffleBlocked =
    QStringLiteral("&Shuffle entrants (not while later rounds hold results)");
const QString kNoShuffle = QStringLiteral("No shuffle while later rounds hold results");

// A text holding a line break or a tab is a list of names: one a line, or one
// a cell, as a spreadsheet's column or row pastes.
bool isRoster(const QString& text) {
  return text.contains(u'\n') || text.contains(u'\r') || text.contains(u'\t');
}

// The names of a roster as they were given, blanks within and around a name
// kept, as a single pasted name keeps them; a line or cell of nothing but
// blanks is skipped.
QStringList rosterNames(const QString& text) {
  static const QRegularExpression separator(QStringLiteral("[\\r\\n\\t]"));
  QStringList names;
  for (const QString& entry : text.split(separator)) {
    if (!entry.trimmed().isEmpty()) names << entry;
  }
  return names;
}

QString leftOver(qsizetype count) {
  return count == 1 ? QStringLiteral("1 name left over: no box left for it")
                    : QStringLiteral("%1 names left over: no box left for them").arg(count);
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

}  // namespace

ShareActions::ShareActions(Window& window)
    : QObject(window.widget()), window_(window), entrants_(window.entrantBoxes()) {
  QWidget* frame = window.widget();
  copyText_ = addAction(QStringLiteral("Copy as te&xt"), kCopyTextKeys, &ShareActions::copyText);
  copyPicture_ =
      addAction(QStringLiteral("Copy as p&icture"), kCopyPictureKeys, &ShareActions::copyPicture);
  if (!entrants_.isEmpty()) {
    shuffle_ = addAction(kShuffle, kShuffleKeys, &ShareActions::shuffle);
    // Exactly one of the two answers the keystroke at any time: the entry
    // while it is enabled, this one while it is not.
    shuffleRefused_ = new QShortcut(kShuffleKeys, frame);
    connect(shuffleRefused_, &QShortcut::activated, this, &ShareActions::refuseShuffle);
    for (QLineEdit* box : frame->findChildren<QLineEdit*>()) {
      connect(box, &QLineEdit::textChanged, this, &ShareActions::refreshShuffle);
    }
    refreshShuffle();
  }
  watchBoxes(frame);
}

QAction* ShareActions::addAction(const QString& text, const QKeySequence& keys,
                                 void (ShareActions::*slot)()) {
  QWidget* frame = window_.widget();
  auto* action = new QAction(text, frame);
  action->setShortcut(keys);
  action->setShortcutContext(Qt::WindowShortcut);
  action->setShortcutVisibleInContextMenu(true);
  frame->addAction(action);
  connect(action, &QAction::triggered, this, slot);
  return action;
}

// A right-click on a label, a button or the window's grey reaches the window
// itself, since they have no menu of their own; boxes and lists have theirs,
// so they are watched one by one. The first-round boxes are watched for a
// paste too.
void ShareActions::watchBoxes(QWidget* frame) {
  frame->installEventFilter(this);
  for (QLineEdit* box : frame->findChildren<QLineEdit*>()) box->installEventFilter(this);
  for (QComboBox* list : frame->findChildren<QComboBox*>()) list->installEventFilter(this);
  for (QTextEdit* box : frame->findChildren<QTextEdit*>())
    box->viewport()->installEventFilter(this);
}

bool ShareActions::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ContextMenu) {
    auto* request = static_cast<QContextMenuEvent*>(event);
    menuFor(qobject_cast<QWidget*>(watched))->popup(request->globalPos());
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    if (box && entrants_.contains(box) && key->matches(QKeySequence::Paste)) {
      // Ctrl+Shift+Insert pastes the selection where there is one, as the
      // box itself would.
      QClipboard* clipboard = QGuiApplication::clipboard();
      const bool selection = clipboard->supportsSelection() && key->key() == Qt::Key_Insert &&
                             key->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
      return pasteRoster(
          box, clipboard->text(selection ? QClipboard::Selection : QClipboard::Clipboard));
    }
  }
  return QObject::eventFilter(watched, event);
}

// Qt's own edit menu for a text box, the box of an editable list and a
// multi-line box; a menu of its own elsewhere. The sharing entries go at the
// foot, after a separator.
QMenu* ShareActions::menuFor(QWidget* target) {
  QLineEdit* box = qobject_cast<QLineEdit*>(target);
  if (auto* list = qobject_cast<QComboBox*>(target)) box = list->lineEdit();
  QTextEdit* lines = target ? qobject_cast<QTextEdit*>(target->parentWidget()) : nullptr;

  QMenu* menu = nullptr;
  if (box) {
    menu = box->createStandardContextMenu();
    QAction* paste = entrants_.contains(box) ? pasteEntry(menu) : nullptr;
    if (paste) {
      disconnect(paste, &QAction::triggered, box, nullptr);
      connect(paste, &QAction::triggered, this, [this, box] {
        if (!pasteRoster(box, QGuiApplication::clipboard()->text())) box->paste();
      });
    }
  } else if (lines) {
    menu = lines->createStandardContextMenu();
  } else {
    menu = new QMenu(window_.widget());
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  if (!menu->isEmpty()) menu->addSeparator();
  menu->addAction(copyText_);
  menu->addAction(copyPicture_);
  if (shuffle_) menu->addAction(shuffle_);
  return menu;
}

void ShareActions::copyText() { QGuiApplication::clipboard()->setText(window_.resultText()); }

// The window as it is drawn, at the screen's pixel ratio: grab() renders it
// at that ratio, so the image is the window's size times the ratio.
void ShareActions::copyPicture() {
  QGuiApplication::clipboard()->setImage(window_.widget()->grab().toImage());
}

// From a random source of its own, so that the program's shared sequence,
// and every random result drawn from it, stays as it is.
void ShareActions::shuffle() {
  if (window_.heldResult()) {
    refuseShuffle();
    return;
  }
  input_hint::clearAll(window_.widget());
  QStringList names;
  for (const QLineEdit* box : entrants_) names << box->text();
  std::shuffle(names.begin(), names.end(), *QRandomGenerator::global());
  for (qsizetype i = 0; i < entrants_.size(); ++i) Window::setTextOf(entrants_[i], names[i]);
}

void ShareActions::refuseShuffle() {
  QLineEdit* result = window_.heldResult();
  if (!result) return;
  input_hint::clearAll(window_.widget());
  input_hint::show(result, kNoShuffle);
}

void ShareActions::refreshShuffle() {
  const bool blocked = window_.heldResult() != nullptr;
  shuffle_->setEnabled(!blocked);
  shuffle_->setText(blocked ? kShuffleBlocked : kShuffle);
  shuffleRefused_->setEnabled(blocked);
}

bool ShareActions::pasteRoster(QLineEdit* box, const QString& text) {
  if (!isRoster(text)) return false;
  input_hint::clearAll(window_.widget());
  const QStringList names = rosterNames(text);
  const qsizetype first = entrants_.indexOf(box);
  qsizetype filled = 0;
  for (; filled < names.size() && first + filled < entrants_.size(); ++filled) {
    QLineEdit* each = entrants_[first + filled];
    // A paste, so that each box's own undo takes it back.
    each->selectAll();
    each->insert(names[filled]);
    if (each != box) each->setCursorPosition(0);
  }
  if (filled < names.size()) input_hint::show(box, leftOver(names.size() - filled));
  return true;
}
