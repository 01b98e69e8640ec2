// SPDX-License-Identifier: GPL-3.0-or-later
#include "hint_check.h"
#include "program.h"
#include "scoped_random_source.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using hint_check::balloonText;
using hint_check::markedBoxes;
using program::click;
using program::control;
using program::textOf;
using program::type;

namespace {

const QString kWholeNumber = QStringLiteral("a whole number from -2147483648 to 2147483647");
constexpr float kTop = ScopedRandomSource::kLargestBelowOne;

// What the modal box showed, seen from inside its own event loop.
struct SeenBox {
  bool shown = false;
  QString text, title;
  QMessageBox::Icon icon = QMessageBox::Information;
  QMessageBox::StandardButtons buttons;
  bool modal = false;
};

// Closes the program's message box with its OK button once it is up.
void closeMessageBoxWithOk(SeenBox* seen, int triesLeft = 200) {
  program::expectDialogs();
  QTimer::singleShot(10, qApp, [seen, triesLeft] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) {
      if (triesLeft > 0) closeMessageBoxWithOk(seen, triesLeft - 1);
      return;
    }
    seen->shown = true;
    seen->text = box->text();
    seen->title = box->windowTitle();
    seen->icon = box->icon();
    seen->buttons = box->standardButtons();
    seen->modal = box->isModal();
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
      QTest::mouseClick(ok, Qt::LeftButton);
    } else {
      box->reject();
    }
  });
}

}  // namespace

class RandomNumberGeneratorTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { program::start(); }
  void init() {
    program::reset();
    QCOMPARE(program::openFromMenu("Random"), QString("Rando"));
  }

  void designState() {
    QCOMPARE(textOf("Rando", "Label4"), QString("Generate a number between:"));
    QCOMPARE(textOf("Rando", "Label5"),
             QString("Note: Please do not use numbers higher than 99,999,999 with this "
                     "generator, or the program may crash. Thank You."));
  }

  void draws_data() {
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<float>("r");
    QTest::addColumn<QString>("result");
    QTest::newRow("equal values, r = 0") << QStringList{"5", "5"} << 0.0f << "5";
    QTest::newRow("equal values, largest r") << QStringList{"5", "5"} << kTop << "5";
    QTest::newRow("die, r = 0") << QStringList{"1", "6"} << 0.0f << "1";
    QTest::newRow("die, largest r") << QStringList{"1", "6"} << kTop << "6";
    QTest::newRow("die, middle") << QStringList{"1", "6"} << 0.5f << "4";
    QTest::newRow("across zero, r = 0") << QStringList{"-5", "5"} << 0.0f << "-5";
    QTest::newRow("across zero, largest r") << QStringList{"-5", "5"} << kTop << "5";
    QTest::newRow("across zero, middle") << QStringList{"-5", "5"} << 0.5f << "0";
    QTest::newRow("below zero") << QStringList{"-10", "-1"} << kTop << "-1";
    QTest::newRow("large values, r = 0")
        << QStringList{"150000000", "200000000"} << 0.0f << "150000000";
    // 50,000,001 values are more than the generator's 2^24 steps can reach.
    QTest::newRow("large values, largest r")
        << QStringList{"150000000", "200000000"} << kTop << "199999998";
    QTest::newRow("widest range from the bottom, r = 0")
        << QStringList{"-2147483648", "-2"} << 0.0f << "-2147483648";
    QTest::newRow("widest range from the bottom, largest r")
        << QStringList{"-2147483648", "-2"} << kTop << "-129";
    QTest::newRow("widest range across zero, r = 0")
        << QStringList{"-1073741824", "1073741822"} << 0.0f << "-1073741824";
    QTest::newRow("widest range across zero, largest r")
        << QStringList{"-1073741824", "1073741822"} << kTop << "1073741695";
    QTest::newRow("upper value 2147483646")
        << QStringList{"2147483646", "2147483646"} << kTop << "2147483646";
    QTest::newRow("2.5 reads as 2") << QStringList{"2.5", "2"} << kTop << "2";
    QTest::newRow("blanks and sign") << QStringList{" +7 ", "  7"} << 0.0f << "7";
  }

  void draws() {
    QFETCH(QStringList, values);
    QFETCH(float, r);
    QFETCH(QString, result);
    QVERIFY(type("Rando", "Text1", values[0]));
    QVERIFY(type("Rando", "Text2", values[1]));
    program::random().queue(r);
    program::random().queue(0.25f);  // must be left for the next press
    QVERIFY(click("Rando", "Command1"));
    QCOMPARE(program::random().left(), 1);
    QCOMPARE(textOf("Rando", "Text3"), result);
    QCOMPARE(markedBoxes(), QStringList());
  }

  void unscriptedDrawsStayInRangeAndReachBothEnds() {
    QVERIFY(type("Rando", "Text1", "-2"));
    QVERIFY(type("Rando", "Text2", "3"));
    QSet<int> seen;
    for (int i = 0; i < 300; ++i) {
      QVERIFY(click("Rando", "Command1"));
      const int value = textOf("Rando", "Text3").toInt();
      QVERIFY2(value >= -2 && value <= 3, qPrintable(textOf("Rando", "Text3")));
      seen.insert(value);
    }
    QCOMPARE(seen.size(), 6);
  }

  // A refused press draws nothing and leaves the last result; the box at
  // fault is marked and its balloon says what it takes.
  void refused_data() {
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QStringList>("marked");
    QTest::addColumn<QString>("hintBox");
    QTest::addColumn<QString>("hint");
    const QStringList one{"Text1"}, two{"Text2"}, both{"Text1", "Text2"};
    const QString top = "Value 2 must be below 2147483647";
    const QString apart = "the two values must be less than 2147483647 apart";
    QTest::newRow("Value 1 empty") << QStringList{"", "5"} << one << "Text1" << kWholeNumber;
    QTest::newRow("Value 2 empty") << QStringList{"1", ""} << two << "Text2" << kWholeNumber;
    QTest::newRow("both bad, Value 2 read first")
        << QStringList{"x", "y"} << two << "Text2" << kWholeNumber;
    QTest::newRow("blanks only") << QStringList{"   ", "5"} << one << "Text1" << kWholeNumber;
    QTest::newRow("word") << QStringList{"ten", "20"} << one << "Text1" << kWholeNumber;
    QTest::newRow("exponent") << QStringList{"1", "1e3"} << two << "Text2" << kWholeNumber;
    QTest::newRow("digit grouping") << QStringList{"1", "1,000"} << two << "Text2" << kWholeNumber;
    QTest::newRow("above 32 bits")
        << QStringList{"1", "2147483648"} << two << "Text2" << kWholeNumber;
    QTest::newRow("below 32 bits")
        << QStringList{"-2147483649", "0"} << one << "Text1" << kWholeNumber;
    QTest::newRow("Value 2 at the top") << QStringList{"0", "2147483647"} << two << "Text2" << top;
    QTest::newRow("both at the top")
        << QStringList{"2147483647", "2147483647"} << two << "Text2" << top;
    QTest::newRow("width overflows")
        << QStringList{"-2000000000", "2000000000"} << both << "Text2" << apart;
    QTest::newRow("top value after the lowest")
        << QStringList{"-2147483648", "2147483647"} << two << "Text2" << top;
    QTest::newRow("width one too many")
        << QStringList{"-2147483648", "-1"} << both << "Text2" << apart;
  }

  void refused() {
    QFETCH(QStringList, values);
    QFETCH(QStringList, marked);
    QFETCH(QString, hintBox);
    QFETCH(QString, hint);
    QVERIFY(type("Rando", "Text1", "3"));
    QVERIFY(type("Rando", "Text2", "3"));
    QVERIFY(click("Rando", "Command1"));
    QCOMPARE(textOf("Rando", "Text3"), QString("3"));

    QVERIFY(type("Rando", "Text1", values[0]));
    QVERIFY(type("Rando", "Text2", values[1]));
    program::random().queue(0.5f);
    QVERIFY(click("Rando", "Command1"));
    QCOMPARE(program::random().left(), 1);
    QCOMPARE(textOf("Rando", "Text3"), QString("3"));
    QCOMPARE(markedBoxes(), marked);
    QCOMPARE(balloonText("Rando", hintBox), hint);
    QCOMPARE(hint_check::boxesUnderBalloons(), QStringList());
    QCOMPARE(hint_check::balloonCount(), 1);
  }

  void wrongOrderShowsTheMessageBox() {
    QVERIFY(type("Rando", "Text1", "1"));
    QVERIFY(type("Rando", "Text2", "6"));
    program::random().queue(0.0f);
    QVERIFY(click("Rando", "Command1"));
    QCOMPARE(textOf("Rando", "Text3"), QString("1"));

    QVERIFY(type("Rando", "Text1", "10"));
    QVERIFY(type("Rando", "Text2", "1"));
    program::random().queue(0.5f);
    SeenBox seen;
    closeMessageBoxWithOk(&seen);
    QVERIFY(click("Rando", "Command1"));
    QVERIFY(seen.shown);
    QCOMPARE(seen.text, QString("Incorrect Values: Value 1 must be smaller than Value 2!"));
    QCOMPARE(seen.title, QString("Knockwell"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(seen.modal);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(program::random().left(), 1);
    QCOMPARE(textOf("Rando", "Text3"), QString("1"));
    QCOMPARE(markedBoxes(), QStringList());
    QCOMPARE(program::onScreen()->name(), QString("Rando"));
  }

  void wrongOrderWinsOverTheTopValue() {
    // Value 1 above Value 2 is caught before Value 2 + 1 is formed.
    QVERIFY(type("Rando", "Text1", "2147483647"));
    QVERIFY(type("Rando", "Text2", "2147483646"));
    SeenBox seen;
    closeMessageBoxWithOk(&seen);
    QVERIFY(click("Rando", "Command1"));
    QVERIFY(seen.shown);
    QCOMPARE(markedBoxes(), QStringList());
  }

  void theMarkShowsAndGoesWithAnEdit() {
    auto* box1 = control<QLineEdit>("Rando", "Text1");
    const QColor plain = box1->palette().color(QPalette::Base);
    QVERIFY(type("Rando", "Text1", "-2000000000"));
    QVERIFY(type("Rando", "Text2", "2000000000"));
    QVERIFY(click("Rando", "Command1"));
    QCOMPARE(box1->palette().color(QPalette::Base), input_hint::kMarked);
    QLabel* balloon = input_hint::balloonOf(control<QLineEdit>("Rando", "Text2"));
    QVERIFY(balloon);
    QVERIFY(program::onScreen()->widget()->rect().contains(balloon->geometry()));

    QTest::keyClick(box1, Qt::Key_Backspace);  // editing either box of the pair
    QCOMPARE(markedBoxes(), QStringList());
    QCOMPARE(hint_check::balloonCount(), 0);
    QCOMPARE(box1->palette().color(QPalette::Base), plain);
  }

  // Editing a box that is not marked leaves the mark; the next press clears
  // it and marks afresh.
  void theNextPressMovesTheMark() {
    QVERIFY(type("Rando", "Text1", "abc"));
    QVERIFY(type("Rando", "Text2", "5"));
    QVERIFY(click("Rando", "Command1"));
    QCOMPARE(markedBoxes(), QStringList{"Text1"});
    QVERIFY(type("Rando", "Text2", "xyz"));
    QCOMPARE(markedBoxes(), QStringList{"Text1"});
    QVERIFY(click("Rando", "Command1"));
    QCOMPARE(markedBoxes(), QStringList{"Text2"});
    QCOMPARE(balloonText("Rando", "Text1"), QString());
    QCOMPARE(balloonText("Rando", "Text2"), kWholeNumber);
  }

  void resultBoxTakesNoTyping() {
    auto* result = control<QLineEdit>("Rando", "Text3");
    result->setFocus();
    QTest::keyClicks(result, "42");
    QCOMPARE(result->text(), QString());
  }
};

QTEST_MAIN(RandomNumberGeneratorTest)
#include "tst_random_number_generator.moc"
