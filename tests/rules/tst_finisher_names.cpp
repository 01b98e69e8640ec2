// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/finisher_names.h"

#include <QTest>

// Each style's words in order, one draw each: slot 1 is a table's first
// word and slot 100 its last. Every table holds 100 words.
class FinisherNamesTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void compose_data() {
    QTest::addColumn<QString>("style");
    QTest::addColumn<QList<int>>("drawn");
    QTest::addColumn<QString>("name");
    QTest::newRow("Move, first") << "Move" << QList<int>{1} << "Piledriver";
    QTest::newRow("Move, last") << "Move" << QList<int>{100} << "Crusher";
    QTest::newRow("Two Moves") << "Two Moves" << QList<int>{100, 51} << "Crusher Atomic Drop";
    QTest::newRow("Two Moves, the same twice")
        << "Two Moves" << QList<int>{1, 1} << "Piledriver Piledriver";
    QTest::newRow("Moniker + Move, first then last")
        << "Moniker + Move" << QList<int>{1, 100} << "Bonecrushing Crusher";
    QTest::newRow("Moniker + Move, last then first")
        << "Moniker + Move" << QList<int>{100, 1} << "Donkey Piledriver";
    QTest::newRow("Adjective + Move, first then last")
        << "Adjective + Move" << QList<int>{1, 100} << "Twisting Crusher";
    QTest::newRow("Adjective + Move, last then first")
        << "Adjective + Move" << QList<int>{100, 1} << "Calling Piledriver";
    QTest::newRow("Moniker + Adjective + Move")
        << "Moniker + Adjective + Move" << QList<int>{1, 100, 51}
        << "Bonecrushing Calling Atomic Drop";
    QTest::newRow("Moniker + Adjective + Move, last first last")
        << "Moniker + Adjective + Move" << QList<int>{100, 1, 100} << "Donkey Twisting Crusher";
    QTest::newRow("Adjective + Moniker + Move")
        << "Adjective + Moniker + Move" << QList<int>{1, 100, 51} << "Twisting Donkey Atomic Drop";
    QTest::newRow("Adjective + Moniker + Move, last first first")
        << "Adjective + Moniker + Move" << QList<int>{100, 1, 1}
        << "Calling Bonecrushing Piledriver";
    // Only the exact text of a style builds a name; anything else draws
    // nothing and gives an empty name.
    QTest::newRow("Finisher Style, as at load") << "Finisher Style" << QList<int>{} << "";
    QTest::newRow("lower case") << "move" << QList<int>{} << "";
    QTest::newRow("other capitals") << "Two moves" << QList<int>{} << "";
    QTest::newRow("trailing blank") << "Move " << QList<int>{} << "";
    QTest::newRow("leading blank") << " Adjective + Move" << QList<int>{} << "";
    QTest::newRow("no spaces round the plus") << "Moniker+Move" << QList<int>{} << "";
    QTest::newRow("an adjective, not a style") << "Reverse" << QList<int>{} << "";
    QTest::newRow("empty") << "" << QList<int>{} << "";
  }

  void compose() {
    QFETCH(QString, style);
    QFETCH(QList<int>, drawn);
    QFETCH(QString, name);
    QList<int> sizes;
    qsizetype next = 0;
    const finisher_names::Draw draw = [&](int n) {
      sizes << n;
      return next < drawn.size() ? drawn[next++] : 1;
    };
    QCOMPARE(finisher_names::compose(style, draw), name);
    QCOMPARE(sizes, QList<int>(drawn.size(), 100));  // one draw per word, no more
  }

  void stylesAsListed() {
    QStringList styles;
    for (const char* style : finisher_names::kStyles) styles << style;
    QCOMPARE(styles, QStringList({"Move", "Moniker + Move", "Adjective + Move",
                                  "Moniker + Adjective + Move", "Adjective + Moniker + Move",
                                  "Two Moves"}));
  }
};

QTEST_APPLESS_MAIN(FinisherNamesTest)
#include "tst_finisher_names.moc"
