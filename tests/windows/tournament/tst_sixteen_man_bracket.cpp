// SPDX-License-Identifier: GPL-3.0-or-later
#include "bracket_fixture.h"
#include "program.h"
#include "rules/shared_random.h"
#include "windows/tournament/sixteen_man_matches.h"

#include <QLineEdit>
#include <QTest>

#include <iterator>
#include <span>

using program::click;
using program::textOf;
using namespace bracket_fixture;

namespace {

const bracket_fixture::Bracket kBracket{"Tourn16", "16 Man Tournament", 16, 32};
const QString kWindow = kBracket.window;

QString button(int n) { return QStringLiteral("Command%1").arg(n); }

// Who meets whom is the window's own table; these tests read it.
const BracketMatch& kFinal = std::end(kSixteenManMatches)[-1];
const std::span<const BracketMatch> kBeforeFinal(std::begin(kSixteenManMatches),
                                                 std::size(kSixteenManMatches) - 1);

}  // namespace

class SixteenManBracketTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { program::start(); }
  void init() {
    program::reset();
    QVERIFY(openFromMenu(kBracket));
  }

  void opensEmptyWithFocusOnReset() {
    QCOMPARE(texts(kBracket), QStringList(32, QString()));
    QWidget* focus = program::onScreen()->widget()->focusWidget();
    QCOMPARE(focus, program::control(kWindow, "Reset"));
    QTest::keyClick(focus, Qt::Key_Tab);
    QCOMPARE(program::onScreen()->widget()->focusWidget(), program::control(kWindow, "Query"));
    const QString hint = program::control(kWindow, "Query")->toolTip();
    QVERIFY(hint.contains("16") && hint.contains("win") && hint.endsWith('!'));
  }

  void focusOrderFollowsTabPlaces() {
    QStringList expected = {"Query"};
    for (int n = 1; n <= 16; ++n) expected << slot(n);
    for (int n = 1; n <= 16; ++n) expected << button(n);
    for (int n = 17; n <= 24; ++n) expected << slot(n);
    for (int n = 17; n <= 24; ++n) expected << button(n);
    for (int n = 25; n <= 28; ++n) expected << slot(n);
    for (int n = 25; n <= 28; ++n) expected << button(n);
    expected += {"Text29", "Text30", "Command29", "Command30", "Text31", "Text32", "Reset"};
    QWidget* w = program::control(kWindow, "Reset");
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
    QCOMPARE(kBeforeFinal.size(), std::size_t(14));
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

  // Text32 is the winner box, Text31 the runner-up's.
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
    QTest::newRow("both empty, upper") << upperWin << ""
                                       << ""
                                       << ""
                                       << "";
    QTest::newRow("both empty, lower") << lowerWin << ""
                                       << ""
                                       << ""
                                       << "";
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

  void wholeTournamentByClicking() {
    QStringList names;
    for (int n = 1; n <= 16; ++n)
      names << QStringLiteral("Wrestler %1").arg(QChar(char16_t(u'A' + n - 1)));
    for (int n = 1; n <= 16; ++n) QVERIFY(program::type(kWindow, slot(n), names[n - 1]));
    for (int n : {1, 4, 5, 8, 9, 12, 13, 16, 18, 19, 22, 23, 26, 27, 30})
      QVERIFY(click(kWindow, button(n)));
    const QStringList expected = {"A", "D", "E", "H", "I", "L", "M", "P",  // round one
                                  "D", "E", "L", "M",                      // quarter-finals
                                  "E", "L",                                // semi-finals
                                  "E", "L"};  // runner-up (Text31), winner (Text32)
    for (int n = 17; n <= 32; ++n)
      QCOMPARE(textOf(kWindow, slot(n)), "Wrestler " + expected[n - 17]);
    QCOMPARE(texts(kBracket).first(16), names);
  }

  void redoingRoundOneKeepsLaterRounds() {
    QVERIFY(fillEverySlot(kBracket));
    QVERIFY(click(kWindow, "Command1"));
    QVERIFY(click(kWindow, "Command17"));
    QVERIFY(click(kWindow, "Command25"));
    QVERIFY(click(kWindow, "Command29"));
    const QStringList later = texts(kBracket).mid(18);
    QVERIFY(click(kWindow, "Command2"));
    QCOMPARE(textOf(kWindow, "Text17"), QString("Entrant 2"));
    QVERIFY(program::type(kWindow, "Text2", ""));
    QVERIFY(click(kWindow, "Command2"));
    QCOMPARE(textOf(kWindow, "Text17"), QString());
    QCOMPARE(texts(kBracket).mid(18), later);
    QCOMPARE(textOf(kWindow, "Text32"), QString("Entrant 1"));
  }

  void resetEmptiesEntrantsToo() {
    QVERIFY(fillEverySlot(kBracket));
    QVERIFY(click(kWindow, "Reset"));
    QCOMPARE(texts(kBracket), QStringList(32, QString()));
  }

  // Each slot a match fills, written by its lower wrestler's "Win".
  void lockedSlotTakesNoTyping_data() {
    QTest::addColumn<QString>("locked");
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("source");
    for (const BracketMatch& m : kBeforeFinal) {
      QTest::newRow(m.into) << QString(m.into) << QString(m.lowerWin) << QString(m.lower);
    }
    QTest::newRow(kFinal.runnerUp)
        << QString(kFinal.runnerUp) << QString(kFinal.upperWin) << QString(kFinal.lower);
    QTest::newRow(kFinal.into) << QString(kFinal.into) << QString(kFinal.lowerWin)
                               << QString(kFinal.lower);
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
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), before);
    QCOMPARE(box->selectedText(), before);
    QVERIFY(click(kWindow, writer));
    QCOMPARE(box->text(), textOf(kWindow, source));
  }

  void backAndReopenShowsAnEmptyBracket() {
    QVERIFY(fillEverySlot(kBracket));
    QVERIFY(click(kWindow, "Query"));
    QCOMPARE(program::onScreen()->name(), QString("MainMenu"));
    QVERIFY(openFromMenu(kBracket));
    QCOMPARE(texts(kBracket), QStringList(32, QString()));
  }

  // This window has no draw: no click touches the shared sequence.
  void clicksLeaveTheSharedSequenceAlone() {
    QVERIFY(fillEverySlot(kBracket));
    for (const BracketMatch& m : kSixteenManMatches) {
      QVERIFY(click(kWindow, m.upperWin));
      QVERIFY(click(kWindow, m.lowerWin));
    }
    QVERIFY(click(kWindow, "Reset"));
    const float next = shared_random::next();
    shared_random::restart();
    QCOMPARE(next, shared_random::next());
  }
};

QTEST_MAIN(SixteenManBracketTest)
#include "tst_sixteen_man_bracket.moc"
