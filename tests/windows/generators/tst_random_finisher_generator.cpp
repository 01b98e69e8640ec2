// SPDX-License-Identifier: GPL-3.0-or-later
#include "draws.h"
#include "framework/window_registry.h"
#include "program.h"

#include <QComboBox>
#include <QTest>

using program::click;
using program::textOf;

namespace {

QComboBox* styleBox() { return program::control<QComboBox>("Finisher", "Combo1"); }

[[nodiscard]] bool pick(const QString& style) {
  return program::choose("Finisher", "Combo1", style);
}

// One press of GENERATE in `style` with every draw scripted.
QString generated(const QString& style, std::initializer_list<float> values) {
  if (textOf("Finisher", "Combo1") != style)
    if (!program::type("Finisher", "Combo1", style)) return {};
  program::random().queue(values);
  if (!click("Finisher", "Command1")) return {};
  return textOf("Finisher", "Text1");
}

// The three tables, read through the window: the word of slot k is drawn
// alone ("Move"), or before the move of slot 1, which is then cut off.
struct Tables {
  QStringList adjectives, monikers, moves;
};

Tables readTables() {
  Tables t;
  for (int k = 1; k <= 100; ++k) t.moves << generated("Move", {draws::ofSlot(k, 100)});
  const QString firstMove = " " + t.moves.first();
  for (int k = 1; k <= 100; ++k) {
    const QString name = generated("Adjective + Move", {draws::ofSlot(k, 100), 0.0f});
    t.adjectives << (name.endsWith(firstMove) ? name.chopped(firstMove.size()) : "?" + name);
  }
  for (int k = 1; k <= 100; ++k) {
    const QString name = generated("Moniker + Move", {draws::ofSlot(k, 100), 0.0f});
    t.monikers << (name.endsWith(firstMove) ? name.chopped(firstMove.size()) : "?" + name);
  }
  return t;
}

}  // namespace

class RandomFinisherGeneratorTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { program::start(); }
  void init() {
    program::reset();
    QCOMPARE(program::openFromMenu("Command8"), QString("Finisher"));
  }

  void designState() {
    QCOMPARE(textOf("Finisher", "Text1"), QString("<Finisher Name>"));
    QCOMPARE(textOf("Finisher", "Combo1"), QString("Finisher Style"));
    QVERIFY(styleBox()->isEditable());
    QStringList items;
    for (int i = 0; i < styleBox()->count(); ++i) items << styleBox()->itemText(i);
    QCOMPARE(items, QStringList({"Move", "Moniker + Move", "Adjective + Move",
                                 "Moniker + Adjective + Move", "Adjective + Moniker + Move",
                                 "Two Moves"}));
  }

  // How each style composes its words is the rule's
  // (tests/rules/tst_finisher_names.cpp); these rows show the window draws
  // from the shared sequence, one draw per word, picked or typed. 0 draws a
  // table's first word and the largest value below 1 its last.
  void styles_data() {
    QTest::addColumn<QString>("style");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QList<float>>("values");
    QTest::addColumn<QString>("name");
    const float top = ScopedRandomSource::kLargestBelowOne;
    const float atomicDrop = draws::ofSlot(51, 100);

    QTest::newRow("Move, first") << "Move" << false << QList<float>{0.0f} << "Piledriver";
    QTest::newRow("Two Moves") << "Two Moves" << false << QList<float>{top, atomicDrop}
                               << "Crusher Atomic Drop";
    QTest::newRow("Moniker + Adjective + Move, typed")
        << "Moniker + Adjective + Move" << true << QList<float>{top, 0.0f, top}
        << "Donkey Twisting Crusher";
  }

  void styles() {
    QFETCH(QString, style);
    QFETCH(bool, typed);
    QFETCH(QList<float>, values);
    QFETCH(QString, name);
    if (typed) {
      QVERIFY(program::type("Finisher", "Combo1", style));
    } else {
      QVERIFY(pick(style));
    }
    QCOMPARE(textOf("Finisher", "Combo1"), style);
    for (float v : values) program::random().queue(v);
    program::random().queue(0.5f);
    QVERIFY(click("Finisher", "Command1"));
    QCOMPARE(textOf("Finisher", "Text1"), name);
    QCOMPARE(program::random().left(), 1);  // one draw per word, no more
    QCOMPARE(textOf("Finisher", "Combo1"), style);
  }

  // Only the exact text of a style builds a name; anything else draws
  // nothing and empties the result.
  void otherTextsEmptyTheResult_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("Finisher Style, as at load") << "";
    QTest::newRow("lower case") << "move";
    QTest::newRow("empty") << "<empty>";
  }

  void otherTextsEmptyTheResult() {
    QFETCH(QString, typed);
    if (typed == "<empty>") {
      QVERIFY(program::type("Finisher", "Combo1", ""));
    } else if (!typed.isEmpty()) {
      QVERIFY(program::type("Finisher", "Combo1", typed));
    }
    program::random().queue(0.5f);
    QVERIFY(click("Finisher", "Command1"));
    QCOMPARE(textOf("Finisher", "Text1"), QString());
    QCOMPARE(program::random().left(), 1);
  }

  void eachPressReplacesTheResult() {
    QVERIFY(program::type("Finisher", "Text1", "typed by the user"));
    QCOMPARE(generated("Moniker + Move", {0.0f, 0.0f}), QString("Bonecrushing Piledriver"));
    QCOMPARE(generated("Move", {ScopedRandomSource::kLargestBelowOne}), QString("Crusher"));
    QCOMPARE(generated("Move ", {}), QString());
    QCOMPARE(generated("Move", {0.0f}), QString("Piledriver"));
  }

  void tablesAsListed() {
    const Tables t = readTables();
    for (const QString& w : t.adjectives + t.monikers + t.moves) {
      QVERIFY2(!w.isEmpty() && w.trimmed() == w && !w.contains("  ") && !w.startsWith('?'),
               qPrintable(w));
    }
    // Spellings as the program has always had them, and a few slots where a
    // slip would shift or misspell them.
    QCOMPARE(t.monikers[33 - 1], QString("Emporer"));
    QCOMPARE(t.monikers[37 - 1], QString("Beserk"));
    QCOMPARE(t.monikers[38 - 1], QString("Beserker"));
    QCOMPARE(t.moves[6 - 1], QString("Hurracanrana"));
    QCOMPARE(t.adjectives[16 - 1], QString("540"));
    QCOMPARE(t.adjectives[66 - 1], QString("Tilt-A-Whirl"));
    QCOMPARE(t.monikers[21 - 1], QString("Satan's"));
    QCOMPARE(t.monikers[72 - 1], QString("10.0"));
    QCOMPARE(t.moves[65 - 1], QString("Fireman's Carry"));
    QCOMPARE(t.moves[92 - 1], QString("Northern Lights Suplex"));

    QCOMPARE(draws::repeated(t.adjectives), QStringList());
    QCOMPARE(draws::repeated(t.monikers), QStringList({"Sick: 4, 63"}));
    QCOMPARE(draws::repeated(t.moves),
             QStringList({"Piledriver: 1, 35", "Clothesline: 3, 85", "Backdrop: 9, 56",
                          "Bodyslam: 15, 23", "Punch: 16, 46", "Plancha: 20, 71"}));
    QCOMPARE(draws::longest(t.adjectives), QString("16: Double Underhook"));
    QCOMPARE(draws::longest(t.monikers), QString("15: Speeding Bullet"));
    QCOMPARE(draws::longest(t.moves), QString("22: Northern Lights Suplex"));
  }

  // Unscripted, a three-word style gives a moniker, an adjective and a move,
  // in that order, joined by single blanks.
  void threeWordsInTheirOrder() {
    const Tables t = readTables();
    QVERIFY(pick("Moniker + Adjective + Move"));
    for (int i = 0; i < 200; ++i) {
      QVERIFY(click("Finisher", "Command1"));
      const QString name = textOf("Finisher", "Text1");
      bool found = false;
      for (const QString& moniker : t.monikers) {
        if (!name.startsWith(moniker + " ")) continue;
        const QString rest = name.mid(moniker.size() + 1);
        for (const QString& adjective : t.adjectives) {
          if (rest.startsWith(adjective + " ") &&
              t.moves.contains(rest.mid(adjective.size() + 1))) {
            found = true;
          }
        }
      }
      QVERIFY2(found, qPrintable(name));
    }
  }

  void reopeningShowsTheDesignTexts() {
    QCOMPARE(generated("Move", {0.0f}), QString("Piledriver"));
    QVERIFY(program::reopen("Finisher", "Command2", "Command8"));
    QCOMPARE(textOf("Finisher", "Text1"), QString("<Finisher Name>"));
    QCOMPARE(textOf("Finisher", "Combo1"), QString("Finisher Style"));
    QCOMPARE(styleBox()->count(), 6);
  }
};

QTEST_MAIN(RandomFinisherGeneratorTest)
#include "tst_random_finisher_generator.moc"
