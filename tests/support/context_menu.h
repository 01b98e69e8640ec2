// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A right-click raises a context menu where the user's would only when mouse
// events go through the window, as the platform's do: a suite defines
// QTEST_QPA_MOUSE_HANDLING before it includes any Qt Test header.
#ifndef QTEST_QPA_MOUSE_HANDLING
#error "define QTEST_QPA_MOUSE_HANDLING before including context_menu.h"
#endif

#include "program.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTextEdit>

// The context menu of a control of the window on screen, as the user opens
// it, reads it and clicks an entry of it.
namespace context_menu {

// A right-click on a control of the window on screen (an empty name: the
// window's grey, in its top left corner), and the menu it opened, if any.
inline QMenu* rightClick(const QString& controlName) {
  QWidget* frame = program::onScreen()->widget();
  QWidget* target = controlName.isEmpty() ? frame : frame->findChild<QWidget*>(controlName);
  if (!target) return nullptr;
  QPoint at = controlName.isEmpty() ? QPoint(2, 2) : target->rect().center();
  if (auto* box = qobject_cast<QTextEdit*>(target)) {
    target = box->viewport();
    at = target->rect().center();
  }
  QTest::mouseClick(target, Qt::RightButton, {}, at);
  return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// The entries of a menu as a screen reader names them, without their
// keystrokes, a separator as "-"; none when there is no menu. An entry the
// accessibility bus would hand a screen reader as nothing reads "(unheard)".
inline QStringList entries(QMenu* menu) {
  QStringList all;
  QAccessibleInterface* face = menu ? QAccessible::queryAccessibleInterface(menu) : nullptr;
  for (int i = 0; face && i < face->childCount(); ++i) {
    QAccessibleInterface* item = face->child(i);
    if (!item || !item->isValid()) {
      all << QStringLiteral("(unheard)");
      continue;
    }
    all << (item->role() == QAccessible::Separator
                ? QStringLiteral("-")
                : item->text(QAccessible::Name).section(u'\t', 0, 0));
  }
  return all;
}

// Clicks the entry of that text in an open menu, as the user would. Fails
// the running test and answers false when there is none; call it through
// QVERIFY.
[[nodiscard]] inline bool choose(QMenu* menu, const QString& entry) {
  const qsizetype index = entries(menu).indexOf(entry);
  if (index < 0) return program::failed("no menu entry \"" + entry + "\"");
  const QRect where = menu->actionGeometry(menu->actions().at(index));
  QTest::mouseClick(menu, Qt::LeftButton, {}, where.center());
  return true;
}

}  // namespace context_menu
