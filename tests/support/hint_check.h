// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/input_hint.h"
#include "program.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTest>

// What a refused press left on a window: which boxes are marked and what
// the balloon under a box says.
namespace hint_check {

inline QStringList markedBoxes() {
  QStringList marked;
  for (QLineEdit* box : program::onScreen()->widget()->findChildren<QLineEdit*>()) {
    if (input_hint::isMarked(box)) marked << box->objectName();
  }
  marked.sort();
  return marked;
}

// The balloon's text beside a box or another control when it is there and
// visible, else nothing.
inline QString balloonText(const QString& window, const QString& box) {
  QWidget* control = program::control(window, box);
  if (!control) return {};
  QLabel* balloon = input_hint::balloonOf(control);
  return balloon && balloon->isVisible() ? balloon->text() : QString();
}

// What a screen reader hears of a box beside its name: the balloon's text
// while there is one.
inline QString description(const QString& window, const QString& box) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(program::control(window, box));
  return face ? face->text(QAccessible::Description) : QString();
}

// Every balloon on screen, by the box it belongs to.
inline int balloonCount() {
  int count = 0;
  for (QLineEdit* box : program::onScreen()->widget()->findChildren<QLineEdit*>()) {
    QLabel* balloon = input_hint::balloonOf(box);
    if (balloon && balloon->isVisible()) ++count;
  }
  return count;
}

// The boxes a visible balloon covers; a balloon goes where it hides none
// whenever the window has such a place.
inline QStringList boxesUnderBalloons() {
  QWidget* window = program::onScreen()->widget();
  QStringList covered;
  for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
    QLabel* balloon = input_hint::balloonOf(box);
    if (!balloon || !balloon->isVisible()) continue;
    if (!window->rect().contains(balloon->geometry())) covered << "outside the window";
    for (QWidget* other : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      const bool isBox = qobject_cast<QLineEdit*>(other) || qobject_cast<QComboBox*>(other);
      if (isBox && balloon->geometry().intersects(other->geometry())) {
        covered << other->objectName();
      }
    }
  }
  return covered;
}

inline QStringList sorted(QStringList names) {
  names.sort();
  return names;
}

}  // namespace hint_check
