// SPDX-License-Identifier: GPL-3.0-or-later
// Sharing a result: "Copy as text" and "Copy as picture" in every tool window,
// by their keystrokes and by the context menu; a roster pasted into a
// bracket's first round; "Shuffle entrants". The main menu and Credits share
// nothing, and nothing but a copy changes the clipboard or any file.

// Mouse events go through the window, as the platform's do, so that a
// right-click raises the context menu where the user's would.
#define QTEST_QPA_MOUSE_HANDLING

#include "data/gimmick_table_store.h"
#include "framework/input_hint.h"
#include "program.h"
#include "rules/shared_random.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <algorithm>

namespace {

const QString kUntouched = QStringLiteral("what the user copied last");
const QString kNoShuffleHint = QStringLiteral("No shuffle while later rounds hold results");

const QStringList kNames = {"Ace",   "Blaze", "Cobra", "Duke", "Edge",  "Fang",
                            "Ghost", "Hawk",  "Iron",  "Jinx", "King",  "Lynx",
                            "Mace",  "Nitro", "Onyx",  "Puma", "Quake", "Rex"};

// The first-round boxes as they stand, top to bottom.
QStringList entrantBoxes(const QString& window) {
  QStringList boxes;
  for (int n = 1; n <= (window == "Tourn8" ? 8 : 16); ++n) boxes << QStringLiteral("Text%1").arg(n);
  return boxes;
}

QStringList entrants(const QString& window) {
  QStringList names;
  for (const QString& box : entrantBoxes(window)) names << program::textOf(window, box);
  return names;
}

// Every box past the first round, the result boxes included.
QStringList laterRounds(const QString& window) {
  QStringList texts;
  for (int n = window == "Tourn8" ? 9 : 17; n <= (window == "Tourn8" ? 16 : 32); ++n) {
    texts << program::textOf(window, QStringLiteral("Text%1").arg(n));
  }
  return texts;
}

QString clipboardText() { return QApplication::clipboard()->text(); }

// Ctrl+Shift and the key, pressed where the focus is.
void press(Qt::Key key) {
  QWidget* target = QApplication::focusWidget();
  if (!target) target = program::onScreen()->widget();
  QTest::keyClick(target, key, Qt::ControlModifier | Qt::ShiftModifier);
}

// A right-click on a control of the window on screen (an empty name: the
// window's grey, in its top left corner), and the menu it opened, if any.
QMenu* rightClick(const QString& controlName) {
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

QString withoutMnemonic(const QString& text) {
  return QString(text).remove(u'&').section(u'\t', 0, 0);
}

// A menu's entries as the user reads them, a separator as "-".
QStringList entries(const QMenu* menu) {
  QStringList all;
  for (const QAction* action : menu->actions()) {
    all << (action->isSeparator() ? QStringLiteral("-") : withoutMnemonic(action->text()));
  }
  return all;
}

QAction* entry(const QMenu* menu, const QString& text) {
  for (QAction* action : menu->actions()) {
    if (withoutMnemonic(action->text()) == text) return action;
  }
  return nullptr;
}

// Clicks the entry of an open menu as the user would.
[[nodiscard]] bool choose(QMenu* menu, const QString& text) {
  QAction* action = menu ? entry(menu, text) : nullptr;
  if (!action) {
    QTest::qFail(qPrintable("no menu entry \"" + text + "\""), __FILE__, __LINE__);
    return false;
  }
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
  return true;
}

void paste(QLineEdit* box, const QString& how) {
  box->setFocus();
  if (how == "keystroke") {
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  } else {
    QVERIFY(choose(rightClick(box->objectName()), "Paste"));
  }
}

QString hintBeside(const QString& window, const QString& boxName) {
  auto* box = program::control<QLineEdit>(window, boxName);
  QLabel* balloon = box ? input_hint::balloonOf(box) : nullptr;
  return balloon && balloon->isVisible() ? balloon->text() : QString();
}

// What a screen reader hears for a control beside its name.
QString description(QWidget* control) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
  return face ? face->text(QAccessible::Description) : QString();
}

// Rounds of "(no name) vs (no name)" under their headings.
QString emptyBracket(const QList<QPair<QString, int>>& rounds) {
  QStringList lines;
  for (const auto& [heading, matches] : rounds) {
    if (!lines.isEmpty()) lines << QString();
    lines << heading;
    for (int m = 0; m < matches; ++m) lines << "(no name) vs (no name)";
  }
  return lines.join(u'\n');
}

// Every file where the program could write, each with its size and time:
// beside the executable, and, where this run has folders of its own (a home
// of its own on Unix; on Windows the test folders are shared with suites
// that write there), the user's data, settings and cache folders.
QStringList filesOnDisk() {
  QStringList found;
  QStringList folders = {QCoreApplication::applicationDirPath()};
#ifdef Q_OS_UNIX
  folders << QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
          << QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
          << QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
#endif
  for (const QString& folder : folders) {
    if (folder.isEmpty()) continue;
    const auto depth = folder == QCoreApplication::applicationDirPath()
                           ? QDirIterator::NoIteratorFlags
                           : QDirIterator::Subdirectories;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, depth);
    while (it.hasNext()) {
      const QFileInfo file(it.next());
      found << QStringLiteral("%1 %2 %3")
                   .arg(file.filePath())
                   .arg(file.size())
                   .arg(file.lastModified().toMSecsSinceEpoch());
    }
  }
  found.sort();
  return found;
}

}  // namespace

class SharingTest : public QObject {
  Q_OBJECT

#ifdef Q_OS_UNIX
  QTemporaryDir home_;  // the user's folders of this run, apart from any other suite's
#endif

 private Q_SLOTS:
  void initTestCase() {
#ifdef Q_OS_UNIX
    QVERIFY(home_.isValid());
    qputenv("HOME", QFile::encodeName(home_.path()));
#endif
    program::start();
    // A steady text cursor, so that a window drawn twice is drawn the same.
    QApplication::setCursorFlashTime(0);
  }

  void init() {
    program::reset();
    program::gimmicks().table() = {
        Gimmick{"Biker",
                {{{"Chopper Driver", "sit-out piledriver"},
                  {"Kickstand Slam", "after a running start"},
                  {"Road Burn DDT", "off the ramp, at full speed"}}}},
    };
    QApplication::clipboard()->setText(kUntouched);
  }

  void cleanup() {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  }

  // A list of names pasted into a first-round box fills it and the boxes
  // after it, one name each; a single line pastes as it always did.
  void rosterFillsTheFirstRound_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QStringList>("expected");  // the first round, top to bottom
    QTest::addColumn<QString>("hint");

    QStringList old16, old8;
    for (int n = 1; n <= 16; ++n) old16 << QStringLiteral("Old %1").arg(n);
    old8 = old16.mid(0, 8);
    const QStringList sixteen = kNames.mid(0, 16);
    const QString lines = sixteen.join("\n") + "\n";

    QTest::newRow("sixteen names, one a line") << "Tourn16"
                                               << "Text1"
                                               << "keystroke" << lines << sixteen << "";
    QTest::newRow("CR LF line ends") << "Tourn16"
                                     << "Text1"
                                     << "keystroke" << sixteen.join("\r\n") + "\r\n"
                                     << sixteen << "";
    QTest::newRow("old Mac line ends") << "Tourn16"
                                       << "Text1"
                                       << "keystroke" << sixteen.join("\r") << sixteen << "";
    QTest::newRow("cells of a spreadsheet row")
        << "Tourn16"
        << "Text1"
        << "keystroke" << sixteen.join("\t") << sixteen << "";
    QTest::newRow("blank lines and blank cells skipped")
        << "Tourn8"
        << "Text1"
        << "keystroke"
        << "\n\nAce\r\n\r\n   \nBlaze\t\t \tCobra\n\t\nDuke\n\n"
        << QStringList{"Ace", "Blaze", "Cobra", "Duke", "Old 5", "Old 6", "Old 7", "Old 8"} << "";
    QTest::newRow("names keep their blanks")
        << "Tourn8"
        << "Text1"
        << "keystroke"
        << "  Ace  \nThe  Blaze\n"
        << QStringList{"  Ace  ", "The  Blaze", "Old 3", "Old 4",
                       "Old 5",   "Old 6",      "Old 7", "Old 8"}
        << "";
    QTest::newRow("three names from the fifth box")
        << "Tourn16"
        << "Text5"
        << "keystroke"
        << "Ace\nBlaze\nCobra"
        << old16.mid(0, 4) + QStringList{"Ace", "Blaze", "Cobra"} + old16.mid(7) << "";
    QTest::newRow("two names too many")
        << "Tourn16"
        << "Text1"
        << "keystroke" << kNames.join("\n") << sixteen << "2 names left over: no box left for them";
    QTest::newRow("eight-man, one name too many")
        << "Tourn8"
        << "Text1"
        << "keystroke" << kNames.mid(0, 9).join("\n") << kNames.mid(0, 8)
        << "1 name left over: no box left for it";
    QTest::newRow("the menu's Paste") << "Tourn16"
                                      << "Text1"
                                      << "menu" << lines << sixteen << "";
    QTest::newRow("the menu's Paste in the last box")
        << "Tourn8"
        << "Text8"
        << "menu"
        << "Ace\nBlaze\nCobra" << old8.mid(0, 7) + QStringList{"Ace"}
        << "2 names left over: no box left for them";
    QTest::newRow("one name and its line end")
        << "Tourn8"
        << "Text3"
        << "keystroke"
        << "Ace\r\n"
        << QStringList{"Old 1", "Old 2", "Ace", "Old 4", "Old 5", "Old 6", "Old 7", "Old 8"} << "";
    QTest::newRow("nothing but line ends") << "Tourn8"
                                           << "Text3"
                                           << "keystroke"
                                           << "\r\n\n\t" << old8 << "";
    // A single line goes in at the cursor, as a box's own paste puts it.
    QTest::newRow("a single line, by keystroke")
        << "Tourn8"
        << "Text2"
        << "keystroke"
        << "Ace"
        << QStringList{"Old 1", "Old 2Ace", "Old 3", "Old 4", "Old 5", "Old 6", "Old 7", "Old 8"}
        << "";
    QTest::newRow("a single line, by the menu")
        << "Tourn16"
        << "Text16"
        << "menu"
        << "Ace" << old16.mid(0, 15) + QStringList{"Old 16Ace"} << "";
  }

  void rosterFillsTheFirstRound() {
    QFETCH(QString, window);
    QFETCH(QString, box);
    QFETCH(QString, how);
    QFETCH(QString, clipboard);
    QFETCH(QStringList, expected);
    QFETCH(QString, hint);
    QVERIFY(program::open(window));
    const QStringList boxes = entrantBoxes(window);
    for (int i = 0; i < boxes.size(); ++i) {
      program::control<QLineEdit>(window, boxes[i])->setText(QStringLiteral("Old %1").arg(i + 1));
    }
    QApplication::clipboard()->setText(clipboard);

    paste(program::control<QLineEdit>(window, box), how);
    QCOMPARE(entrants(window), expected);
    QCOMPARE(hintBeside(window, box), hint);
    QCOMPARE(description(program::control(window, box)), hint);
    for (const QString& later : laterRounds(window)) QCOMPARE(later, QString());
    QCOMPARE(clipboardText(), clipboard);  // a paste copies nothing
  }

  // A roster typed in, then shuffled: the same names in another order, by
  // the keystroke or the menu. Three draws in a row leaving the order as it
  // was would be a broken shuffle (one chance in 40320 cubed for eight).
  void shuffleDrawsTheEntrantsAnew_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("how");
    QTest::newRow("sixteen-man, keystroke") << "Tourn16"
                                            << "keystroke";
    QTest::newRow("sixteen-man, menu") << "Tourn16"
                                       << "menu";
    QTest::newRow("eight-man, keystroke") << "Tourn8"
                                          << "keystroke";
    QTest::newRow("eight-man, menu") << "Tourn8"
                                     << "menu";
  }

  void shuffleDrawsTheEntrantsAnew() {
    QFETCH(QString, window);
    QFETCH(QString, how);
    QVERIFY(program::open(window));
    const QStringList boxes = entrantBoxes(window);
    QStringList typed = kNames.mid(0, boxes.size());
    typed[2] = QString();  // a bye is drawn like a name
    for (int i = 0; i < boxes.size(); ++i) QVERIFY(program::type(window, boxes[i], typed[i]));

    QStringList drawn = typed;
    for (int attempt = 0; attempt < 3 && drawn == typed; ++attempt) {
      if (how == "keystroke") {
        press(Qt::Key_S);
      } else {
        QVERIFY(choose(rightClick("Text1"), "Shuffle entrants"));
      }
      drawn = entrants(window);
    }
    QVERIFY2(drawn != typed, "the entrants kept their order");
    QStringList sortedTyped = typed, sortedDrawn = drawn;
    sortedTyped.sort();
    sortedDrawn.sort();
    QCOMPARE(sortedDrawn, sortedTyped);
    for (const QString& later : laterRounds(window)) QCOMPARE(later, QString());
    QCOMPARE(clipboardText(), kUntouched);
  }

  // The shuffle draws from a source of its own: the eight-man bracket's
  // "Random" draws after a shuffle are the draws it made without one.
  void shuffleLeavesTheSharedDrawsAlone() {
    const auto upperWins = [](bool shuffleFirst) {
      program::reset();
      QList<bool> pattern;
      if (!program::open("Tourn8")) return pattern;
      for (int n = 1; n <= 8; ++n) {
        if (!program::type("Tourn8", QStringLiteral("Text%1").arg(n), kNames[n - 1]))
          return pattern;
      }
      if (shuffleFirst) {
        for (int attempt = 0; attempt < 3 && entrants("Tourn8") == kNames.mid(0, 8); ++attempt) {
          press(Qt::Key_S);
        }
      }
      // Who meets whom: the upper slot, the "Random" button, the winner's slot.
      const QStringList matches[] = {
          {"Text1", "Command17", "Text9"},   {"Text3", "Command18", "Text10"},
          {"Text5", "Command19", "Text11"},  {"Text7", "Command20", "Text12"},
          {"Text9", "Command22", "Text13"},  {"Text11", "Command21", "Text14"},
          {"Text13", "Command23", "Text15"},
      };
      for (const QStringList& m : matches) {
        if (!program::click("Tourn8", m[1])) return pattern;
        pattern << (program::textOf("Tourn8", m[2]) == program::textOf("Tourn8", m[0]));
      }
      return pattern;
    };
    const QList<bool> unshuffled = upperWins(false);
    QCOMPARE(unshuffled.size(), 7);
    const QList<bool> shuffled = upperWins(true);
    QVERIFY(entrants("Tourn8") != kNames.mid(0, 8));
    QCOMPARE(shuffled, unshuffled);
  }

  // While any box past the first round holds a text, the entry is disabled
  // and says why, and the keystroke only shows why beside that box. A final
  // won between two empty boxes leaves nothing, so nothing stops a shuffle.
  void shuffleRefusedWhileResultsStand_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("emptied");  // boxes emptied after the clicks
    QTest::addColumn<QString>("heldIn");       // the box the refusal points at; empty: none
    const QStringList toTheWinner = {"Command1", "Command17", "Command25", "Command29"};
    QStringList beforeTheResult;
    for (int n = 17; n <= 30; ++n) beforeTheResult << QStringLiteral("Text%1").arg(n);
    QTest::newRow("eight-man, a round-one win")
        << "Tourn8" << QStringList{"Command3"} << QStringList{} << "Text10";
    QTest::newRow("eight-man, a round-one draw")
        << "Tourn8" << QStringList{"Command20"} << QStringList{} << "Text12";
    QTest::newRow("sixteen-man, run to the winner")
        << "Tourn16" << toTheWinner << QStringList{} << "Text17";
    QTest::newRow("sixteen-man, the winner's box alone")
        << "Tourn16" << toTheWinner << beforeTheResult << "Text32";
    QTest::newRow("sixteen-man, a final of empty boxes")
        << "Tourn16" << QStringList{"Command30"} << QStringList{} << "";
  }

  void shuffleRefusedWhileResultsStand() {
    QFETCH(QString, window);
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, emptied);
    QFETCH(QString, heldIn);
    QVERIFY(program::open(window));
    const QStringList boxes = entrantBoxes(window);
    for (int i = 0; i < boxes.size(); ++i) QVERIFY(program::type(window, boxes[i], kNames[i]));
    for (const QString& button : clicks) QVERIFY(program::click(window, button));
    for (const QString& box : emptied) program::control<QLineEdit>(window, box)->clear();

    QMenu* menu = rightClick("Text1");
    QVERIFY(menu);
    QAction* shuffle = menu->actions().last();
    const int index = int(menu->actions().size()) - 1;
    QAccessibleInterface* item = QAccessible::queryAccessibleInterface(menu)->child(index);
    QVERIFY(item);
    if (heldIn.isEmpty()) {
      QVERIFY(shuffle->isEnabled());
      QCOMPARE(withoutMnemonic(shuffle->text()), QString("Shuffle entrants"));
      menu->close();
      return;
    }
    QVERIFY(!shuffle->isEnabled());
    QVERIFY(item->state().disabled);
    const QString reason = "Shuffle entrants (not while later rounds hold results)";
    QCOMPARE(withoutMnemonic(shuffle->text()), reason);
    QCOMPARE(item->text(QAccessible::Name), reason);
    menu->close();

    const QStringList before = entrants(window);
    press(Qt::Key_S);
    QCOMPARE(entrants(window), before);
    QCOMPARE(hintBeside(window, heldIn), kNoShuffleHint);
    QCOMPARE(description(program::control(window, heldIn)), kNoShuffleHint);
    QCOMPARE(clipboardText(), kUntouched);

    // "Reset" empties the bracket, and the entry is back.
    QVERIFY(program::click(window, window == "Tourn8" ? "Command16" : "Reset"));
    QCOMPARE(hintBeside(window, heldIn), QString());
    menu = rightClick("Text1");
    QVERIFY(menu);
    QVERIFY(menu->actions().last()->isEnabled());
    QCOMPARE(withoutMnemonic(menu->actions().last()->text()), QString("Shuffle entrants"));
    menu->close();
  }

  // The whole bracket, round by round, every result as it stands.
  void copyTextGivesTheWholeBracket_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("retyped");  // box, text, ... typed after the clicks
    QTest::addColumn<QString>("expected");

    QTest::newRow("sixteen-man, run to the winner")
        << "Tourn16" << kNames.mid(0, 16)
        << QStringList{"Command1",  "Command4",  "Command5",  "Command8",  "Command9",
                       "Command12", "Command13", "Command16", "Command18", "Command19",
                       "Command21", "Command24", "Command25", "Command28", "Command30"}
        << QStringList{}
        << "Round one\n"
           "Ace def. Blaze\n"
           "Duke def. Cobra\n"
           "Edge def. Fang\n"
           "Hawk def. Ghost\n"
           "Iron def. Jinx\n"
           "Lynx def. King\n"
           "Mace def. Nitro\n"
           "Puma def. Onyx\n"
           "\n"
           "Quarter-finals\n"
           "Duke def. Ace\n"
           "Edge def. Hawk\n"
           "Iron def. Lynx\n"
           "Puma def. Mace\n"
           "\n"
           "Semi-finals\n"
           "Duke def. Edge\n"
           "Puma def. Iron\n"
           "\n"
           "Final\n"
           "Puma def. Duke\n"
           "\n"
           "Winner: Puma\n"
           "Runner up: Duke";
    QTest::newRow("eight-man, part decided, an empty name")
        << "Tourn8" << QStringList{"Ace", "Blaze", "Cobra", "", "Edge", "Fang", "Ghost", "Hawk"}
        << QStringList{"Command1", "Command4", "Command6", "Command11"} << QStringList{}
        << "Round one\n"
           "Ace def. Blaze\n"
           "Cobra vs (no name)\n"
           "Fang def. Edge\n"
           "Ghost vs Hawk\n"
           "\n"
           "Semi-finals\n"
           "Ace vs (no name)\n"
           "Fang def. (no name)\n"
           "\n"
           "Final\n"
           "(no name) vs Fang";
    QTest::newRow("eight-man, a final won by the lower finalist")
        << "Tourn8" << kNames.mid(0, 8)
        << QStringList{"Command2",  "Command3",  "Command6", "Command7",
                       "Command10", "Command11", "Command14"}
        << QStringList{}
        << "Round one\n"
           "Blaze def. Ace\n"
           "Cobra def. Duke\n"
           "Fang def. Edge\n"
           "Ghost def. Hawk\n"
           "\n"
           "Semi-finals\n"
           "Cobra def. Blaze\n"
           "Fang def. Ghost\n"
           "\n"
           "Final\n"
           "Fang def. Cobra\n"
           "\n"
           "Winner: Fang\n"
           "Runner up: Cobra";
    QTest::newRow("eight-man, a final of empty boxes stays undecided")
        << "Tourn8" << QStringList(8, QString()) << QStringList{"Command13"} << QStringList{}
        << emptyBracket({{"Round one", 4}, {"Semi-finals", 2}, {"Final", 1}});
    // A winner's box that holds neither name, as when an entrant is retyped
    // after the win, leaves its match undecided.
    QTest::newRow("eight-man, an entrant retyped after the win")
        << "Tourn8" << kNames.mid(0, 8) << QStringList{"Command1", "Command9"}
        << QStringList{"Text1", "Zed"}
        << "Round one\n"
           "Zed vs Blaze\n"
           "Cobra vs Duke\n"
           "Edge vs Fang\n"
           "Ghost vs Hawk\n"
           "\n"
           "Semi-finals\n"
           "Ace def. (no name)\n"
           "(no name) vs (no name)\n"
           "\n"
           "Final\n"
           "Ace vs (no name)";
  }

  void copyTextGivesTheWholeBracket() {
    QFETCH(QString, window);
    QFETCH(QStringList, names);
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, retyped);
    QFETCH(QString, expected);
    QVERIFY(program::open(window));
    const QStringList boxes = entrantBoxes(window);
    for (int i = 0; i < boxes.size(); ++i) QVERIFY(program::type(window, boxes[i], names[i]));
    for (const QString& button : clicks) QVERIFY(program::click(window, button));
    for (int i = 0; i + 1 < retyped.size(); i += 2) {
      QVERIFY(program::type(window, retyped[i], retyped[i + 1]));
    }
    QCOMPARE(clipboardText(), kUntouched);
    press(Qt::Key_C);
    QCOMPARE(clipboardText(), expected);
  }

  // Every tool window's result as text, by the keystroke and by the context
  // menu on one of its controls.
  void copyTextInEveryToolWindow_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("typed");  // box, text, box, text...
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("menuOn");  // empty: the window's grey
    QTest::addColumn<QString>("expected");

    QTest::newRow("Tourn8, as it opens")
        << "Tourn8" << QStringList{} << QList<float>{} << QStringList{} << "Label1"
        << emptyBracket({{"Round one", 4}, {"Semi-finals", 2}, {"Final", 1}});
    QTest::newRow("Tourn16, as it opens")
        << "Tourn16" << QStringList{} << QList<float>{} << QStringList{} << "Text20"
        << emptyBracket(
               {{"Round one", 8}, {"Quarter-finals", 4}, {"Semi-finals", 2}, {"Final", 1}});
    QTest::newRow("Match") << "Match" << QStringList{"Text1", "Ace",   "Text2", "Blaze", "Text4",
                                                     "Cobra", "Text5", "Duke",  "Text7", "Edge"}
                           << QList<float>{0.9f, 0.5f} << QStringList{"Command1", "Command2"}
                           << "Command1"
                           << "1 -vs- 1: Ace vs Blaze\n"
                              "Winner: Ace\n"
                              "\n"
                              "1 -vs- 1 -vs- 1: Cobra vs Duke vs Edge\n"
                              "Winner: Duke";
    QTest::newRow("Match, as it opens")
        << "Match" << QStringList{} << QList<float>{} << QStringList{} << "Text3"
        << "1 -vs- 1: (no name) vs (no name)\n"
           "Winner:\n"
           "\n"
           "1 -vs- 1 -vs- 1: (no name) vs (no name) vs (no name)\n"
           "Winner:";
    QTest::newRow("NameGen") << "NameGen" << QStringList{} << QList<float>{0.0f, 0.0f}
                             << QStringList{"Command1"} << ""
                             << "Wrestler name: Adam Smith";
    QTest::newRow("Finisher") << "Finisher" << QStringList{"Combo1", "Move"} << QList<float>{0.0f}
                              << QStringList{"Command1"} << "Combo1"
                              << "Finisher: Piledriver";
    QTest::newRow("Finisher, as it opens")
        << "Finisher" << QStringList{} << QList<float>{} << QStringList{} << ""
        << "Finisher: <Finisher Name>";
    QTest::newRow("FiniGimm") << "FiniGimm" << QStringList{"Combo1", "Biker"} << QList<float>{0.0f}
                              << QStringList{"Command1"} << "Text2"
                              << "Gimmick: Biker\n"
                                 "Finisher: Chopper Driver\n"
                                 "Notes: sit-out piledriver";
    QTest::newRow("Rando") << "Rando" << QStringList{"Text1", "1", "Text2", "10"}
                           << QList<float>{0.55f} << QStringList{"Command1"} << "Text3"
                           << "Random number between 1 and 10: 6";
    QTest::newRow("calc") << "calc" << QStringList{"Text2", "55", "Text3", "60", "Text5", "80",
                                                   "Text6", "0",  "Text7", "70", "Text8", "0"}
                          << QList<float>{} << QStringList{"Command1", "Command4"} << "Label7"
                          << "Overall:\n"
                             "Crowd: 55\n"
                             "Quality: 60\n"
                             "Missing Value: 57\n"
                             "\n"
                             "Rating: 80\n"
                             "Rating: 0\n"
                             "Rating: 70\n"
                             "Rating: 0\n"
                             "Overall Section Ratings: 75";
    QTest::newRow("HexRGB") << "HexRGB" << QStringList{"rEd", "255", "grEen", "128", "blUe", "0"}
                            << QList<float>{} << QStringList{"gEn2"} << "preSets"
                            << "Hex Code: FF800\n"
                               "RGB Code: 255, 128, 0";
    QTest::newRow("HexRGB, as it opens")
        << "HexRGB" << QStringList{} << QList<float>{} << QStringList{} << "hExD"
        << "Hex Code:\nRGB Code:";
  }

  void copyTextInEveryToolWindow() {
    QFETCH(QString, window);
    QFETCH(QStringList, typed);
    QFETCH(QList<float>, draws);
    QFETCH(QStringList, clicks);
    QFETCH(QString, menuOn);
    QFETCH(QString, expected);
    QVERIFY(program::open(window));
    for (int i = 0; i + 1 < typed.size(); i += 2)
      QVERIFY(program::type(window, typed[i], typed[i + 1]));
    for (float draw : draws) program::random().queue(draw);
    for (const QString& button : clicks) QVERIFY(program::click(window, button));
    QCOMPARE(program::random().left(), 0);
    QCOMPARE(clipboardText(), kUntouched);

    press(Qt::Key_C);
    QCOMPARE(clipboardText(), expected);

    QApplication::clipboard()->setText(kUntouched);
    QVERIFY(choose(rightClick(menuOn), "Copy as text"));
    QCOMPARE(clipboardText(), expected);
  }

  // The window's client area as it is drawn, at the screen's pixel ratio.
  void copyPictureIsTheWindowAsDrawn_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("how");
    QTest::newRow("Tourn16, keystroke") << "Tourn16"
                                        << "keystroke";
    QTest::newRow("Tourn8, menu") << "Tourn8"
                                  << "menu";
    QTest::newRow("HexRGB, keystroke") << "HexRGB"
                                       << "keystroke";
    QTest::newRow("HexRGB, menu") << "HexRGB"
                                  << "menu";
  }

  void copyPictureIsTheWindowAsDrawn() {
    QFETCH(QString, window);
    QFETCH(QString, how);
    QVERIFY(program::open(window));
    if (window == "HexRGB") {
      QVERIFY(program::type(window, "rEd", "255"));
      QVERIFY(program::type(window, "grEen", "128"));
      QVERIFY(program::type(window, "blUe", "0"));
      QVERIFY(program::click(window, "gEn2"));
    } else {
      QVERIFY(program::type(window, "Text1", "Ace"));
      QVERIFY(program::click(window, "Command1"));
    }
    QVERIFY(QApplication::clipboard()->image().isNull());
    if (how == "keystroke") {
      press(Qt::Key_P);
    } else {
      QVERIFY(choose(rightClick("Label1"), "Copy as picture"));
    }
    const QImage copied = QApplication::clipboard()->image();
    QWidget* frame = program::onScreen()->widget();
    const qreal ratio = frame->devicePixelRatioF();
    QCOMPARE(copied.size(), (QSizeF(frame->size()) * ratio).toSize());
    if (how == "keystroke") {
      QCOMPARE(copied.convertToFormat(QImage::Format_RGB32),
               frame->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }
    if (window == "HexRGB") {
      const QPoint swatch = program::control(window, "preView")->geometry().center();
      QCOMPARE(copied.pixelColor((QPointF(swatch) * ratio).toPoint()), QColor(255, 128, 0));
    } else {
      QCOMPARE(copied.pixelColor(QPoint(1, 1) * ratio), QColor(128, 128, 128));
    }
  }

  // In a text box the entries follow Qt's own edit menu, after a separator;
  // elsewhere they are the menu. Each shows its keystroke, and every
  // mnemonic of a menu is its own.
  void menusHoldTheEntries_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("editMenu");  // Qt's entries; none outside a box
    QTest::addColumn<bool>("bracket");
    const QStringList editable = {"Undo",  "Redo",   "-", "Cut",       "Copy",
                                  "Paste", "Delete", "-", "Select All"};
    const QStringList locked = {"Copy", "-", "Select All"};
    QTest::newRow("first-round box") << "Tourn16"
                                     << "Text1" << editable << true;
    QTest::newRow("locked box of a bracket") << "Tourn16"
                                             << "Text25" << locked << true;
    QTest::newRow("Win button") << "Tourn8"
                                << "Command5" << QStringList{} << true;
    QTest::newRow("bracket's grey") << "Tourn8"
                                    << "" << QStringList{} << true;
    QTest::newRow("label") << "calc"
                           << "Label3" << QStringList{} << false;
    QTest::newRow("number box") << "calc"
                                << "Text1" << editable << false;
    QTest::newRow("locked result") << "Rando"
                                   << "Text3" << locked << false;
    QTest::newRow("editable list") << "Finisher"
                                   << "Combo1" << editable << false;
    QTest::newRow("drop-down list") << "HexRGB"
                                    << "preSets" << QStringList{} << false;
    QTest::newRow("button") << "Match"
                            << "Command3" << QStringList{} << false;
  }

  void menusHoldTheEntries() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QStringList, editMenu);
    QFETCH(bool, bracket);
    QVERIFY(program::open(window));
    QMenu* menu = rightClick(control);
    QVERIFY(menu);
    QStringList expected = editMenu;
    if (!expected.isEmpty()) expected << "-";
    expected << "Copy as text"
             << "Copy as picture";
    if (bracket) expected << "Shuffle entrants";
    QCOMPARE(entries(menu), expected);

    const QList<QAction*> actions = menu->actions();
    QCOMPARE(entry(menu, "Copy as text")->shortcut(), QKeySequence("Ctrl+Shift+C"));
    QCOMPARE(entry(menu, "Copy as picture")->shortcut(), QKeySequence("Ctrl+Shift+P"));
    if (bracket)
      QCOMPARE(entry(menu, "Shuffle entrants")->shortcut(), QKeySequence("Ctrl+Shift+S"));
    QSet<QKeySequence> mnemonics;
    for (const QAction* action : actions) {
      const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
      if (mnemonic.isEmpty()) continue;
      QVERIFY2(!mnemonics.contains(mnemonic), qPrintable("a second " + mnemonic.toString()));
      mnemonics.insert(mnemonic);
    }
    QVERIFY(mnemonics.contains(QKeySequence::mnemonic(entry(menu, "Copy as text")->text())));
    menu->close();
    QCOMPARE(clipboardText(), kUntouched);
  }

  // The keystrokes mean nothing to a text box: in one, they still copy, and
  // the box keeps its text.
  void keystrokesInATextBox() {
    QVERIFY(program::open("calc"));
    QVERIFY(program::type("calc", "Text2", "55"));
    auto* box = program::control<QLineEdit>("calc", "Text2");
    box->setFocus();
    box->selectAll();
    press(Qt::Key_C);
    QCOMPARE(box->text(), QString("55"));
    QVERIFY(clipboardText().contains("Crowd: 55"));
    press(Qt::Key_P);
    press(Qt::Key_S);
    QCOMPARE(box->text(), QString("55"));
  }

  // Nothing to share: no keystrokes, no menu on the window, and a text box
  // keeps Qt's menu as it is.
  void nothingToShareInTheMenuOrCredits_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::newRow("MainMenu") << "MainMenu"
                              << "";
    QTest::newRow("Credits") << "Credits"
                             << "Text1";
  }

  void nothingToShareInTheMenuOrCredits() {
    QFETCH(QString, window);
    QFETCH(QString, box);
    Window* w = program::open(window);
    QVERIFY(w);
    QVERIFY(w->widget()->findChildren<QAction*>().isEmpty());
    for (const Qt::Key key : {Qt::Key_C, Qt::Key_P, Qt::Key_S}) press(key);
    QCOMPARE(clipboardText(), kUntouched);
    QVERIFY(QApplication::clipboard()->image().isNull());
    QCOMPARE(rightClick(""), nullptr);
    QCOMPARE(rightClick("Label1"), nullptr);
    if (!box.isEmpty()) {
      QMenu* menu = rightClick(box);
      QVERIFY(menu);
      QVERIFY(!entries(menu).contains("Copy as text"));
      menu->close();
    }
    QCOMPARE(program::onScreen()->name(), window);
  }

  // Opening, typing, pasting, shuffling and menus opened and closed change
  // neither the clipboard nor any file; copies change the clipboard only.
  void onlyACopyChangesTheClipboardAndNothingTheDisk() {
    const QStringList before = filesOnDisk();
    for (const char* window : {"Tourn8", "Tourn16", "Match", "NameGen", "Finisher", "FiniGimm",
                               "Rando", "calc", "HexRGB"}) {
      program::reset();  // one window on screen at a time, as in the program
      QVERIFY(program::open(window));
      QCOMPARE(program::onScreen()->name(), QString(window));
      QCOMPARE(clipboardText(), kUntouched);
      QMenu* menu = rightClick("");
      QVERIFY(menu);
      menu->close();
      QCOMPARE(clipboardText(), kUntouched);
    }
    program::reset();
    QVERIFY(program::open("Tourn16"));
    QApplication::clipboard()->setText(kNames.join("\n"));
    paste(program::control<QLineEdit>("Tourn16", "Text1"), "keystroke");
    press(Qt::Key_S);
    QCOMPARE(clipboardText(), kNames.join("\n"));
    QApplication::clipboard()->setText(kUntouched);
    QVERIFY(program::click("Tourn16", "Command1"));
    press(Qt::Key_S);  // refused
    QCOMPARE(clipboardText(), kUntouched);

    press(Qt::Key_C);
    QVERIFY(clipboardText().startsWith("Round one\n"));
    press(Qt::Key_P);
    QVERIFY(!QApplication::clipboard()->image().isNull());
    QCOMPARE(filesOnDisk(), before);
  }
};

QTEST_MAIN(SharingTest)
#include "tst_sharing.moc"
