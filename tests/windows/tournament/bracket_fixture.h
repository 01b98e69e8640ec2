// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "program.h"

#include <QLineEdit>
#include <QStringList>
#include <QTest>

// What the two bracket suites share: a bracket's slots, opening it as a user
// does, and which slots a click changed. Each check fails the running test
// and answers false; call it through QVERIFY so that the test stops there.
namespace bracket_fixture {

struct Bracket {
  QString window;     // its registry name
  QString menuEntry;  // the selector's entry that opens it
  int entrantCount;   // Text1 to Text<entrants> are typed in
  int slotCount;      // Text1 to Text<slots> in all
};

inline QString slot(int n) { return QStringLiteral("Text%1").arg(n); }

// The text of every slot, Text1 first.
inline QStringList texts(const Bracket& b) {
  QStringList all;
  for (int n = 1; n <= b.slotCount; ++n) all << program::textOf(b.window, slot(n));
  return all;
}

inline bool failed(const QString& message) {
  QTest::qFail(qPrintable(message), __FILE__, __LINE__);
  return false;
}

// Tournaments, the entry typed, COMMENCE.
[[nodiscard]] inline bool openFromMenu(const Bracket& b) {
  if (!program::open("MainMenu")) return failed("the menu did not open");
  if (!program::click("MainMenu", "Command1") ||
      !program::type("MainMenu", "Combo1", b.menuEntry) ||
      !program::click("MainMenu", "Command4")) {
    return false;
  }
  Window* w = program::onScreen();
  if (!w || w->name() != b.window) return failed(b.menuEntry + " did not open " + b.window);
  return true;
}

// Every slot holds its own text: entrants typed, later slots arranged as if
// earlier clicks had written them.
[[nodiscard]] inline bool fillEverySlot(const Bracket& b) {
  for (int n = 1; n <= b.entrantCount; ++n) {
    if (!program::type(b.window, slot(n), QStringLiteral("Entrant %1").arg(n))) return false;
  }
  for (int n = b.entrantCount + 1; n <= b.slotCount; ++n) {
    auto* box = program::control<QLineEdit>(b.window, slot(n));
    if (!box) return failed(slot(n) + " is not a text box");
    box->setText(QStringLiteral("Slot %1").arg(n));
  }
  return true;
}

// After a click, only the named slots may differ from `before`.
[[nodiscard]] inline bool onlyChanged(const Bracket& b, const QStringList& before,
                                      const QStringList& changed) {
  const QStringList after = texts(b);
  for (int n = 1; n <= b.slotCount; ++n) {
    if (changed.contains(slot(n)) || after[n - 1] == before[n - 1]) continue;
    return failed(QStringLiteral("%1 changed from \"%2\" to \"%3\"")
                      .arg(slot(n), before[n - 1], after[n - 1]));
  }
  return true;
}

}  // namespace bracket_fixture
