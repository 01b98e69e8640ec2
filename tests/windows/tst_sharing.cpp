// SPDX-License-Identifier: GPL-3.0-or-later
// Sharing a result: "Copy as text" and "Copy as picture" in every tool window,
// by their keystrokes and by the context menu; a roster pasted into a
// bracket's first round; "Shuffle entrants". The main menu and Credits share
// nothing, and nothing but a copy changes the clipboard or any file. A
// bracket's boxes are read from its table of matches; the steps a row takes
// are written as program::act reads them.

// Mouse events go through the window, as the platform's do, so that a
// right-click raises the context menu where the user's would.
#define QTEST_QPA_MOUSE_HANDLING

#include "context_menu.h"
#include "data/gimmick_table_store.h"
#include "files.h"
#include "hint_check.h"
#include "program.h"
#include "rules/shared_random.h"
#include "windows/tournament/eight_man_matches.h"
#include "windows/tournament/sixteen_man_matches.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <span>

using context_menu::choose;
using context_menu::entries;
using context_menu::rightClick;
using hint_check::balloonText;
using hint_check::description;

namespace {

const QString kUntouched = QStringLiteral("what the user copied last");
const QStringList kNames = {"Ace",   "Blaze", "Cobra", "Duke", "Edge",  "Fang",
                            "Ghost", "Hawk",  "Iron",  "Jinx", "King",  "Lynx",
                            "Mace",  "Nitro", "Onyx",  "Puma", "Quake", "Rex"};

// A bracket's boxes, from its table of matches: the first round's in
// bracket order (each match of two entrants, upper then lower), or the later
// rounds', every box a match fills, the runner-up's included.
QStringList boxesOf(const QString& window, bool laterRounds = false) {
  const auto matches = window == "Tourn8" ? std::span<const BracketMatch>(kEightManMatches)
                                          : std::span<const BracketMatch>(kSixteenManMatches);
  QStringList boxes;
  for (const BracketMatch& m : matches) {
    if (!laterRounds && bracket::fillerOf(matches, m.upper) < 0) boxes << m.upper << m.lower;
    if (laterRounds) boxes << m.into;
    if (laterRounds && m.runnerUp) boxes << m.runnerUp;
  }
  return boxes;
}

QStringList textsOf(const QString& window, const QStringList& boxes) {
  QStringList texts;
  for (const QString& box : boxes) texts << program::textOf(window, box);
  return texts;
}
QStringList entrants(const QString& window) { return textsOf(window, boxesOf(window)); }

// The steps that type `names` into the first round, top to bottom.
QString roster(const QString& window, const QStringList& names) {
  QStringList steps;
  const QStringList boxes = boxesOf(window);
  for (int i = 0; i < boxes.size() && i < names.size(); ++i) steps << boxes[i] + "=" + names[i];
  return steps.join(u' ');
}

QString clipboardText() { return QApplication::clipboard()->text(); }

// Ctrl+Shift and the key, pressed where the focus is.
void press(Qt::Key key) {
  QWidget* target = QApplication::focusWidget();
  if (!target) target = program::onScreen()->widget();
  QTest::keyClick(target, key, Qt::ControlModifier | Qt::ShiftModifier);
}

}  // namespace

class SharingTest : public QObject {
  Q_OBJECT

  QTemporaryDir home_;  // the user's folders of this run, apart from any other suite's
  QStringList filesBefore_;

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(home_.isValid());
    test_home::useOwnHome(home_);
    program::start();
    // A steady text cursor, so that a window drawn twice is drawn the same.
    QApplication::setCursorFlashTime(0);
  }

  void init() {
    // Leaving the last test's bracket keeps its tournament; this test starts after.
    program::reset();
    filesBefore_ = program::filesItCouldWrite();
    program::gimmicks().table() = {Gimmick{"Biker", {{{"Chopper Driver", "sit-out piledriver"}}}}};
    QApplication::clipboard()->setText(kUntouched);
  }

  void cleanup() {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    // Pasting, shuffling, copying: whatever a test did, no file changed.
    QCOMPARE(program::filesItCouldWrite(), filesBefore_);
  }

  // A list of names pasted into a first-round box fills it and the boxes
  // after it, one name each; a single line pastes at the cursor as it always
  // did. Each box holds "Old <n>" before; `placed` is what the first round
  // holds from the pasted box on.
  void rosterFillsTheFirstRound_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QStringList>("placed");
    QTest::addColumn<QString>("hint");
    const QStringList sixteen = kNames.mid(0, 16), ace = {"Ace"};
    const QString one = "1 name left over: no box left for it",
                  two = "2 names left over: no box left for them";
    // clang-format off
    QTest::newRow("sixteen lines, the menu's Paste") << "Tourn16" << "Text1" << "menu"
        << sixteen.join("\n") + "\n" << sixteen << "";
    QTest::newRow("CR LF line ends, two names too many") << "Tourn16" << "Text1" << "key"
        << kNames.join("\r\n") << sixteen << two;
    QTest::newRow("old Mac line ends") << "Tourn16" << "Text1" << "key" << sixteen.join("\r")
        << sixteen << "";
    QTest::newRow("cells of a spreadsheet row") << "Tourn16" << "Text1" << "key"
        << sixteen.join("\t") << sixteen << "";
    QTest::newRow("blank lines and blank cells skipped") << "Tourn8" << "Text1" << "key"
        << "\n\nAce\r\n\r\n   \nBlaze\t\t \tCobra\n\t\nDuke\n\n" << kNames.mid(0, 4) << "";
    QTest::newRow("names keep their blanks") << "Tourn8" << "Text1" << "key"
        << "  Ace  \nThe  Blaze\n" << QStringList{"  Ace  ", "The  Blaze"} << "";
    QTest::newRow("three names from the fifth box") << "Tourn16" << "Text5" << "key"
        << "Ace\nBlaze\nCobra" << kNames.mid(0, 3) << "";
    QTest::newRow("eight-man, one name too many") << "Tourn8" << "Text1" << "key"
        << kNames.mid(0, 9).join("\n") << kNames.mid(0, 8) << one;
    QTest::newRow("the menu's Paste in the last box") << "Tourn8" << "Text8" << "menu"
        << "Ace\nBlaze\nCobra" << ace << two;
    QTest::newRow("one name and its line end") << "Tourn8" << "Text3" << "key" << "Ace\r\n" << ace
        << "";
    QTest::newRow("nothing but line ends") << "Tourn8" << "Text3" << "key" << "\r\n\n\t"
        << QStringList{} << "";
    QTest::newRow("a single line, by keystroke") << "Tourn8" << "Text2" << "key" << "Ace"
        << QStringList{"Old 2Ace"} << "";
    QTest::newRow("a single line, by the menu") << "Tourn16" << "Text16" << "menu" << "Ace"
        << QStringList{"Old 16Ace"} << "";
    // clang-format on
  }

  void rosterFillsTheFirstRound() {
    QFETCH(QString, window);
    QFETCH(QString, box);
    QFETCH(QString, how);
    QFETCH(QString, clipboard);
    QFETCH(QStringList, placed);
    QFETCH(QString, hint);
    QVERIFY(program::open(window));
    const QStringList boxes = boxesOf(window);
    QStringList expected;
    for (int i = 0; i < boxes.size(); ++i) {
      expected << QStringLiteral("Old %1").arg(i + 1);
      program::control<QLineEdit>(window, boxes[i])->setText(expected.last());
    }
    for (int i = 0; i < placed.size(); ++i) expected[boxes.indexOf(box) + i] = placed[i];
    QApplication::clipboard()->setText(clipboard);

    program::control(window, box)->setFocus();
    if (how == "key")
      QTest::keyClick(program::control(window, box), Qt::Key_V, Qt::ControlModifier);
    if (how == "menu") QVERIFY(choose(rightClick(box), "Paste"));
    QCOMPARE(entrants(window), expected);
    QCOMPARE(balloonText(window, box), hint);
    QCOMPARE(description(window, box), hint);
    QCOMPARE(textsOf(window, boxesOf(window, true)).join(""), QString());  // later rounds empty
    QCOMPARE(clipboardText(), clipboard);                                  // a paste copies nothing
  }

  // A roster typed in, a bye among it, then shuffled: the same names in
  // another order, drawn from a random source of the shuffle's own, so that
  // the program's shared sequence, and every result drawn from it, goes on
  // from where it was. While any box past the first round holds a text, the
  // entry is disabled and says why, and the keystroke only shows why beside
  // that box, until "Reset" empties the bracket; a final won between two
  // empty boxes leaves nothing. `alone`: every later box but `heldIn` is
  // emptied after the clicks.
  void shuffleDrawsTheEntrantsAnew_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<bool>("alone");
    QTest::addColumn<QString>("heldIn");  // the box the refusal points at; empty: none
    const BracketMatch& final = std::end(kSixteenManMatches)[-1];
    const QString toTheWinner = "1 17 25 29", toTheFinal = "1 17 25 9 21 27 29";
    // clang-format off
    QTest::newRow("eight-man, keystroke") << "Tourn8" << "key" << "" << false << "";
    QTest::newRow("eight-man, menu") << "Tourn8" << "menu" << "" << false << "";
    QTest::newRow("sixteen-man, keystroke") << "Tourn16" << "key" << "" << false << "";
    QTest::newRow("sixteen-man, menu") << "Tourn16" << "menu" << "" << false << "";
    QTest::newRow("a final of empty boxes") << "Tourn16" << "key" << "30" << false << "";
    QTest::newRow("eight-man, a round-one win") << "Tourn8" << "key" << "3" << false << "Text10";
    QTest::newRow("eight-man, a round-one draw") << "Tourn8" << "key" << "20" << false << "Text12";
    QTest::newRow("sixteen-man, to the winner") << "Tourn16" << "key" << toTheWinner << false
        << "Text17";
    QTest::newRow("the winner's box alone") << "Tourn16" << "key" << toTheFinal << true
        << QString(final.into);
    QTest::newRow("the runner-up's box alone") << "Tourn16" << "key" << toTheFinal << true
        << QString(final.runnerUp);
    // clang-format on
  }

  void shuffleDrawsTheEntrantsAnew() {
    QFETCH(QString, window);
    QFETCH(QString, how);
    QFETCH(QString, clicks);
    QFETCH(bool, alone);
    QFETCH(QString, heldIn);
    const QString shuffle = "Shuffle entrants", hint = "No shuffle while later rounds hold results";
    QVERIFY(program::open(window));
    QStringList typed = kNames.mid(0, boxesOf(window).size());
    typed[5] = QString();  // a bye is drawn like a name
    QVERIFY(program::act(window, roster(window, typed)));
    QVERIFY(program::act(window, clicks));
    for (const QString& box : boxesOf(window, true)) {
      if (alone && box != heldIn) program::control<QLineEdit>(window, box)->clear();
    }
    const QString blocked = "Shuffle entrants (not while later rounds hold results)";
    QMenu* menu = rightClick("Text1");
    QVERIFY(menu);
    qsizetype entry = entries(menu).indexOf(heldIn.isEmpty() ? shuffle : blocked);
    QVERIFY(entry >= 0);
    QCOMPARE(menu->actions().at(entry)->isEnabled(), heldIn.isEmpty());
    menu->close();
    if (heldIn.isEmpty()) {
      // Three draws in a row leaving the order as it was would be a broken
      // shuffle (one chance in 40320 cubed for eight).
      for (int attempt = 0; attempt < 3 && entrants(window) == typed; ++attempt) {
        if (how == "key") press(Qt::Key_S);
        if (how == "menu") QVERIFY(choose(rightClick("Text1"), "Shuffle entrants"));
      }
      QStringList drawn = entrants(window);
      QVERIFY2(drawn != typed, "the entrants kept their order");
      drawn.sort();
      typed.sort();
      QCOMPARE(drawn, typed);
      QCOMPARE(textsOf(window, boxesOf(window, true)).join(""), QString());
      QCOMPARE(clipboardText(), kUntouched);
      // The shared sequence still starts where every run's does.
      const float next = shared_random::next();
      shared_random::restart();
      QCOMPARE(next, shared_random::next());
      return;
    }
    const QStringList before = entrants(window);
    press(Qt::Key_S);
    QCOMPARE(entrants(window), before);
    QCOMPARE(balloonText(window, heldIn), hint);
    QCOMPARE(description(window, heldIn), hint);
    QCOMPARE(clipboardText(), kUntouched);

    QVERIFY(program::click(window, window == "Tourn8" ? "Command16" : "Reset"));
    QCOMPARE(balloonText(window, heldIn), QString());
    menu = rightClick("Text1");
    QVERIFY(menu);
    entry = entries(menu).indexOf(shuffle);
    QVERIFY(entry >= 0);
    QVERIFY(menu->actions().at(entry)->isEnabled());
  }

  // Every tool window's result as text, and the window as a picture, by the
  // keystrokes and by the context menu on one of its controls; a bracket
  // round by round, with every result as it stands.
  void copyGivesTheResult_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<QString>("menuOn");  // empty: the window's grey
    QTest::addColumn<QString>("expected");
    const QList<float> none;
    const QString eight = roster("Tourn8", kNames), sixteen = roster("Tourn16", kNames);
    // A bracket as it opens: every match between two empty names.
    const QString vs = "(no name) vs (no name)\n";
    const QString empty8 = "Round one\n" + vs.repeated(4) + "\nSemi-finals\n" + vs.repeated(2) +
                           "\nFinal\n" + vs.trimmed();
    const QString empty16 = "Round one\n" + vs.repeated(8) + "\nQuarter-finals\n" + vs.repeated(4) +
                            "\nSemi-finals\n" + vs.repeated(2) + "\nFinal\n" + vs.trimmed();
    // clang-format off
    QTest::newRow("Tourn8, as it opens") << "Tourn8" << "" << none << "Label1" << empty8;
    QTest::newRow("Tourn16, as it opens") << "Tourn16" << "" << none << "Text20" << empty16;
    QTest::newRow("Tourn16, run to the winner")
        << "Tourn16" << sixteen + " 1 4 5 8 9 12 13 16 18 19 21 24 25 28 30" << none << ""
        << "Round one\nAce def. Blaze\nDuke def. Cobra\nEdge def. Fang\nHawk def. Ghost\n"
           "Iron def. Jinx\nLynx def. King\nMace def. Nitro\nPuma def. Onyx\n\n"
           "Quarter-finals\nDuke def. Ace\nEdge def. Hawk\nIron def. Lynx\nPuma def. Mace\n\n"
           "Semi-finals\nDuke def. Edge\nPuma def. Iron\n\n"
           "Final\nPuma def. Duke\n\nWinner: Puma\nRunner up: Duke";
    QTest::newRow("Tourn8, part decided, an empty name")
        << "Tourn8" << eight + " Text4= 1 4 6 11" << none << "Text9"
        << "Round one\nAce def. Blaze\nCobra vs (no name)\nFang def. Edge\nGhost vs Hawk\n\n"
           "Semi-finals\nAce vs (no name)\nFang def. (no name)\n\nFinal\n(no name) vs Fang";
    QTest::newRow("Tourn8, a final won by the lower finalist")
        << "Tourn8" << eight + " 2 3 6 7 10 11 14" << none << ""
        << "Round one\nBlaze def. Ace\nCobra def. Duke\nFang def. Edge\nGhost def. Hawk\n\n"
           "Semi-finals\nCobra def. Blaze\nFang def. Ghost\n\n"
           "Final\nFang def. Cobra\n\nWinner: Fang\nRunner up: Cobra";
    QTest::newRow("Tourn8, a final of empty boxes stays undecided")
        << "Tourn8" << "13" << none << "" << empty8;
    // A winner's box that holds neither name, as when an entrant is retyped
    // after the win, leaves its match undecided.
    QTest::newRow("Tourn8, an entrant retyped after the win")
        << "Tourn8" << eight + " 1 9 Text1=Zed" << none << ""
        << "Round one\nZed vs Blaze\nCobra vs Duke\nEdge vs Fang\nGhost vs Hawk\n\n"
           "Semi-finals\nAce def. (no name)\n(no name) vs (no name)\n\nFinal\nAce vs (no name)";
    QTest::newRow("Match") << "Match"
        << "Text1=Ace Text2=Blaze Text4=Cobra Text5=Duke Text7=Edge 1 2" << QList<float>{0.9f, 0.5f}
        << "Command1" << "1 -vs- 1: Ace vs Blaze\nWinner: Ace\n\n"
                         "1 -vs- 1 -vs- 1: Cobra vs Duke vs Edge\nWinner: Duke";
    QTest::newRow("Match, as it opens") << "Match" << "" << none << "Text3"
        << "1 -vs- 1: (no name) vs (no name)\nWinner:\n\n"
           "1 -vs- 1 -vs- 1: (no name) vs (no name) vs (no name)\nWinner:";
    QTest::newRow("NameGen") << "NameGen" << "1" << QList<float>{0.0f, 0.0f} << ""
        << "Wrestler name: Adam Smith";
    QTest::newRow("Finisher") << "Finisher" << "Combo1=Move 1" << QList<float>{0.0f}
        << "Combo1" << "Finisher: Piledriver";
    QTest::newRow("Finisher, as it opens") << "Finisher" << "" << none << ""
        << "Finisher: <Finisher Name>";
    QTest::newRow("FiniGimm") << "FiniGimm" << "Combo1=Biker 1" << QList<float>{0.0f}
        << "Text2" << "Gimmick: Biker\nFinisher: Chopper Driver\nNotes: sit-out piledriver";
    QTest::newRow("Rando") << "Rando" << "Text1=1 Text2=10 1" << QList<float>{0.55f}
        << "Text3" << "Random number between 1 and 10: 6";
    QTest::newRow("calc") << "calc"
        << "Text2=55 Text3=60 Text5=80 Text6=0 Text7=70 Text8=0 1 4" << none << "Label7"
        << "Overall:\nCrowd: 55\nQuality: 60\nMissing Value: 57\n\n"
           "Rating: 80\nRating: 0\nRating: 70\nRating: 0\nOverall Section Ratings: 75";
    QTest::newRow("HexRGB") << "HexRGB" << "rEd=255 grEen=128 blUe=0 gEn2" << none
        << "preSets" << "Hex Code: FF800\nRGB Code: 255, 128, 0";
    QTest::newRow("HexRGB, as it opens") << "HexRGB" << "" << none << "hExD"
        << "Hex Code:\nRGB Code:";
    // clang-format on
  }

  void copyGivesTheResult() {
    QFETCH(QString, window);
    QFETCH(QString, steps);
    QFETCH(QList<float>, draws);
    QFETCH(QString, menuOn);
    QFETCH(QString, expected);
    QVERIFY(program::open(window));
    for (float draw : draws) program::random().queue(draw);
    QVERIFY(program::act(window, steps));
    QCOMPARE(program::random().left(), 0);
    QCOMPARE(clipboardText(), kUntouched);
    QVERIFY(QApplication::clipboard()->image().isNull());
    QWidget* frame = program::onScreen()->widget();
    const qreal ratio = frame->devicePixelRatioF();
    for (const bool byMenu : {false, true}) {
      QApplication::clipboard()->setText(kUntouched);
      if (byMenu) QVERIFY(choose(rightClick(menuOn), "Copy as text"));
      if (!byMenu) press(Qt::Key_C);
      QCOMPARE(clipboardText(), expected);
      if (byMenu) QVERIFY(choose(rightClick(menuOn), "Copy as picture"));
      if (!byMenu) press(Qt::Key_P);
      // The window as it is drawn, at the screen's pixel ratio.
      const QImage copied = QApplication::clipboard()->image();
      QCOMPARE(copied.size(), (QSizeF(frame->size()) * ratio).toSize());
      QCOMPARE(copied.pixelColor(QPoint(1, 1) * ratio), QColor(128, 128, 128));
      QCOMPARE(copied.convertToFormat(QImage::Format_RGB32),
               frame->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }
  }

  // In a text box the entries follow Qt's own edit menu, after a separator;
  // elsewhere they are the menu, and where there is nothing to share there
  // is none. Each shows its keystroke, and every mnemonic of a menu is its own.
  void menusHoldTheEntries_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("expected");
    const QStringList copies = {"Copy as text", "Copy as picture"}, none;
    const QStringList bracket = copies + QStringList{"Shuffle entrants",
                                                     "-",
                                                     "Undo",
                                                     "Redo",
                                                     "-",
                                                     "Save tournament...",
                                                     "Open tournament...",
                                                     "Reopen last tournament"};
    // Qt's menus of a text box, and of one that takes no typing; then ours.
    const QStringList edit = {"Undo",  "Redo",   "-", "Cut",       "Copy",
                              "Paste", "Delete", "-", "Select All"};
    const QStringList locked = {"Copy", "-", "Select All"}, then = {"-"};
    // clang-format off
    QTest::newRow("first-round box")         << "Tourn16"  << "Text1"    << edit + then + bracket;
    QTest::newRow("locked box of a bracket") << "Tourn16"  << "Text25"   << locked + then + bracket;
    QTest::newRow("Win button")              << "Tourn8"   << "Command5" << bracket;
    QTest::newRow("label")                   << "calc"     << "Label3"   << copies;
    QTest::newRow("number box")              << "calc"     << "Text1"    << edit + then + copies;
    QTest::newRow("locked result")           << "Rando"    << "Text3"    << locked + then + copies;
    QTest::newRow("editable list")           << "Finisher" << "Combo1"   << edit + then + copies;
    QTest::newRow("drop-down list")          << "HexRGB"   << "preSets"  << copies;
    QTest::newRow("button")                  << "Match"    << "Command3" << copies;
    QTest::newRow("main menu's title")       << "MainMenu" << "Label1"   << none;
    QTest::newRow("Credits' label")          << "Credits"  << "Label1"   << none;
    QTest::newRow("Credits' text box")       << "Credits"  << "Text1"    << edit;
    // clang-format on
    for (const QString& window : program::windowNames()) {
      const bool shares = window != "MainMenu" && window != "Credits";
      const QStringList ours = window.startsWith("Tourn") ? bracket : copies;
      QTest::addRow("%s's grey", qPrintable(window)) << window << "" << (shares ? ours : none);
    }
  }

  void menusHoldTheEntries() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QStringList, expected);
    Window* w = program::open(window);
    QVERIFY(w);
    // Nothing to share: no actions, and the keystrokes do nothing.
    if (!expected.contains("Copy as text")) {
      QCOMPARE(w->widget()->findChildren<QAction*>(), QList<QAction*>());
      for (const Qt::Key key : {Qt::Key_C, Qt::Key_P, Qt::Key_S}) press(key);
      QVERIFY(QApplication::clipboard()->image().isNull());
    }
    QMenu* menu = rightClick(control);
    QCOMPARE(entries(menu), expected);
    const QMap<QString, QString> keys = {{"Copy as text", "Ctrl+Shift+C"},
                                         {"Copy as picture", "Ctrl+Shift+P"},
                                         {"Shuffle entrants", "Ctrl+Shift+S"},
                                         {"Undo", QKeySequence(QKeySequence::Undo).toString()},
                                         {"Redo", QKeySequence(QKeySequence::Redo).toString()},
                                         {"Save tournament...", "Ctrl+S"},
                                         {"Open tournament...", "Ctrl+O"},
                                         {"Reopen last tournament", ""}};
    QSet<QKeySequence> mnemonics;
    for (qsizetype i = 0; i < expected.size(); ++i) {
      const QAction* action = menu->actions().at(i);
      const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
      if (keys.contains(expected[i])) {
        // The keystroke as the menu shows it, after a tab, as Qt's own entries show theirs.
        QCOMPARE(QKeySequence(action->text().section(u'\t', 1), QKeySequence::NativeText),
                 QKeySequence(keys[expected[i]]));
        QVERIFY(!mnemonic.isEmpty());
      }
      QVERIFY2(mnemonic.isEmpty() || !mnemonics.contains(mnemonic),
               qPrintable("a second " + mnemonic.toString()));
      mnemonics.insert(mnemonic);
    }
    // The second and the third menu, once the first is gone, read whole too.
    for (int again = 0; again < 3; ++again) {
      if (menu) menu->close();
      program::settle();
      if (again < 2) QCOMPARE(entries(menu = rightClick(control)), expected);
    }
    QCOMPARE(clipboardText(), kUntouched);
    QCOMPARE(program::onScreenName(), window);
  }

  // The keystrokes mean nothing to a text box: in one, they still copy, and
  // the box keeps its text.
  void keystrokesInATextBox() {
    QVERIFY(program::open("calc"));
    QVERIFY(program::type("calc", "Text2", "55"));
    program::control<QLineEdit>("calc", "Text2")->selectAll();
    press(Qt::Key_C);
    QVERIFY(clipboardText().contains("Crowd: 55"));
    press(Qt::Key_P);
    press(Qt::Key_S);
    QCOMPARE(program::textOf("calc", "Text2"), QString("55"));
  }
};

QTEST_MAIN(SharingTest)
#include "tst_sharing.moc"
