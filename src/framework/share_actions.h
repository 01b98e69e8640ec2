// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>

class QAction;
class QEvent;
class QKeySequence;
class QLineEdit;
class QMenu;
class QShortcut;
class QWidget;
class Window;

// How a window that shares a result (Window::sharesResult) gets its result
// out: "Copy as text" (Ctrl+Shift+C) and "Copy as picture" (Ctrl+Shift+P) as
// actions of the window, and a context menu holding them on a right-click
// anywhere in it; a text box keeps Qt's edit menu and gains them at its foot.
// A bracket (Window::entrantBoxes) also gets "Shuffle entrants"
// (Ctrl+Shift+S), and a roster pasted into a first-round box fills that box
// and the ones after it. The clipboard changes only when a copy is chosen.
// Made when the window loads, a child of its on-screen window, so it goes
// when the window unloads.
class ShareActions : public QObject {
  Q_OBJECT

 public:
  explicit ShareActions(Window& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* addAction(const QString& text, const QKeySequence& keys, void (ShareActions::*slot)());
  void watchBoxes(QWidget* frame);
  QMenu* menuFor(QWidget* target);

  void copyText();
  void copyPicture();
  void shuffle();
  void refuseShuffle();
  // The shuffle entry says whether a shuffle may happen now, and why not.
  void refreshShuffle();
  // Fills `box` and the first-round boxes after it when `text` is a roster;
  // false when it is not one, for the box's own paste to take.
  bool pasteRoster(QLineEdit* box, const QString& text);

  Window& window_;
  const QList<QLineEdit*> entrants_;  // in bracket order; empty but in a bracket
  QAction* copyText_ = nullptr;
  QAction* copyPicture_ = nullptr;
  QAction* shuffle_ = nullptr;
  // The shuffle keystroke while the entry is disabled: it says why.
  QShortcut* shuffleRefused_ = nullptr;
};
