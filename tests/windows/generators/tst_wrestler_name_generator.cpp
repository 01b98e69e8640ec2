// SPDX-License-Identifier: GPL-3.0-or-later
#include "draws.h"
#include "framework/window_registry.h"
#include "program.h"
#include "rules/shared_random.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <cmath>
#include <optional>

using program::click;
using program::onScreenName;
using program::textOf;

namespace {

// One press of GENERATE with both draws scripted.
QString generated(float first, float surname) {
  program::random().queue({first, surname});
  if (!click("NameGen", "Command1")) return {};
  return textOf("NameGen", "Text1");
}

// Every word of both tables, read through the window: slot k of one table
// is drawn while the other stays at its slot 1.
QStringList firstNames() {
  QStringList words;
  for (int k = 1; k <= 150; ++k) {
    words << generated(draws::ofSlot(k, 150), 0.0f).section(' ', 0, 0);
  }
  return words;
}

QStringList surnames() {
  QStringList words;
  for (int k = 1; k <= 100; ++k) {
    words << generated(0.0f, draws::ofSlot(k, 100)).section(' ', 1);
  }
  return words;
}

// The seed, among the times of day from `from` to `to`, that puts the shared
// sequence where it stands: its next value must be `drawn`.
std::optional<float> seedBetween(float from, float to, float drawn) {
  for (float t = from; t <= to; t = std::nextafter(t, to + 1.0f)) {
    shared_random::reseed(t);
    if (shared_random::next() == drawn) return t;
  }
  return std::nullopt;
}

// Five presses of "Move" in the random finisher generator, unscripted.
QStringList finisherMoves() {
  if (program::openFromMenu("Command8") != "Finisher") return {};
  if (!program::type("Finisher", "Combo1", "Move")) return {};
  QStringList moves;
  for (int i = 0; i < 5; ++i) {
    if (!click("Finisher", "Command1")) return {};
    moves << textOf("Finisher", "Text1");
  }
  if (!click("Finisher", "Command2")) return {};
  return moves;
}

}  // namespace

class WrestlerNameGeneratorTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { program::start(); }
  void init() {
    program::reset();
    QCOMPARE(program::openFromMenu("Command6"), QString("NameGen"));
  }

  void designState() {
    QCOMPARE(textOf("NameGen", "Label2"), QString("Wrestler Name Generator"));
    QCOMPARE(textOf("NameGen", "Text1"), QString());
    QCOMPARE(textOf("NameGen", "Command1"), QString("GENERATE"));
    QCOMPARE(textOf("NameGen", "Command2"), QString("Back"));
  }

  // The first draw picks the first name, the second the surname; each takes
  // the integer part of r x size + 1, so 0 gives slot 1 and the largest value
  // below 1 the last slot.
  void drawsPickTheSlots_data() {
    QTest::addColumn<float>("first");
    QTest::addColumn<float>("surname");
    QTest::addColumn<QString>("name");
    const float top = ScopedRandomSource::kLargestBelowOne;
    QTest::newRow("both at 0") << 0.0f << 0.0f << "Adam Smith";
    QTest::newRow("both at the top") << top << top << "Evan Bale";
    QTest::newRow("first at 0, surname at the top") << 0.0f << top << "Adam Bale";
    QTest::newRow("first at the top, surname at 0") << top << 0.0f << "Evan Smith";
    QTest::newRow("Christian twice")
        << draws::ofSlot(145, 150) << draws::ofSlot(71, 100) << "Christian Christian";
  }

  void drawsPickTheSlots() {
    QFETCH(float, first);
    QFETCH(float, surname);
    QFETCH(QString, name);
    program::random().queue({first, surname, 0.5f});
    QVERIFY(click("NameGen", "Command1"));
    QCOMPARE(textOf("NameGen", "Text1"), name);
    QCOMPARE(program::random().left(), 1);  // two draws a press, no more
  }

  void tablesAsListed() {
    const QStringList first = firstNames();
    const QStringList last = surnames();
    const QRegularExpression word("^[A-Z][a-z]+$|^Mc[A-Z][a-z]+$|^Mac[A-Z][a-z]+$");
    for (const QString& w : first + last) QVERIFY2(word.match(w).hasMatch(), qPrintable(w));

    // A few slots, where a slip would shift or misspell them.
    QCOMPARE(first[71 - 1], QString("Andrew"));
    QCOMPARE(first[87 - 1], QString("Sabre"));
    QCOMPARE(first[116 - 1], QString("Page"));
    QCOMPARE(first[134 - 1], QString("Jonathon"));
    QCOMPARE(last[41 - 1], QString("Dabizaz"));
    QCOMPARE(last[46 - 1], QString("McMahon"));
    QCOMPARE(last[79 - 1], QString("Knowells"));
    QCOMPARE(last[96 - 1], QString("Barewell"));

    QCOMPARE(draws::repeated(first), QStringList());
    QCOMPARE(draws::repeated(last), QStringList());
    const QSet<QString> both =
        QSet<QString>(first.begin(), first.end()) & QSet<QString>(last.begin(), last.end());
    QCOMPARE(both, QSet<QString>{"Christian"});
    QCOMPARE(first.indexOf("Christian") + 1, 145);
    QCOMPARE(last.indexOf("Christian") + 1, 71);
    QCOMPARE(draws::longest(first), QString("9: Christian"));
    QCOMPARE(draws::longest(last), QString("10: Stephenson, Wainwright, Fredericks"));
  }

  void everyPressIsOneFirstNameAndOneSurname() {
    const QStringList first = firstNames();
    const QStringList last = surnames();
    QVERIFY(program::type("NameGen", "Text1", "typed by the user"));
    QString previous = textOf("NameGen", "Text1");
    int changed = 0;
    for (int i = 0; i < 300; ++i) {
      QVERIFY(click("NameGen", "Command1"));
      const QString name = textOf("NameGen", "Text1");
      const QStringList parts = name.split(' ');
      QCOMPARE(parts.size(), 2);
      QVERIFY2(first.contains(parts[0]) && last.contains(parts[1]), qPrintable(name));
      if (name != previous) ++changed;
      previous = name;
    }
    QVERIFY(changed > 290);
  }

  void backDiscardsTheName() {
    QVERIFY(click("NameGen", "Command1"));
    QVERIFY(!textOf("NameGen", "Text1").isEmpty());
    QVERIFY(program::reopen("NameGen", "Command2", "Command6"));
    QCOMPARE(textOf("NameGen", "Text1"), QString());
  }

  // Every load seeds the shared sequence from the time of day, in seconds
  // since midnight.
  void loadSeedsFromTheTimeOfDay() {
    for (int visit = 0; visit < 2; ++visit) {
      QVERIFY(click("NameGen", "Command2"));
      QTest::qWait(50);
      const float before = shared_random::secondsSinceMidnight();
      QVERIFY(click("MainMenu", "Command6"));
      const float after = shared_random::secondsSinceMidnight();
      QCOMPARE(onScreenName(), QString("NameGen"));
      if (after < before) QSKIP("midnight passed during the test");
      const float drawn = shared_random::next();
      QVERIFY2(seedBetween(before, after, drawn),
               qPrintable(QString("no seed from %1 to %2").arg(before).arg(after)));
    }
  }

  // Until the name generator opens, the other tools' draws repeat from run to
  // run; after it, they do not.
  void openingItChangesTheOtherToolsDraws() {
    program::reset();
    const QStringList unseeded = finisherMoves();
    QCOMPARE(unseeded.size(), 5);
    program::reset();
    QCOMPARE(finisherMoves(), unseeded);

    program::reset();
    QCOMPARE(program::openFromMenu("Command6"), QString("NameGen"));
    QVERIFY(click("NameGen", "Command2"));
    const QStringList seeded = finisherMoves();
    QCOMPARE(seeded.size(), 5);
    QVERIFY(seeded != unseeded);
  }
};

QTEST_MAIN(WrestlerNameGeneratorTest)
#include "tst_wrestler_name_generator.moc"
