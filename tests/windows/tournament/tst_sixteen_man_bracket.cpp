// SPDX-License-Identifier: GPL-3.0-or-later
#include "bracket_fixture.h"
#include "program.h"
#include "rules/shared_random.h"

#include <QLineEdit>
#include <QTest>

using program::click;
using program::textOf;
using namespace bracket_fixture;

namespace {

const bracket_fixture::Bracket kBracket{"Tourn16", "16 Man Tournament", 16, 32};
const QString kWindow = kBracket.window;

QString button(int n) { return QStringLiteral("Command%1").arg(n); }

// The slot the "Win" button n (1 to 28) writes: each pair of buttons feeds
// one slot of the next round.
int winTarget(int n) {
  if (n <= 16) return 17 + (n - 1) / 2;
  if (n <= 24) return 25 + (n - 17) / 2;
  return 29 + (n - 25) / 2;
}

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
    QTest::addColumn<int>("n");
    for (int n = 1; n <= 28; ++n) QTest::newRow(qPrintable(button(n))) << n;
  }

  void winCopiesOneSlot() {
    QFETCH(int, n);
    QVERIFY(fillEverySlot(kBracket));
    const QStringList before = texts(kBracket);
    QVERIFY(click(kWindow, button(n)));
    QCOMPARE(textOf(kWindow, slot(winTarget(n))), textOf(kWindow, slot(n)));
    QVERIFY(onlyChanged(kBracket, before, {slot(winTarget(n))}));
  }

  // Text32 is the winner box, Text31 the runner-up's.
  void finalWinWritesBothResults_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("winner");
    QTest::addColumn<QString>("runnerUp");
    QTest::newRow("upper wins") << "Command29"
                                << "Ann"
                                << "Bea"
                                << "Ann"
                                << "Bea";
    QTest::newRow("lower wins") << "Command30"
                                << "Ann"
                                << "Bea"
                                << "Bea"
                                << "Ann";
    QTest::newRow("both empty, upper") << "Command29"
                                       << ""
                                       << ""
                                       << ""
                                       << "";
    QTest::newRow("both empty, lower") << "Command30"
                                       << ""
                                       << ""
                                       << ""
                                       << "";
  }

  void finalWinWritesBothResults() {
    QFETCH(QString, button);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QVERIFY(fillEverySlot(kBracket));
    program::control<QLineEdit>(kWindow, "Text29")->setText(upper);
    program::control<QLineEdit>(kWindow, "Text30")->setText(lower);
    const QStringList before = texts(kBracket);
    QVERIFY(click(kWindow, button));
    QTEST(textOf(kWindow, "Text32"), "winner");
    QTEST(textOf(kWindow, "Text31"), "runnerUp");
    QVERIFY(onlyChanged(kBracket, before, {"Text31", "Text32"}));
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

  void lockedSlotTakesNoTyping_data() {
    QTest::addColumn<int>("locked");
    QTest::addColumn<QString>("writer");
    QTest::addColumn<int>("source");
    for (int n = 2; n <= 28; n += 2) {
      QTest::newRow(qPrintable(slot(winTarget(n)))) << winTarget(n) << button(n) << n;
    }
    QTest::newRow("Text31") << 31 << "Command29" << 30;
    QTest::newRow("Text32") << 32 << "Command30" << 30;
  }

  void lockedSlotTakesNoTyping() {
    QFETCH(int, locked);
    QFETCH(QString, writer);
    QFETCH(int, source);
    QVERIFY(fillEverySlot(kBracket));
    auto* box = program::control<QLineEdit>(kWindow, slot(locked));
    const QString before = box->text();
    box->setFocus();
    QVERIFY(box->hasFocus());
    QTest::keyClicks(box, "typed");
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), before);
    QCOMPARE(box->selectedText(), before);
    QVERIFY(click(kWindow, writer));
    QCOMPARE(box->text(), textOf(kWindow, slot(source)));
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
    for (int n = 1; n <= 30; ++n) QVERIFY(click(kWindow, button(n)));
    QVERIFY(click(kWindow, "Reset"));
    const float next = shared_random::next();
    shared_random::restart();
    QCOMPARE(next, shared_random::next());
  }
};

QTEST_MAIN(SixteenManBracketTest)
#include "tst_sixteen_man_bracket.moc"
