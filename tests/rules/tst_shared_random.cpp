// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/shared_random.h"
#include "scoped_random_source.h"

#include <QTest>

#include <memory>
#include <vector>

class SharedRandomTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ScopedRandomSource> random_;

 private Q_SLOTS:
  void init() {
    shared_random::restart();
    random_.reset();
    random_ = std::make_unique<ScopedRandomSource>();
  }

  void valuesStayInRange() {
    for (int i = 0; i < 200000; ++i) {
      const float r = shared_random::next();
      QVERIFY(r >= 0.0f);
      QVERIFY(r < 1.0f);
    }
  }

  void fixedStartRepeats() {
    std::vector<float> first;
    for (int i = 0; i < 20; ++i) first.push_back(shared_random::next());
    shared_random::restart();
    for (float expected : first) QCOMPARE(shared_random::next(), expected);
    // And it is a sequence, not one value over and over.
    QVERIFY(first[0] != first[1] || first[1] != first[2]);
  }

  void reseedChangesTheSequence() {
    const float unseeded = shared_random::next();
    shared_random::reseed(43200.0f);
    const float seeded = shared_random::next();
    shared_random::reseed(43201.0f);
    const float otherSeed = shared_random::next();
    shared_random::reseed(43200.0f);
    QCOMPARE(shared_random::next(), seeded);
    QVERIFY(seeded != unseeded || otherSeed != seeded);
    QVERIFY(otherSeed != seeded);
  }

  void wholeDrawBounds_data() {
    QTest::addColumn<int>("n");
    QTest::newRow("3") << 3;
    QTest::newRow("10") << 10;
    QTest::newRow("100") << 100;
    QTest::newRow("150") << 150;
  }

  void wholeDrawBounds() {
    QFETCH(int, n);
    random_->queue(0.0f);
    QCOMPARE(shared_random::wholeDraw(n), 1);
    random_->queue(ScopedRandomSource::kLargestBelowOne);
    QCOMPARE(shared_random::wholeDraw(n), n);
    std::vector<int> seen(n + 2, 0);
    for (int i = 0; i < 50 * n; ++i) {
      const int k = shared_random::wholeDraw(n);
      QVERIFY(k >= 1 && k <= n);
      ++seen[k];
    }
    for (int k = 1; k <= n; ++k) QVERIFY2(seen[k] > 0, qPrintable(QString::number(k)));
  }

  void scriptedValuesComeFirst() {
    const float natural = shared_random::next();
    shared_random::restart();
    random_->queue(0.25f);
    random_->queue(0.5f);
    QCOMPARE(shared_random::next(), 0.25f);
    QCOMPARE(shared_random::next(), 0.5f);
    QCOMPARE(random_->left(), 0);
    // Scripted values do not advance the sequence itself.
    QCOMPARE(shared_random::next(), natural);
  }
};

QTEST_APPLESS_MAIN(SharedRandomTest)
#include "tst_shared_random.moc"
