// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The benchmark's floor: the program's main menu as a Qt programmer would
// write this one window by hand, the application's look set up as the
// program sets it up, then the window and its controls with plain widget
// calls: no design table, no window registry.
#include <QWidget>

class QComboBox;
class QPushButton;

class HandWrittenMenu : public QWidget {
 public:
  HandWrittenMenu();

  // Shown in the middle of the screen, its first button focused, as the
  // program shows its menu.
  void showCentred();

 private:
  QPushButton* button(const char* name, const char* caption, QRect place, double points, bool bold);

  QComboBox* selector_;
  QPushButton* commence_;
};

// The application-wide look, as the program sets it: its name, the Fusion
// style, the installed faces standing in for the two the menu names, and the
// default dialog font.
void setUpTheHandWrittenApplication();

// Compares the program's menu on screen with the hand-written one, control by
// control and pixel by pixel, so that the floor stays honest when the
// program's menu changes. Prints what differs.
bool drawsTheSameMenu(QWidget* programMenu);

// Lets a window become the active one (an X server answers a little later),
// so that both menus are drawn alike, focus frame included.
void waitUntilActive(QWidget* window);
