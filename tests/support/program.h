// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/window.h"
#include "scoped_random_source.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class GimmickTableStore;
class TournamentShelf;
class WindowRegistry;

// Drives the program as a user would: windows and controls found by name,
// clicks and typing through QTest.
namespace program {

// Once per test executable: the program's start-up (style, fonts, windows)
// with no window left on screen. The user's data folder is then Qt's test
// folder, never the real one, and a guard watches for modal dialogs.
void start();

// The run's gimmick table, which the test support owns as the program's
// start-up does; tests give it the rows they need. Its one load reads the
// user's own table, as the program's does, or else the one in
// programFolder().
GimmickTableStore& gimmicks();

// What the brackets share, owned by the test support as the program's
// start-up owns it; it keeps the last tournaments in keptFolder(), a
// temporary folder of the run's own.
TournamentShelf& tournaments();
QString keptFolder();

// The folder the run takes for the program's own, where the shipped table
// would be: a temporary one, empty at first, so that the load's empty
// data.dat is made there and never beside the test executable.
QString programFolder();

// Every window of the program, owned by the test support as the program's
// start-up owns them.
WindowRegistry& registry();

// The names of the program's windows, as the program lists them.
QStringList windowNames();

// Before each test: no window loaded, no tournament kept, the random
// sequence back at its fixed start with nothing queued, no dialog expected,
// so the order of tests never matters.
void reset();

// A modal dialog that the running test does not expect is closed within a
// moment and fails that test, naming its text, instead of blocking the run.
// A test that means to open one (the random number generator's refusal,
// say) calls this first; reset() takes it back.
void expectDialogs();

// The values the next draws of the shared random sequence return, queued by
// the tests; emptied by reset().
ScopedRandomSource& random();

// Shows a window as the program would and waits until it is on screen.
// Fails the running test and answers nullptr when the program has no such
// window; call it through QVERIFY.
Window* open(const QString& windowName);

// Opens the main menu, clicks one of its buttons, and names the window then
// on screen (empty when none). With a `selection`, the button is one that
// reads the selector: "Tournaments" shows it and the selection is typed in.
QString openFromMenu(const QString& menuButton, const QString& selection = {});

// Leaves `windowName` by its `back` button for the menu and comes back as a
// user does, through openFromMenu(menuButton, selection). Fails the running
// test and answers false when either step ends elsewhere; call it through
// QVERIFY.
[[nodiscard]] bool reopen(const QString& windowName, const QString& back, const QString& menuButton,
                          const QString& selection = {});

// The window on screen (nullptr when none), and waits for it to be exposed.
Window* onScreen();
// Its name; empty when none.
QString onScreenName();

QWidget* control(const QString& windowName, const QString& controlName);
template <typename T>
T* control(const QString& windowName, const QString& controlName) {
  return qobject_cast<T*>(control(windowName, controlName));
}

// Each fails the running test and answers false when the control is not
// there to use; call them through QVERIFY so that the calling test stops.
[[nodiscard]] bool click(const QString& windowName, const QString& controlName);
// Replaces the text of a box or an editable combo by typing.
[[nodiscard]] bool type(const QString& windowName, const QString& controlName, const QString& text);
// Steps as a user takes them, apart by spaces: "Text1=Ace" types into a box
// or an editable combo ("Text1=" empties it), a name clicks that button, and
// a number the button "Command<number>". Stops at the first step that fails.
[[nodiscard]] bool act(const QString& windowName, const QString& steps);
// Chooses the entry of exactly that text in a combo's list, as a click in
// the list does.
[[nodiscard]] bool choose(const QString& windowName, const QString& comboName,
                          const QString& entry);
QString textOf(const QString& windowName, const QString& controlName);

// Every file where the program could write, each with its size and time, so
// that a test can show it wrote none: the files beside the executable, in
// programFolder() and keptFolder(), and, on Unix, all under the user's data,
// settings and cache folders (a suite gives its run a home of its own first;
// on Windows those folders are shared with suites that write there).
QStringList filesItCouldWrite();

// Lets unloaded windows finish going.
void settle();

// Fails the running test with `message` and answers false, so that a
// helper's caller can stop through QVERIFY.
bool failed(const QString& message);

}  // namespace program
