#pragma once

#include "shell/window.h"

// What the two knock-out brackets share. A bracket is nothing but the text of
// its slots: every step reads and writes those texts and keeps nothing else.
class Bracket : public Window {
  Q_OBJECT

 public:
  using Window::Window;

 protected:
  // A "Win": the text of one slot goes into the next round's slot. Nothing
  // is checked and nothing else changes; a second click simply overwrites.
  void advance(const char* from, const char* into);

  // The final: the chosen finalist into the winner box, the other one into
  // the runner-up box, both in the same click.
  void settleFinal(const char* champion, const char* other, const char* winnerBox,
                   const char* runnerUpBox);

  // "Reset": empties Text1 to Text<count>, the entrants included.
  void emptySlots(int count);
};
