// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/line_control.h"
#include "hint_check.h"
#include "program.h"

#include <QLineEdit>
#include <QTest>

using hint_check::balloonText;
using hint_check::markedBoxes;
using hint_check::sorted;
using program::click;
using program::control;
using program::textOf;
using program::type;

namespace {

const QString kWholeNumber = QStringLiteral("a whole number from -32768 to 32767");
const QStringList kRatingBoxes{"Text5", "Text6", "Text7", "Text8"};

// Types each text into the box of the same place. Call it through QVERIFY,
// so that the calling test stops when it fails.
[[nodiscard]] bool fill(const QStringList& boxes, const QStringList& texts) {
  for (qsizetype i = 0; i < boxes.size(); ++i) {
    if (!type("calc", boxes[i], texts.value(i))) return false;
  }
  return true;
}

}  // namespace

class RatingsCalculatorTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { program::start(); }
  void init() {
    program::reset();
    QCOMPARE(program::openFromMenu("Command5"), QString("calc"));
  }

  void designState() {
    QCOMPARE(textOf("calc", "Label6"), QString("Missing Value:"));
    QCOMPARE(textOf("calc", "Label7"), QString("Overall Section Ratings:"));
    auto* line = control<LineControl>("calc", "Line1");
    QVERIFY(line);
    QCOMPARE(line->endPoints(), QLine(296, 80, 296, 280));
    QCOMPARE(line->colour(), QColor(192, 192, 192));
  }

  // The arithmetic is the rule's (tests/rules/tst_ratings.cpp); these rows
  // show the window reads its boxes, uses the rule and writes the result.
  void overall_data() {
    QTest::addColumn<QStringList>("crowdAndQuality");
    QTest::addColumn<QString>("overall");
    QTest::newRow("odd sum rounds down") << QStringList{"55", "60"} << "57";
    QTest::newRow("halves read to even") << QStringList{"56.5", "57.5"} << "57";
    QTest::newRow("blanks around") << QStringList{"  42 ", "42"} << "42";
  }

  void overall() {
    QFETCH(QStringList, crowdAndQuality);
    QFETCH(QString, overall);
    QVERIFY(type("calc", "Text1", "not a number"));  // never read by this button
    QVERIFY(fill({"Text2", "Text3"}, crowdAndQuality));
    QVERIFY(click("calc", "Command1"));
    QCOMPARE(textOf("calc", "Text4"), overall);
    QCOMPARE(textOf("calc", "Text1"), QString("not a number"));
    QCOMPARE(markedBoxes(), QStringList());
  }

  // Crowd = 2 x Overall - Quality and Quality = 2 x Overall - Crowd: the
  // button, its own box and the other, with Overall and the other typed.
  void missingFromOverall_data() {
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("missing");
    QTest::newRow("crowd") << QStringList{"Command2", "Text2", "Text3"} << QStringList{"57", "60"}
                           << "54";
    QTest::newRow("quality") << QStringList{"Command3", "Text3", "Text2"} << QStringList{"57", "54"}
                             << "60";
  }

  void missingFromOverall() {
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, typed);
    QFETCH(QString, missing);
    const QString button = boxes[0], ownBox = boxes[1], otherBox = boxes[2];
    QVERIFY(type("calc", ownBox, "junk"));  // the button's own row is not read
    QVERIFY(fill({"Text1", otherBox}, typed));
    QVERIFY(click("calc", button));
    QCOMPARE(textOf("calc", "Text4"), missing);
    QCOMPARE(textOf("calc", ownBox), QString("junk"));
  }

  void average_data() {
    QTest::addColumn<QStringList>("ratings");
    QTest::addColumn<QString>("average");
    QTest::newRow("zeros left out") << QStringList{"80", "0", "70", "0"} << "75";
    QTest::newRow("fractions read to even") << QStringList{"2.5", "3.5", "0.4", "-0.5"} << "3";
  }

  void average() {
    QFETCH(QStringList, ratings);
    QFETCH(QString, average);
    QVERIFY(fill(kRatingBoxes, ratings));
    QVERIFY(click("calc", "Command4"));
    QCOMPARE(textOf("calc", "Text10"), average);
    QVERIFY(click("calc", "Command4"));  // nothing carries over between presses
    QCOMPARE(textOf("calc", "Text10"), average);
  }

  void averageOfTheNewRatingsOnly() {
    QVERIFY(fill(kRatingBoxes, {"80", "70", "0", "0"}));
    QVERIFY(click("calc", "Command4"));
    QCOMPARE(textOf("calc", "Text10"), QString("75"));
    QVERIFY(type("calc", "Text6", "0"));
    QVERIFY(click("calc", "Command4"));
    QCOMPARE(textOf("calc", "Text10"), QString("80"));
  }

  // A refused press writes nothing: the result box keeps what it held, even
  // text the user typed there. The read order decides which box is marked.
  void refused_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("hintBox");
    QTest::addColumn<QStringList>("alsoMarked");
    QTest::addColumn<QString>("hint");
    const QStringList left{"Text1", "Text2", "Text3"};
    const QStringList none;

    QTest::newRow("overall: empty boxes, Quality read first")
        << "Command1" << left << QStringList{"", "", ""} << "Text3" << none << kWholeNumber;
    QTest::newRow("overall: Crowd not a number")
        << "Command1" << left << QStringList{"", "abc", "5"} << "Text2" << none << kWholeNumber;
    QTest::newRow("overall: Quality above 16 bits")
        << "Command1" << left << QStringList{"", "5", "32768"} << "Text3" << none << kWholeNumber;
    QTest::newRow("overall: Quality rounds out of 16 bits")
        << "Command1" << left << QStringList{"", "5", "32767.5"} << "Text3" << none << kWholeNumber;
    QTest::newRow("overall: sum overflows")
        << "Command1" << left << QStringList{"", "20000", "20000"} << "Text3"
        << QStringList{"Text2"} << "Crowd + Quality must lie within -32768 to 32767";
    QTest::newRow("crowd: empty boxes, Overall read first")
        << "Command2" << left << QStringList{"", "1", ""} << "Text1" << none << kWholeNumber;
    QTest::newRow("crowd: Quality with a comma")
        << "Command2" << left << QStringList{"5", "", "1,5"} << "Text3" << none << kWholeNumber;
    QTest::newRow("crowd: difference overflows")
        << "Command2" << left << QStringList{"-20000", "", "20000"} << "Text1"
        << QStringList{"Text3"} << "twice Overall - Quality must lie within -32768 to 32767";
    QTest::newRow("quality: Crowd with an exponent")
        << "Command3" << left << QStringList{"5", "1e2", ""} << "Text2" << none << kWholeNumber;
    QTest::newRow("quality: difference overflows")
        << "Command3" << left << QStringList{"20000", "-20000", ""} << "Text1"
        << QStringList{"Text2"} << "twice Overall - Crowd must lie within -32768 to 32767";
    QTest::newRow("average: empty box is not 0")
        << "Command4" << kRatingBoxes << QStringList{"50", "", "0", "0"} << "Text6" << none
        << kWholeNumber;
    QTest::newRow("average: all read before any is used")
        << "Command4" << kRatingBoxes << QStringList{"20000", "20000", "0", "x"} << "Text8" << none
        << kWholeNumber;
    QTest::newRow("average: total overflows at the last rating")
        << "Command4" << kRatingBoxes << QStringList{"10000", "10000", "10000", "10000"} << "Text8"
        << QStringList{"Text5", "Text6", "Text7"}
        << "the ratings' total must lie within -32768 to 32767";
    QTest::newRow("average: zeros are not part of the total")
        << "Command4" << kRatingBoxes << QStringList{"20000", "0", "20000", "0"} << "Text7"
        << QStringList{"Text5"} << "the ratings' total must lie within -32768 to 32767";
    QTest::newRow("average: no rating other than 0")
        << "Command4" << kRatingBoxes << QStringList{"0", "0", "-0", "0.4"} << "Text8"
        << QStringList{"Text5", "Text6", "Text7"} << "at least one rating other than 0";
  }

  void refused() {
    QFETCH(QString, button);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, texts);
    QFETCH(QString, hintBox);
    QFETCH(QStringList, alsoMarked);
    QFETCH(QString, hint);
    const QString resultBox = button == "Command4" ? "Text10" : "Text4";
    QVERIFY(type("calc", resultBox, "typed by hand"));
    QVERIFY(fill(boxes, texts));
    QVERIFY(click("calc", button));
    QCOMPARE(textOf("calc", resultBox), QString("typed by hand"));
    QCOMPARE(markedBoxes(), sorted(alsoMarked << hintBox));
    QCOMPARE(balloonText("calc", hintBox), hint);
    QCOMPARE(hint_check::boxesUnderBalloons(), QStringList());
    QCOMPARE(hint_check::balloonCount(), 1);
    for (qsizetype i = 0; i < boxes.size(); ++i) QCOMPARE(textOf("calc", boxes[i]), texts[i]);
  }

  void theMarkGoesAtAnyOtherPress() {
    QVERIFY(fill({"Text2", "Text3"}, {"abc", "10"}));
    QVERIFY(click("calc", "Command1"));
    QCOMPARE(markedBoxes(), QStringList{"Text2"});
    QVERIFY(fill(kRatingBoxes, {"10", "20", "0", "0"}));
    QCOMPARE(markedBoxes(), QStringList{"Text2"});  // other boxes' edits leave it
    QVERIFY(click("calc", "Command4"));
    QCOMPARE(textOf("calc", "Text10"), QString("15"));
    QCOMPARE(markedBoxes(), QStringList());
    QCOMPARE(hint_check::balloonCount(), 0);
  }

  void theMarkGoesWithAnEditOfAMarkedBox() {
    QVERIFY(fill(kRatingBoxes, {"0", "0", "0", "0"}));
    QVERIFY(click("calc", "Command4"));
    QCOMPARE(markedBoxes().size(), 4);
    QVERIFY(type("calc", "Text6", "1"));
    QCOMPARE(markedBoxes(), QStringList());
    QCOMPARE(hint_check::balloonCount(), 0);
    QVERIFY(click("calc", "Command4"));
    QCOMPARE(textOf("calc", "Text10"), QString("1"));
  }
};

QTEST_MAIN(RatingsCalculatorTest)
#include "tst_ratings_calculator.moc"
