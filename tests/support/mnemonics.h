// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QWidget>

// The keys that Alt and a letter press in a window ("&File" answers to
// Alt+F), each with the texts that carry it. Two texts under one key are a
// fault: the first Alt press goes to one of them, the other is reached only
// by pressing again.
namespace mnemonics {

using Keys = QMap<QString, QStringList>;

inline void add(Keys& keys, const QString& text) {
  const QKeySequence key = QKeySequence::mnemonic(text);
  if (!key.isEmpty()) keys[key.toString(QKeySequence::PortableText)] << text;
}

// Every button, group box and label with a buddy (a label without one takes
// no key) of the window, and its menu bar's titles: the keys Alt opens
// wherever the focus is in the window.
inline Keys ofWindow(const QWidget& window) {
  Keys keys;
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (label->buddy()) add(keys, label->text());
  }
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    add(keys, button->text());
  }
  for (const QGroupBox* group : window.findChildren<QGroupBox*>()) add(keys, group->title());
  for (const QMenuBar* bar : window.findChildren<QMenuBar*>()) {
    for (const QAction* title : bar->actions()) add(keys, title->text());
  }
  return keys;
}

// The entries of one open menu.
inline Keys ofMenu(const QMenu& menu) {
  Keys keys;
  for (const QAction* entry : menu.actions()) add(keys, entry->text());
  return keys;
}

// "Alt+F: &File, &Find a name:" for every key that more than one text
// carries; empty when each has its own.
inline QStringList repeated(const Keys& keys) {
  QStringList repeats;
  for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
    if (it.value().size() > 1) repeats << it.key() + ": " + it.value().join(", ");
  }
  return repeats;
}

}  // namespace mnemonics
