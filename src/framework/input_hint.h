// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

// How a tool says that a press could not use what was typed, without a
// message box: the boxes concerned turn pale red and a small balloon under
// one of them says what it accepts (a screen reader hears it as that box's
// description). It stays until that box is edited or until the window's
// next press, which calls clearAll first.
namespace input_hint {

inline constexpr QColor kMarked{255, 205, 205};

// Marks `box` and shows `hint` in a balloon under it (above it when the
// window has no room below). `alsoMarked` are marked without a balloon of
// their own: the other boxes a refused sum or range was made from.
void show(QLineEdit* box, const QString& hint, const QList<QLineEdit*>& alsoMarked = {});

// Shows `message` in a balloon beside `control`, any control of a window,
// and marks nothing: what went wrong was not typed there (a file that could
// not be opened, say). A screen reader hears it as the control's description.
// It stays until the window's next press calls clearAll.
void say(QWidget* control, const QString& message);

// Takes every mark and balloon off the window.
void clearAll(QWidget* window);

bool isMarked(const QLineEdit* box);
// The balloon shown for `control`, or nullptr when there is none.
QLabel* balloonOf(const QWidget* control);

}  // namespace input_hint
