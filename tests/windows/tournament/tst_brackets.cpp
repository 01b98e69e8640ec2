// SPDX-License-Identifier: GPL-3.0-or-later
// The two knock-out brackets, each row naming the bracket it drives. Who
// meets whom is each window's own table, which these tests read; the rows
// that click by name (a whole tournament, a redone match) check the tables
// themselves.
#include "program.h"
#include "rules/shared_random.h"
#include "scoped_random_source.h"
#include "windows/tournament/eight_man_matches.h"
#include "windows/tournament/sixteen_man_matches.h"

#include <QLineEdit>
#include <QTest>

#include <cmath>
#include <span>

using program::click;
using program::textOf;

namespace {

struct Bracket {
  QString window;     // its registry name
  QString menuEntry;  // the selector's entry that opens it
  int entrants;       // Text1 to Text<entrants> are typed in, Text1 to Text<2 x entrants> in all
  std::span<const BracketMatch> matches;
  QString reset, back;
  QString focusAtOpening;
  bool draws;  // every match has a "Random"; or none has
};

const Bracket kBrackets[] = {
    {"Tourn8", "8 Man Tournament", 8, kEightManMatches, "Command16", "Command15", "Text1", true},
    {"Tourn16", "16 Man Tournament", 16, kSixteenManMatches, "Reset", "Query", "Reset", false},
};

const float kLargestGivingFive = std::nextafter(0.5f, 0.0f);  // 5.99999... -> 5

QString slot(int n) { return QStringLiteral("Text%1").arg(n); }

const BracketMatch& finalOf(const Bracket& b) { return b.matches.back(); }
std::span<const BracketMatch> beforeFinal(const Bracket& b) {
  return b.matches.first(b.matches.size() - 1);
}

// Every table's first column: the bracket, by its window's name.
QTestData& row(const Bracket& b, const QString& tag = {}) {
  return QTest::newRow(qPrintable(tag.isEmpty() ? b.window : b.window + ": " + tag)) << b.window;
}

// The text of every slot, Text1 first.
QStringList texts(const Bracket& b) {
  QStringList all;
  for (int n = 1; n <= 2 * b.entrants; ++n) all << textOf(b.window, slot(n));
  return all;
}

// Every slot holds its own text: entrants typed, later slots arranged as if
// earlier clicks had written them.
[[nodiscard]] bool fillEverySlot(const Bracket& b) {
  for (int n = 1; n <= b.entrants; ++n) {
    if (!program::type(b.window, slot(n), QStringLiteral("Entrant %1").arg(n))) return false;
  }
  for (int n = b.entrants + 1; n <= 2 * b.entrants; ++n) {
    auto* box = program::control<QLineEdit>(b.window, slot(n));
    if (!box) return program::failed(slot(n) + " is not a text box");
    box->setText(QStringLiteral("Slot %1").arg(n));
  }
  return true;
}

// After a click, only the named slots may differ from `before`.
[[nodiscard]] bool onlyChanged(const Bracket& b, const QStringList& before,
                               const QStringList& changed) {
  const QStringList after = texts(b);
  for (int n = 1; n <= 2 * b.entrants; ++n) {
    if (changed.contains(slot(n)) || after[n - 1] == before[n - 1]) continue;
    return program::failed(QStringLiteral("%1 changed from \"%2\" to \"%3\"")
                               .arg(slot(n), before[n - 1], after[n - 1]));
  }
  return true;
}

}  // namespace

class BracketsTest : public QObject {
  Q_OBJECT

  const Bracket* bracket_ = nullptr;

 private Q_SLOTS:
  void initTestCase() { program::start(); }

  // Every test is run on the bracket its row names, opened from the menu.
  void init() {
    QFETCH(QString, bracket);
    bracket_ = nullptr;
    for (const Bracket& b : kBrackets) {
      if (b.window == bracket) bracket_ = &b;
    }
    QVERIFY(bracket_);
    program::reset();
    QCOMPARE(program::openFromMenu("Command4", bracket_->menuEntry), bracket_->window);
  }

  void eachBracket_data() {
    QTest::addColumn<QString>("bracket");
    for (const Bracket& b : kBrackets) row(b);
  }

  // Back says how to use the window; after it, the bracket starts empty.
  void opensEmptyEveryTime_data() { eachBracket_data(); }
  void opensEmptyEveryTime() {
    const Bracket& b = *bracket_;
    QCOMPARE(texts(b), QStringList(2 * b.entrants, QString()));
    const QString hint = program::control(b.window, b.back)->toolTip();
    QVERIFY(hint.contains(QString::number(b.entrants)) && hint.contains("win") &&
            hint.endsWith('!'));
    QVERIFY(fillEverySlot(b));
    QVERIFY(program::reopen(b.window, b.back, "Command4", b.menuEntry));
    QCOMPARE(texts(b), QStringList(2 * b.entrants, QString()));
    QCOMPARE(program::onScreen()->widget()->focusWidget(),
             program::control(b.window, b.focusAtOpening));
  }

  void winCopiesOneSlot_data() {
    QTest::addColumn<QString>("bracket");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("into");
    for (const Bracket& b : kBrackets) {
      QCOMPARE(b.matches.size(), std::size_t(b.entrants - 1));  // one loser a match
      for (const BracketMatch& m : beforeFinal(b)) {
        row(b, m.upperWin) << QString(m.upperWin) << QString(m.upper) << QString(m.into);
        row(b, m.lowerWin) << QString(m.lowerWin) << QString(m.lower) << QString(m.into);
      }
    }
  }

  void winCopiesOneSlot() {
    const Bracket& b = *bracket_;
    QFETCH(QString, button);
    QFETCH(QString, from);
    QFETCH(QString, into);
    QVERIFY(fillEverySlot(b));
    const QStringList before = texts(b);
    QVERIFY(click(b.window, button));
    QCOMPARE(textOf(b.window, into), textOf(b.window, from));
    QVERIFY(onlyChanged(b, before, {into}));
  }

  // The finalists, upper first, and the winner and runner-up the click writes.
  void finalWinWritesBothResults_data() {
    QTest::addColumn<QString>("bracket");
    QTest::addColumn<bool>("upperWins");
    QTest::addColumn<QStringList>("finalists");
    QTest::addColumn<QStringList>("results");
    const QStringList annBea{"Ann", "Bea"}, beaAnn{"Bea", "Ann"}, none{"", ""}, anns{"Ann", "Ann"};
    for (const Bracket& b : kBrackets) {
      row(b, "upper wins") << true << annBea << annBea;
      row(b, "lower wins") << false << annBea << beaAnn;
      row(b, "both empty, upper") << true << none << none;
      row(b, "both empty, lower") << false << none << none;
      row(b, "same name") << false << anns << anns;
    }
  }

  void finalWinWritesBothResults() {
    const Bracket& b = *bracket_;
    const BracketMatch& final = finalOf(b);
    QFETCH(bool, upperWins);
    QFETCH(QStringList, finalists);
    QFETCH(QStringList, results);
    QVERIFY(fillEverySlot(b));
    program::control<QLineEdit>(b.window, final.upper)->setText(finalists[0]);
    program::control<QLineEdit>(b.window, final.lower)->setText(finalists[1]);
    const QStringList before = texts(b);
    QVERIFY(click(b.window, upperWins ? final.upperWin : final.lowerWin));
    QCOMPARE(textOf(b.window, final.into), results[0]);
    QCOMPARE(textOf(b.window, final.runnerUp), results[1]);
    QVERIFY(onlyChanged(b, before, {final.into, final.runnerUp}));
  }

  // The eight-man draws: each click makes exactly one, so the second
  // scripted value is left. The first round-one match stands for every
  // draw before the final, which favours the upper wrestler on 1 to 5; the
  // final's favours the upper finalist on 6 to 10.
  void drawThresholds_data() {
    QTest::addColumn<QString>("bracket");
    QTest::addColumn<bool>("final");
    QTest::addColumn<float>("value");
    QTest::addColumn<bool>("upperWins");
    const Bracket& eight = kBrackets[0];
    const float top = ScopedRandomSource::kLargestBelowOne;
    row(eight, "early, 1") << false << 0.0f << true;
    row(eight, "early, 5") << false << kLargestGivingFive << true;
    row(eight, "early, 6") << false << 0.5f << false;
    row(eight, "early, 10") << false << top << false;
    row(eight, "final, 1") << true << 0.0f << false;
    row(eight, "final, 5") << true << kLargestGivingFive << false;
    row(eight, "final, 6") << true << 0.5f << true;
    row(eight, "final, 10") << true << top << true;
  }

  void drawThresholds() {
    const Bracket& b = *bracket_;
    QFETCH(bool, final);
    QFETCH(float, value);
    QFETCH(bool, upperWins);
    const BracketMatch& match = final ? finalOf(b) : b.matches.front();
    QVERIFY(match.random);
    QVERIFY(fillEverySlot(b));
    const QStringList before = texts(b);
    const QString upper = textOf(b.window, match.upper), lower = textOf(b.window, match.lower);
    QVERIFY(upper != lower);
    program::random().queue({value, 0.25f});
    QVERIFY(click(b.window, match.random));
    QCOMPARE(program::random().left(), 1);
    QCOMPARE(textOf(b.window, match.into), upperWins ? upper : lower);
    if (final) {
      QCOMPARE(textOf(b.window, match.runnerUp), upperWins ? lower : upper);
      QVERIFY(onlyChanged(b, before, {match.into, match.runnerUp}));
    } else {
      QVERIFY(onlyChanged(b, before, {match.into}));
    }
  }

  // Each match before the final has its own "Random", which decides it.
  void randomDecidesItsOwnMatch_data() {
    QTest::addColumn<QString>("bracket");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("into");
    for (const Bracket& b : kBrackets) {
      for (const BracketMatch& m : b.matches) {
        QCOMPARE(m.random != kNoDraw, b.draws);
        if (!m.random || m.isFinal()) continue;
        row(b, m.random) << QString(m.random) << QString(m.upper) << QString(m.lower)
                         << QString(m.into);
      }
    }
  }

  void randomDecidesItsOwnMatch() {
    const Bracket& b = *bracket_;
    QFETCH(QString, button);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QFETCH(QString, into);
    QVERIFY(fillEverySlot(b));
    const QStringList before = texts(b);
    program::random().queue(0.3f);
    QVERIFY(click(b.window, button));
    QCOMPARE(textOf(b.window, into), textOf(b.window, upper));
    QVERIFY(onlyChanged(b, before, {into}));
    program::random().queue(0.8f);
    QVERIFY(click(b.window, button));
    QCOMPARE(textOf(b.window, into), textOf(b.window, lower));
    QVERIFY(onlyChanged(b, before, {into}));
  }

  // Entrants "Wrestler A", "Wrestler B" and on; the buttons clicked, by the
  // number of their names (17 is Command17), with the draws they take; then
  // every later slot, in the order of their names, by the letter of the
  // wrestler it holds.
  void wholeTournamentByClicking_data() {
    QTest::addColumn<QString>("bracket");
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("later");
    const Bracket &eight = kBrackets[0], &sixteen = kBrackets[1];
    const QList<float> none, eightDraws = {0.9f, 0.2f, 0.7f, 0.1f};  // 10, 3, 8, 2
    row(eight, "draws and wins") << eightDraws << "17 3 19 8 22 11 23"
                                 << "BCEH CE EC";
    row(eight, "the final's Win after its draw") << eightDraws << "17 3 19 8 22 11 23 13"
                                                 << "BCEH CE CE";
    row(eight, "every upper Win") << none << "1 3 5 7 9 11 13"
                                  << "ACEG AE AE";
    row(eight, "every lower Win") << none << "2 4 6 8 10 12 14"
                                  << "BDFH DH HD";
    row(sixteen, "wins") << none << "1 4 5 8 9 12 13 16 18 19 22 23 26 27 30"
                         << "ADEHILMP DELM EL EL";
    row(sixteen, "every upper Win") << none << "1 3 5 7 9 11 13 15 17 19 21 23 25 27 29"
                                    << "ACEGIKMO AEIM AI IA";
    row(sixteen, "every lower Win") << none << "2 4 6 8 10 12 14 16 18 20 22 24 26 28 30"
                                    << "BDFHJLNP DHLP HP HP";
  }

  void wholeTournamentByClicking() {
    const Bracket& b = *bracket_;
    QFETCH(QList<float>, draws);
    QFETCH(QString, clicks);
    QFETCH(QString, later);
    QStringList expected;
    for (int n = 1; n <= b.entrants; ++n) {
      expected << QStringLiteral("Wrestler %1").arg(QChar(char16_t(u'A' + n - 1)));
      QVERIFY(program::type(b.window, slot(n), expected.last()));
    }
    for (float value : draws) program::random().queue(value);
    QVERIFY(program::act(b.window, clicks));
    QCOMPARE(program::random().left(), 0);
    for (QChar letter : later) {
      if (letter != ' ') expected << "Wrestler " + QString(letter);
    }
    QCOMPARE(texts(b), expected);
  }

  // Redoing the first match writes only its own slot, an empty entrant
  // empties it, and the rounds after stay as they are. The path takes the
  // first entrant through every round by name.
  void redoingAMatchKeepsLaterRounds_data() {
    QTest::addColumn<QString>("bracket");
    QTest::addColumn<QStringList>("path");
    row(kBrackets[0], "entrant 1 to the final") << QStringList{"Command1", "Command9", "Command13"};
    row(kBrackets[1], "entrant 1 to the final")
        << QStringList{"Command1", "Command17", "Command25", "Command29"};
  }

  void redoingAMatchKeepsLaterRounds() {
    const Bracket& b = *bracket_;
    QFETCH(QStringList, path);
    const BracketMatch& first = b.matches.front();
    QVERIFY(fillEverySlot(b));
    for (const QString& button : path) QVERIFY(click(b.window, button));
    QCOMPARE(textOf(b.window, finalOf(b).into), QString("Entrant 1"));
    const QStringList before = texts(b);
    QVERIFY(click(b.window, first.lowerWin));  // the last click counts
    QCOMPARE(textOf(b.window, first.into), QString("Entrant 2"));
    QVERIFY(program::type(b.window, first.lower, ""));
    QVERIFY(click(b.window, first.lowerWin));
    QCOMPARE(textOf(b.window, first.into), QString());
    QVERIFY(onlyChanged(b, before, {first.into, first.lower}));
  }

  void resetEmptiesEntrantsToo_data() { eachBracket_data(); }
  void resetEmptiesEntrantsToo() {
    const Bracket& b = *bracket_;
    QVERIFY(fillEverySlot(b));
    QVERIFY(click(b.window, b.reset));
    QCOMPARE(texts(b), QStringList(2 * b.entrants, QString()));
  }

  // Each slot a match fills, and each click that writes it from which slot.
  void lockedSlotTakesNoTyping_data() {
    QTest::addColumn<QString>("bracket");
    QTest::addColumn<QString>("locked");
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("source");
    for (const Bracket& b : kBrackets) {
      for (const BracketMatch& m : b.matches) {
        const QString into = m.into;
        row(b, into + " by " + m.upperWin) << into << QString(m.upperWin) << QString(m.upper);
        row(b, into + " by " + m.lowerWin) << into << QString(m.lowerWin) << QString(m.lower);
        if (!m.isFinal()) continue;
        const QString runnerUp = m.runnerUp;
        row(b, runnerUp + " by " + m.upperWin)
            << runnerUp << QString(m.upperWin) << QString(m.lower);
        row(b, runnerUp + " by " + m.lowerWin)
            << runnerUp << QString(m.lowerWin) << QString(m.upper);
      }
    }
  }

  void lockedSlotTakesNoTyping() {
    const Bracket& b = *bracket_;
    QFETCH(QString, locked);
    QFETCH(QString, writer);
    QFETCH(QString, source);
    QVERIFY(fillEverySlot(b));
    auto* box = program::control<QLineEdit>(b.window, locked);
    const QString before = box->text();
    box->setFocus();
    QVERIFY(box->hasFocus());
    QTest::keyClicks(box, "typed");
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), before);
    QCOMPARE(box->selectedText(), before);  // it can still be selected
    QVERIFY(click(b.window, writer));
    QCOMPARE(box->text(), textOf(b.window, source));
  }

  // A bracket never seeds: each "Random" takes the program's one sequence's
  // next value, "Win", "Reset" and "Back" take none, and the next draw
  // anywhere picks up where the bracket stopped.
  void drawsContinueTheSharedSequence_data() { eachBracket_data(); }
  void drawsContinueTheSharedSequence() {
    const Bracket& b = *bracket_;
    QVERIFY(fillEverySlot(b));
    int draws = 0;
    for (const BracketMatch& m : b.matches) {
      QVERIFY(click(b.window, m.upperWin));
      QVERIFY(click(b.window, m.lowerWin));
      if (!m.random) continue;
      QVERIFY(click(b.window, m.random));
      ++draws;
    }
    QVERIFY(click(b.window, b.reset));
    QVERIFY(click(b.window, b.back));
    QCOMPARE(program::onScreenName(), QString("MainMenu"));
    const float afterClicks = shared_random::next();
    shared_random::restart();
    for (int i = 0; i < draws; ++i) shared_random::next();
    QCOMPARE(afterClicks, shared_random::next());
  }
};

QTEST_MAIN(BracketsTest)
#include "tst_brackets.moc"
