// SPDX-License-Identifier: GPL-3.0-or-later
#include "bracket_fixture.h"
#include "program.h"
#include "rules/shared_random.h"
#include "scoped_random_source.h"
#include "windows/tournament/eight_man_matches.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <cmath>
#include <iterator>
#include <span>

using program::click;
using program::textOf;
using namespace bracket_fixture;

namespace {

const bracket_fixture::Bracket kBracket{"Tourn8", "8 Man Tournament", 8, 16};
const QString kWindow = kBracket.window;
const float kLargestGivingFive = std::nextafter(0.5f, 0.0f);  // 5.99999... -> 5

// Who meets whom is the window's own table; these tests read it.
const BracketMatch& kFinal = std::end(kEightManMatches)[-1];
const std::span<const BracketMatch> kBeforeFinal(std::begin(kEightManMatches),
                                                 std::size(kEightManMatches) - 1);

}  // namespace

class EightManBracketTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { program::start(); }
  void init() {
    program::reset();
    QVERIFY(openFromMenu(kBracket));
  }

  void opensEmptyWithFocusOnFirstEntrant() {
    QCOMPARE(texts(kBracket), QStringList(16, QString()));
    QCOMPARE(program::onScreen()->widget()->focusWidget(), program::control(kWindow, "Text1"));
  }

  void focusOrderFollowsTabPlaces() {
    QStringList expected;
    for (int n = 2; n <= 8; ++n) expected << slot(n);
    for (int n = 1; n <= 8; ++n) expected << QStringLiteral("Command%1").arg(n);
    expected += {"Text9",     "Text10",    "Text11",    "Text12",    "Command9",  "Command10",
                 "Command11", "Command12", "Text13",    "Text14",    "Text15",    "Command13",
                 "Command14", "Text16",    "Command15", "Command16", "Command17", "Command18",
                 "Command19", "Command20", "Command21", "Command22", "Command23", "Text1"};
    QWidget* w = program::control(kWindow, "Text1");
    for (const QString& next : expected) {
      w = w->nextInFocusChain();
      while (w->focusPolicy() == Qt::NoFocus) w = w->nextInFocusChain();
      QCOMPARE(w->objectName(), next);
    }
  }

  void winCopiesOneSlot_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("into");
    for (const BracketMatch& m : kBeforeFinal) {
      QTest::newRow(m.upperWin) << QString(m.upperWin) << QString(m.upper) << QString(m.into);
      QTest::newRow(m.lowerWin) << QString(m.lowerWin) << QString(m.lower) << QString(m.into);
    }
    QCOMPARE(kBeforeFinal.size(), std::size_t(6));
  }

  void winCopiesOneSlot() {
    QFETCH(QString, button);
    QFETCH(QString, from);
    QFETCH(QString, into);
    QVERIFY(fillEverySlot(kBracket));
    const QStringList before = texts(kBracket);
    QVERIFY(click(kWindow, button));
    QCOMPARE(textOf(kWindow, into), textOf(kWindow, from));
    QVERIFY(onlyChanged(kBracket, before, {into}));
  }

  void finalWinWritesBothResults_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("winner");
    QTest::addColumn<QString>("runnerUp");
    const QString upperWin = kFinal.upperWin, lowerWin = kFinal.lowerWin;
    QTest::newRow("upper wins") << upperWin << "Ann"
                                << "Bea"
                                << "Ann"
                                << "Bea";
    QTest::newRow("lower wins") << lowerWin << "Ann"
                                << "Bea"
                                << "Bea"
                                << "Ann";
    QTest::newRow("both empty") << upperWin << ""
                                << ""
                                << ""
                                << "";
    QTest::newRow("same name") << lowerWin << "Ann"
                               << "Ann"
                               << "Ann"
                               << "Ann";
  }

  void finalWinWritesBothResults() {
    QFETCH(QString, button);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QVERIFY(fillEverySlot(kBracket));
    program::control<QLineEdit>(kWindow, kFinal.upper)->setText(upper);
    program::control<QLineEdit>(kWindow, kFinal.lower)->setText(lower);
    const QStringList before = texts(kBracket);
    QVERIFY(click(kWindow, button));
    QTEST(textOf(kWindow, kFinal.into), "winner");
    QTEST(textOf(kWindow, kFinal.runnerUp), "runnerUp");
    QVERIFY(onlyChanged(kBracket, before, {kFinal.into, kFinal.runnerUp}));
  }

  // Each click makes exactly one draw: the second scripted value is left.
  // The first round-one match stands for every draw before the final.
  void drawThresholds_data() {
    QTest::addColumn<bool>("final");
    QTest::addColumn<float>("value");
    QTest::addColumn<bool>("upperWins");
    QTest::newRow("early, 1") << false << 0.0f << true;
    QTest::newRow("early, 5") << false << kLargestGivingFive << true;
    QTest::newRow("early, 6") << false << 0.5f << false;
    QTest::newRow("early, 10") << false << ScopedRandomSource::kLargestBelowOne << false;
    QTest::newRow("final, 1") << true << 0.0f << false;
    QTest::newRow("final, 5") << true << kLargestGivingFive << false;
    QTest::newRow("final, 6") << true << 0.5f << true;
    QTest::newRow("final, 10") << true << ScopedRandomSource::kLargestBelowOne << true;
  }

  void drawThresholds() {
    QFETCH(bool, final);
    QFETCH(float, value);
    QFETCH(bool, upperWins);
    const BracketMatch& match = final ? kFinal : kEightManMatches[0];
    QVERIFY(match.random);
    QVERIFY(fillEverySlot(kBracket));
    const QStringList before = texts(kBracket);
    const QString upper = textOf(kWindow, match.upper), lower = textOf(kWindow, match.lower);
    QVERIFY(upper != lower);
    program::random().queue(value);
    program::random().queue(0.25f);
    QVERIFY(click(kWindow, match.random));
    QCOMPARE(program::random().left(), 1);
    QCOMPARE(textOf(kWindow, match.into), upperWins ? upper : lower);
    if (final) {
      QCOMPARE(textOf(kWindow, match.runnerUp), upperWins ? lower : upper);
      QVERIFY(onlyChanged(kBracket, before, {match.into, match.runnerUp}));
    } else {
      QVERIFY(onlyChanged(kBracket, before, {match.into}));
    }
  }

  // Each match before the final has its own "Random", which decides it.
  void randomDecidesItsOwnMatch_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("into");
    for (const BracketMatch& m : kBeforeFinal) {
      QVERIFY(m.random);
      QTest::newRow(m.random) << QString(m.random) << QString(m.upper) << QString(m.lower)
                              << QString(m.into);
    }
    QCOMPARE(kBeforeFinal.size(), std::size_t(6));
  }

  void randomDecidesItsOwnMatch() {
    QFETCH(QString, button);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QFETCH(QString, into);
    QVERIFY(fillEverySlot(kBracket));
    const QStringList before = texts(kBracket);
    program::random().queue(0.3f);
    QVERIFY(click(kWindow, button));
    QCOMPARE(textOf(kWindow, into), textOf(kWindow, upper));
    QVERIFY(onlyChanged(kBracket, before, {into}));
    program::random().queue(0.8f);
    QVERIFY(click(kWindow, button));
    QCOMPARE(textOf(kWindow, into), textOf(kWindow, lower));
    QVERIFY(onlyChanged(kBracket, before, {into}));
  }

  void wholeTournamentByClicking() {
    const QStringList names = {"Ajax", "Brute", "Cobra", "Duke", "Edge", "Fang", "Goliath", "Hex"};
    for (int n = 1; n <= 8; ++n) QVERIFY(program::type(kWindow, slot(n), names[n - 1]));
    for (float value : {0.9f, 0.2f, 0.7f, 0.1f}) program::random().queue(value);
    QVERIFY(click(kWindow, "Command17"));  // 10: Brute
    QVERIFY(click(kWindow, "Command3"));   // Cobra
    QVERIFY(click(kWindow, "Command19"));  // 3: Edge
    QVERIFY(click(kWindow, "Command8"));   // Hex
    QVERIFY(click(kWindow, "Command22"));  // 8: Cobra
    QVERIFY(click(kWindow, "Command11"));  // Edge
    QVERIFY(click(kWindow, "Command23"));  // 2: the lower finalist wins
    QCOMPARE(texts(kBracket).mid(8),
             QStringList({"Brute", "Cobra", "Edge", "Hex", "Cobra", "Edge", "Edge", "Cobra"}));
    QVERIFY(click(kWindow, "Command13"));
    QCOMPARE(textOf(kWindow, "Text15"), QString("Cobra"));
    QCOMPARE(textOf(kWindow, "Text16"), QString("Edge"));
    QCOMPARE(texts(kBracket).first(8), names);
  }

  void redoingRoundOneKeepsLaterRounds() {
    QVERIFY(program::type(kWindow, "Text1", "Ajax"));
    QVERIFY(program::type(kWindow, "Text2", "Brute"));
    QVERIFY(click(kWindow, "Command1"));
    QVERIFY(click(kWindow, "Command9"));
    QVERIFY(click(kWindow, "Command13"));
    const QStringList later = texts(kBracket).mid(12);
    QVERIFY(click(kWindow, "Command2"));  // the last click counts
    QCOMPARE(textOf(kWindow, "Text9"), QString("Brute"));
    QVERIFY(program::type(kWindow, "Text1", ""));
    QVERIFY(click(kWindow, "Command1"));  // an empty entrant empties the next slot
    QCOMPARE(textOf(kWindow, "Text9"), QString());
    QCOMPARE(texts(kBracket).mid(12), later);
    QCOMPARE(textOf(kWindow, "Text15"), QString("Ajax"));
  }

  void resetEmptiesEntrantsToo() {
    QVERIFY(fillEverySlot(kBracket));
    QVERIFY(click(kWindow, "Command16"));
    QCOMPARE(texts(kBracket), QStringList(16, QString()));
  }

  // Each slot a match fills, and the click that writes it.
  void lockedSlotTakesNoTyping_data() {
    QTest::addColumn<QString>("locked");
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("source");
    bool upper = true;
    for (const BracketMatch& m : kBeforeFinal) {
      QTest::newRow(m.into) << QString(m.into) << QString(upper ? m.upperWin : m.lowerWin)
                            << QString(upper ? m.upper : m.lower);
      upper = !upper;
    }
    QTest::newRow(kFinal.into) << QString(kFinal.into) << QString(kFinal.lowerWin)
                               << QString(kFinal.lower);
    QTest::newRow(kFinal.runnerUp)
        << QString(kFinal.runnerUp) << QString(kFinal.lowerWin) << QString(kFinal.upper);
  }

  void lockedSlotTakesNoTyping() {
    QFETCH(QString, locked);
    QFETCH(QString, writer);
    QFETCH(QString, source);
    QVERIFY(fillEverySlot(kBracket));
    auto* box = program::control<QLineEdit>(kWindow, locked);
    const QString before = box->text();
    box->setFocus();
    QVERIFY(box->hasFocus());
    QTest::keyClicks(box, "typed");
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), before);
    QCOMPARE(box->selectedText(), before);  // it can still be selected
    QVERIFY(click(kWindow, writer));
    QCOMPARE(box->text(), textOf(kWindow, source));
  }

  void backAndReopenShowsAnEmptyBracket() {
    QVERIFY(fillEverySlot(kBracket));
    QVERIFY(click(kWindow, "Command15"));
    QCOMPARE(program::onScreen()->name(), QString("MainMenu"));
    QVERIFY(click("MainMenu", "Command1"));
    auto* selector = program::control<QComboBox>("MainMenu", "Combo1");
    selector->setCurrentIndex(selector->findText("8 Man Tournament"));
    QVERIFY(click("MainMenu", "Command4"));
    QCOMPARE(program::onScreen()->name(), kWindow);
    QCOMPARE(texts(kBracket), QStringList(16, QString()));
    QCOMPARE(program::onScreen()->widget()->focusWidget(), program::control(kWindow, "Text1"));
  }

  // The window never seeds: its draws continue the program's one sequence,
  // and the next draw anywhere picks up where they stopped.
  void randomClicksAdvanceTheSharedSequence() {
    const QStringList buttons = {"Command17", "Command18", "Command19", "Command20",
                                 "Command22", "Command21", "Command23", "Command17"};
    for (const QString& button : buttons) QVERIFY(click(kWindow, button));
    QVERIFY(click(kWindow, "Command15"));
    const float afterClicks = shared_random::next();
    shared_random::restart();
    for (qsizetype i = 0; i < buttons.size(); ++i) shared_random::next();
    QCOMPARE(afterClicks, shared_random::next());
  }
};

QTEST_MAIN(EightManBracketTest)
#include "tst_eight_man_bracket.moc"
