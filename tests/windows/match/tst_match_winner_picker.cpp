// SPDX-License-Identifier: GPL-3.0-or-later
#include "draws.h"
#include "framework/line_control.h"
#include "program.h"
#include "scoped_random_source.h"

#include <QLineEdit>
#include <QTest>

#include <cmath>

using program::click;
using program::control;
using program::textOf;
using program::type;

namespace {

// The middle of the band of r that rolls n: n = floor(10r + 1).
float rollOf(int n) { return draws::ofSlot(n, 10); }

const QString kLeft = QStringLiteral("Left Man");
const QString kMiddle = QStringLiteral("  Middle  Man ");
const QString kRight = QStringLiteral("Right Man");

}  // namespace

class MatchWinnerPickerTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { program::start(); }
  void init() {
    program::reset();
    QCOMPARE(program::openFromMenu("Command3"), QString("Match"));
  }

  void designState() {
    for (const char* box : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"}) {
      QVERIFY2(textOf("Match", box).isEmpty(), box);
    }
    QCOMPARE(textOf("Match", "Label4"), QString("1 -vs- 1 -vs- 1"));
    const QPair<const char*, int> lines[] = {{"Line2", 56}, {"Line1", 160}, {"Line3", 280}};
    for (const auto& [name, y] : lines) {
      auto* line = control<LineControl>("Match", name);
      QVERIFY2(line, name);
      QCOMPARE(line->endPoints(), QLine(0, y, 568, y));
      QCOMPARE(line->colour(), QColor(192, 192, 192));
    }
  }

  void oneOnOne_data() {
    QTest::addColumn<float>("r");
    QTest::addColumn<bool>("leftWins");
    QTest::newRow("r = 0, n = 1") << 0.0f << false;
    QTest::newRow("n = 3") << rollOf(3) << false;
    QTest::newRow("n = 4") << rollOf(4) << false;
    QTest::newRow("n = 5") << rollOf(5) << false;
    QTest::newRow("just below 0.5, n = 5") << std::nextafter(0.5f, 0.0f) << false;
    QTest::newRow("r = 0.5, n = 6") << 0.5f << true;
    QTest::newRow("n = 6") << rollOf(6) << true;
    QTest::newRow("n = 7") << rollOf(7) << true;
    QTest::newRow("n = 8") << rollOf(8) << true;
    QTest::newRow("largest r, n = 10") << ScopedRandomSource::kLargestBelowOne << true;
  }

  void oneOnOne() {
    QFETCH(float, r);
    QFETCH(bool, leftWins);
    QVERIFY(type("Match", "Text1", kLeft));
    QVERIFY(type("Match", "Text2", kRight));
    QVERIFY(type("Match", "Text4", "untouched"));
    program::random().queue(r);
    QVERIFY(click("Match", "Command1"));
    QCOMPARE(program::random().left(), 0);
    QCOMPARE(textOf("Match", "Text3"), leftWins ? kLeft : kRight);
    QCOMPARE(textOf("Match", "Text6"), QString());
  }

  void threeWay_data() {
    QTest::addColumn<float>("r");
    QTest::addColumn<QString>("winnerBox");
    QTest::newRow("r = 0, n = 1") << 0.0f << "Text7";
    QTest::newRow("n = 3") << rollOf(3) << "Text7";
    QTest::newRow("just below 0.3f, n = 3") << std::nextafter(0.3f, 0.0f) << "Text7";
    QTest::newRow("0.3f is above 0.3, n = 4") << 0.3f << "Text5";
    QTest::newRow("n = 4") << rollOf(4) << "Text5";
    QTest::newRow("n = 5") << rollOf(5) << "Text5";
    QTest::newRow("n = 6") << rollOf(6) << "Text5";
    QTest::newRow("n = 7") << rollOf(7) << "Text5";
    QTest::newRow("0.7f is below 0.7, n = 7") << 0.7f << "Text5";
    QTest::newRow("just above 0.7f, n = 8") << std::nextafter(0.7f, 1.0f) << "Text4";
    QTest::newRow("n = 8") << rollOf(8) << "Text4";
    QTest::newRow("largest r, n = 10") << ScopedRandomSource::kLargestBelowOne << "Text4";
  }

  void threeWay() {
    QFETCH(float, r);
    QFETCH(QString, winnerBox);
    QVERIFY(type("Match", "Text4", kLeft));
    QVERIFY(type("Match", "Text5", kMiddle));
    QVERIFY(type("Match", "Text7", kRight));
    program::random().queue(r);
    QVERIFY(click("Match", "Command2"));
    QCOMPARE(program::random().left(), 0);
    QCOMPARE(textOf("Match", "Text6"), textOf("Match", winnerBox));
    QCOMPARE(textOf("Match", "Text3"), QString());
  }

  // A pick overwrites its own box only, and copies empty names as they are.
  void picksOverwriteTheirOwnBoxOnly() {
    QVERIFY(type("Match", "Text1", kLeft));
    QVERIFY(type("Match", "Text4", kLeft));
    program::random().queue(rollOf(9));
    QVERIFY(click("Match", "Command1"));
    program::random().queue(rollOf(9));
    QVERIFY(click("Match", "Command2"));
    QCOMPARE(textOf("Match", "Text3"), kLeft);
    QCOMPARE(textOf("Match", "Text6"), kLeft);

    program::random().queue(rollOf(2));
    QVERIFY(click("Match", "Command1"));
    QCOMPARE(textOf("Match", "Text3"), QString());  // the empty right entrant won
    QCOMPARE(textOf("Match", "Text6"), kLeft);
  }

  void winnerBoxesTakeNoTyping() {
    for (const char* box : {"Text3", "Text6"}) {
      auto* edit = control<QLineEdit>("Match", box);
      edit->setFocus();
      QTest::keyClicks(edit, "typed");
      QCOMPARE(edit->text(), QString());
    }
  }

  // With the program's own sequence: the middle entrant about 4 in 10, each
  // side about 3 in 10, and the one-on-one even.
  void unscriptedOddsFollowTheThresholds() {
    QVERIFY(type("Match", "Text1", "L"));
    QVERIFY(type("Match", "Text2", "R"));
    QVERIFY(type("Match", "Text4", "L"));
    QVERIFY(type("Match", "Text5", "M"));
    QVERIFY(type("Match", "Text7", "R"));
    constexpr int kPicks = 3000;
    QMap<QString, int> threeWay, oneOnOne;
    for (int i = 0; i < kPicks; ++i) {
      QVERIFY(click("Match", "Command1"));
      QVERIFY(click("Match", "Command2"));
      ++oneOnOne[textOf("Match", "Text3")];
      ++threeWay[textOf("Match", "Text6")];
    }
    const auto share = [](int count) { return double(count) / kPicks; };
    QVERIFY(std::abs(share(oneOnOne["L"]) - 0.5) < 0.04);
    QCOMPARE(oneOnOne["L"] + oneOnOne["R"], kPicks);
    QVERIFY(std::abs(share(threeWay["L"]) - 0.3) < 0.04);
    QVERIFY(std::abs(share(threeWay["M"]) - 0.4) < 0.04);
    QVERIFY(std::abs(share(threeWay["R"]) - 0.3) < 0.04);
  }
};

QTEST_MAIN(MatchWinnerPickerTest)
#include "tst_match_winner_picker.moc"
