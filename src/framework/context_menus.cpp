// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/context_menus.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTextEdit>

namespace {

constexpr auto kObjectName = "contextMenus";

// The entry a menu holds for one of the window's actions. The keystroke is
// shown as Qt's own edit menu shows its keys, after a tab; the entry has
// none of its own, so that no key is answered twice.
void addEntry(QMenu* menu, QAction* action) {
  QString text = action->text();
  if (!action->shortcut().isEmpty()) {
    text += u'\t' + action->shortcut().toString(QKeySequence::NativeText);
  }
  QAction* entry = menu->addAction(text);
  entry->setEnabled(action->isEnabled());
  QObject::connect(entry, &QAction::triggered, action, &QAction::trigger);
}

}  // namespace

ContextMenus& ContextMenus::of(QWidget* frame) {
  if (auto* made =
          frame->findChild<ContextMenus*>(QLatin1String(kObjectName), Qt::FindDirectChildrenOnly)) {
    return *made;
  }
  return *new ContextMenus(frame);
}

// A right-click on a label, a button or the window's grey reaches the window
// itself, since they have no menu of their own; boxes and lists have theirs,
// so they are watched one by one.
ContextMenus::ContextMenus(QWidget* frame) : QObject(frame), frame_(frame) {
  setObjectName(QLatin1String(kObjectName));
  frame->installEventFilter(this);
  for (QLineEdit* box : frame->findChildren<QLineEdit*>()) box->installEventFilter(this);
  for (QComboBox* list : frame->findChildren<QComboBox*>()) list->installEventFilter(this);
  for (QTextEdit* box : frame->findChildren<QTextEdit*>())
    box->viewport()->installEventFilter(this);
}

void ContextMenus::add(QAction* action) {
  action->setShortcutContext(Qt::WindowShortcut);
  frame_->addAction(action);
  entries_ << action;
}

void ContextMenus::addSeparator() { entries_ << nullptr; }

bool ContextMenus::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ContextMenu) return QObject::eventFilter(watched, event);
  auto* request = static_cast<QContextMenuEvent*>(event);
  menuFor(qobject_cast<QWidget*>(watched))->popup(request->globalPos());
  return true;
}

// Qt's own edit menu for a text box, the box of an editable list and a
// multi-line box; a menu of its own elsewhere. The window's entries go at
// the foot, after a separator.
QMenu* ContextMenus::menuFor(QWidget* target) {
  QLineEdit* box = qobject_cast<QLineEdit*>(target);
  if (auto* list = qobject_cast<QComboBox*>(target)) box = list->lineEdit();
  QTextEdit* lines = target ? qobject_cast<QTextEdit*>(target->parentWidget()) : nullptr;

  QMenu* menu = nullptr;
  if (box) {
    menu = box->createStandardContextMenu();
  } else if (lines) {
    menu = lines->createStandardContextMenu();
  } else {
    menu = new QMenu(frame_);
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  Q_EMIT opening(menu, box ? box : target);
  if (!menu->isEmpty()) menu->addSeparator();
  for (QAction* action : entries_) {
    if (action) {
      addEntry(menu, action);
    } else {
      menu->addSeparator();
    }
  }
  return menu;
}
