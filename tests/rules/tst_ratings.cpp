// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/ratings.h"

#include <QTest>

#include <vector>

// A result the rule refuses is written as this in the tables below.
constexpr int kNone = 99999;

namespace {

int orNone(std::optional<std::int16_t> value) { return value ? *value : kNone; }

}  // namespace

class RatingsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void overall_data() {
    QTest::addColumn<int>("crowd");
    QTest::addColumn<int>("quality");
    QTest::addColumn<int>("overall");
    QTest::newRow("odd sum rounds down") << 55 << 60 << 57;
    QTest::newRow("even sum") << 50 << 60 << 55;
    QTest::newRow("negative odd sum rounds down") << -3 << 0 << -2;
    QTest::newRow("negative odd sum, -5") << -3 << -2 << -3;
    QTest::newRow("-1 halves to -1") << 32767 << -32768 << -1;
    QTest::newRow("sum at the top") << 16384 << 16383 << 16383;
    QTest::newRow("sum at the bottom") << -16384 << -16384 << -16384;
    QTest::newRow("sum overflows") << 20000 << 20000 << kNone;
    QTest::newRow("negative sum overflows") << -20000 << -12769 << kNone;
  }

  void overall() {
    QFETCH(int, crowd);
    QFETCH(int, quality);
    QFETCH(int, overall);
    QCOMPARE(orNone(ratings::overall(std::int16_t(crowd), std::int16_t(quality))), overall);
  }

  // 2 x Overall - other, formed as (Overall - other) + Overall: the plain
  // inverse, which does not undo the rounding of an odd sum.
  void missing_data() {
    QTest::addColumn<int>("overall");
    QTest::addColumn<int>("other");
    QTest::addColumn<int>("missing");
    QTest::newRow("crowd") << 57 << 60 << 54;
    QTest::newRow("quality") << 57 << 54 << 60;
    QTest::newRow("crowd of an odd sum") << 57 << 59 << 55;
    QTest::newRow("at the top") << 16383 << -1 << 32767;
    QTest::newRow("at the bottom") << -16384 << 0 << -32768;
    QTest::newRow("negative") << -5 << 3 << -13;
    QTest::newRow("difference overflows") << -20000 << 20000 << kNone;
    QTest::newRow("difference overflows upwards") << 20000 << -20000 << kNone;
    QTest::newRow("second step overflows") << 20000 << 0 << kNone;
    QTest::newRow("second step overflows downwards") << -20000 << 0 << kNone;
  }

  void missing() {
    QFETCH(int, overall);
    QFETCH(int, other);
    QFETCH(int, missing);
    QCOMPARE(orNone(ratings::missing(std::int16_t(overall), std::int16_t(other))), missing);
  }

  // `result` is the average, or for a total out of range the place of the
  // rating that took it out; `counted` the places added before.
  void sectionAverage_data() {
    using Outcome = ratings::SectionAverage::Outcome;
    QTest::addColumn<QList<int>>("ratings");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<int>("result");
    QTest::addColumn<QList<int>>("counted");
    const Outcome found = Outcome::Average;
    const Outcome out = Outcome::TotalOutOfRange;
    QTest::newRow("zeros left out") << QList<int>{80, 0, 70, 0} << found << 75 << QList<int>{0, 2};
    QTest::newRow("half rounds down")
        << QList<int>{80, 75, 0, 0} << found << 77 << QList<int>{0, 1};
    QTest::newRow("one negative") << QList<int>{-10, 0, 0, 0} << found << -10 << QList<int>{0};
    QTest::newRow("negative half rounds down")
        << QList<int>{-10, -5, 0, 0} << found << -8 << QList<int>{0, 1};
    QTest::newRow("negatives counted")
        << QList<int>{90, -30, 0, 0} << found << 30 << QList<int>{0, 1};
    QTest::newRow("last slot only") << QList<int>{0, 0, 0, 7} << found << 7 << QList<int>{3};
    QTest::newRow("total at the top")
        << QList<int>{10000, 10000, 10000, 2767} << found << 8191 << QList<int>{0, 1, 2, 3};
    QTest::newRow("total at the bottom")
        << QList<int>{-32768, 0, 0, 0} << found << -32768 << QList<int>{0};
    QTest::newRow("total overflows at the last rating")
        << QList<int>{10000, 10000, 10000, 10000} << out << 3 << QList<int>{0, 1, 2};
    QTest::newRow("zeros are not part of the total")
        << QList<int>{20000, 0, 20000, 0} << out << 2 << QList<int>{0};
    QTest::newRow("negative total overflows")
        << QList<int>{-32768, -1, 0, 0} << out << 1 << QList<int>{0};
    QTest::newRow("no rating other than 0")
        << QList<int>{0, 0, 0, 0} << Outcome::NoRating << 0 << QList<int>{};
  }

  void sectionAverage() {
    using Outcome = ratings::SectionAverage::Outcome;
    QFETCH(QList<int>, ratings);
    QFETCH(Outcome, outcome);
    QFETCH(int, result);
    QFETCH(QList<int>, counted);
    std::vector<std::int16_t> values;
    for (int r : ratings) values.push_back(std::int16_t(r));
    const ratings::SectionAverage average = ratings::sectionAverage(values);
    QCOMPARE(average.outcome, outcome);
    if (outcome == Outcome::Average) QCOMPARE(int(average.average), result);
    if (outcome == Outcome::TotalOutOfRange) QCOMPARE(average.overflowing, result);
    QCOMPARE(average.counted, counted);
  }
};

QTEST_APPLESS_MAIN(RatingsTest)
#include "tst_ratings.moc"
