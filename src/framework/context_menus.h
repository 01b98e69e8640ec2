// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>

class QAction;
class QEvent;
class QMenu;
class QWidget;

// The right-click menus of a window that offers something of its own (a
// result to share, a bracket's steps): a right-click anywhere opens one; a
// text box keeps Qt's edit menu and gains the window's entries at its foot.
// Each entry of the window is a QAction of the on-screen window, so that its
// keys answer anywhere in it; each menu holds entries of its own that
// trigger them, made anew and gone with the menu, so that a screen reader
// reads every menu whole, the second as well as the first. Made on first
// asking, a child of the on-screen window, it goes when the window unloads.
class ContextMenus : public QObject {
  Q_OBJECT

 public:
  static ContextMenus& of(QWidget* frame);

  // `action` becomes an action of the window and an entry of every menu,
  // after those added before it.
  void add(QAction* action);
  void addSeparator();

 Q_SIGNALS:
  // A menu is opening on `target`, holding Qt's own entries where it has
  // any; the window's entries follow once this returns.
  void opening(QMenu* menu, QWidget* target);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit ContextMenus(QWidget* frame);
  QMenu* menuFor(QWidget* target);

  QWidget* frame_;
  QList<QAction*> entries_;  // nullptr: a separator
};
