// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/colour.h"
#include "rules/numbers.h"

#include <QTest>

#include <limits>

// A failed read is written as this in the tables below.
constexpr qint64 kFails = std::numeric_limits<qint64>::min();

class NumbersTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void fromText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("as16");
    QTest::addColumn<qint64>("as32");

    QTest::newRow("plain") << "42" << 42LL << 42LL;
    QTest::newRow("blanks around") << "  42 " << 42LL << 42LL;
    QTest::newRow("tab around") << "\t7\t" << 7LL << 7LL;
    QTest::newRow("plus sign") << "+5" << 5LL << 5LL;
    QTest::newRow("minus sign") << "-5" << -5LL << -5LL;
    QTest::newRow("minus zero") << "-0" << 0LL << 0LL;
    QTest::newRow("leading zeros") << "007" << 7LL << 7LL;
    QTest::newRow("half to even, down") << "2.5" << 2LL << 2LL;
    QTest::newRow("half to even, up") << "3.5" << 4LL << 4LL;
    QTest::newRow("negative half to even") << "-2.5" << -2LL << -2LL;
    QTest::newRow("negative half, odd") << "-3.5" << -4LL << -4LL;
    QTest::newRow("just above half") << "2.5000001" << 3LL << 3LL;
    QTest::newRow("just below half") << "2.4999999" << 2LL << 2LL;
    QTest::newRow("56.5") << "56.5" << 56LL << 56LL;
    QTest::newRow("57.5") << "57.5" << 58LL << 58LL;
    QTest::newRow("12.5") << "12.5" << 12LL << 12LL;
    QTest::newRow("minus half") << "-0.5" << 0LL << 0LL;
    QTest::newRow("point only fraction") << ".5" << 0LL << 0LL;
    QTest::newRow("trailing point") << "7." << 7LL << 7LL;
    QTest::newRow("16-bit top") << "32767" << 32767LL << 32767LL;
    QTest::newRow("16-bit bottom") << "-32768" << -32768LL << -32768LL;
    QTest::newRow("16-bit top plus one") << "32768" << kFails << 32768LL;
    QTest::newRow("16-bit bottom minus one") << "-32769" << kFails << -32769LL;
    QTest::newRow("rounds past 16-bit top") << "32767.5" << kFails << 32768LL;
    QTest::newRow("rounds onto 16-bit bottom") << "-32768.5" << -32768LL << -32768LL;
    QTest::newRow("32-bit top") << "2147483647" << kFails << 2147483647LL;
    QTest::newRow("32-bit bottom") << "-2147483648" << kFails << -2147483648LL;
    QTest::newRow("32-bit top plus one") << "2147483648" << kFails << kFails;
    QTest::newRow("rounds past 32-bit top") << "2147483647.5" << kFails << kFails;
    QTest::newRow("very long number") << QString(400, u'9') << kFails << kFails;
    QTest::newRow("long fraction") << "1." + QString(400, u'0') + "1" << 1LL << 1LL;
    QTest::newRow("empty") << "" << kFails << kFails;
    QTest::newRow("blanks only") << "   " << kFails << kFails;
    QTest::newRow("sign only") << "-" << kFails << kFails;
    QTest::newRow("point only") << "." << kFails << kFails;
    QTest::newRow("word") << "abc" << kFails << kFails;
    QTest::newRow("trailing letter") << "12a" << kFails << kFails;
    QTest::newRow("blank inside") << "1 2" << kFails << kFails;
    QTest::newRow("blank after sign") << "- 2" << kFails << kFails;
    QTest::newRow("two signs") << "--2" << kFails << kFails;
    QTest::newRow("two points") << "1.2.3" << kFails << kFails;
    QTest::newRow("digit grouping") << "1,000" << kFails << kFails;
    QTest::newRow("exponent") << "1e3" << kFails << kFails;
    QTest::newRow("hex") << "0x10" << kFails << kFails;
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("\u0661\u0662") << kFails << kFails;
    QTest::newRow("embedded NUL") << QString::fromUtf8(
                                         "1\0"
                                         "2",
                                         3)
                                  << kFails << kFails;
  }

  void fromText() {
    QFETCH(QString, text);
    QFETCH(qint64, as16);
    QFETCH(qint64, as32);
    const auto read16 = numbers::fromText16(text);
    const auto read32 = numbers::fromText32(text);
    QCOMPARE(read16 ? qint64{*read16} : kFails, as16);
    QCOMPARE(read32 ? qint64{*read32} : kFails, as32);
  }

  void toText_data() {
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0LL << "0";
    QTest::newRow("negative") << -32768LL << "-32768";
    QTest::newRow("large, no grouping") << 2147483647LL << "2147483647";
  }

  void toText() {
    QFETCH(qint64, value);
    QFETCH(QString, text);
    QCOMPARE(numbers::toText(value), text);
  }

  void roundDown_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("rounded");
    QTest::newRow("whole") << 57.0 << 57LL;
    QTest::newRow("positive half") << 57.5 << 57LL;
    QTest::newRow("negative half goes down") << -1.5 << -2LL;
    QTest::newRow("negative small") << -0.25 << -1LL;
    QTest::newRow("bottom") << -32768.0 << -32768LL;
    QTest::newRow("below bottom") << -32768.5 << kFails;
    QTest::newRow("above top") << 32768.0 << kFails;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << kFails;
  }

  void roundDown() {
    QFETCH(double, value);
    QFETCH(qint64, rounded);
    const auto result = numbers::roundDown16(value);
    QCOMPARE(result ? qint64{*result} : kFails, rounded);
  }

  void checkedArithmetic() {
    QCOMPARE(numbers::add16(20000, 12767), std::optional<std::int16_t>(32767));
    QVERIFY(!numbers::add16(20000, 20000));
    QVERIFY(!numbers::add16(-32768, -1));
    QCOMPARE(numbers::subtract16(-32767, 1), std::optional<std::int16_t>(-32768));
    QVERIFY(!numbers::subtract16(-32768, 1));
    QVERIFY(!numbers::subtract16(0, -32768));
    QVERIFY(!numbers::add32(2147483647, 1));
    QCOMPARE(numbers::subtract32(2000000000, -147483647), std::optional<std::int32_t>(2147483647));
    QVERIFY(!numbers::subtract32(2000000000, -2000000000));
  }

  void colourValue_data() {
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<int>("value");
    QTest::newRow("black") << 0 << 0 << 0 << 0;
    QTest::newRow("red is the low byte") << 255 << 0 << 0 << 0xFF;
    QTest::newRow("blue is the high byte") << 0 << 0 << 255 << 0xFF0000;
    QTest::newRow("mixed") << 255 << 128 << 0 << 0x0080FF;
    QTest::newRow("above 255 counts as 255") << 300 << 0 << 1000 << 0xFF00FF;
  }

  void colourValue() {
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(int, value);
    QCOMPARE(colour::value(red, green, blue), value);
  }
};

QTEST_APPLESS_MAIN(NumbersTest)
#include "tst_numbers.moc"
