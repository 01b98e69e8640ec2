// SPDX-License-Identifier: GPL-3.0-or-later
#include "hint_check.h"
#include "program.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using hint_check::balloonText;
using hint_check::markedBoxes;
using program::click;
using program::control;
using program::textOf;
using program::type;

namespace {

const QString kComponent = QStringLiteral("a whole number from 0 to 32767");
const QColor kGrey(128, 128, 128);

QColor swatch() {
  auto* preview = control<QLabel>("HexRGB", "preView");
  return preview->autoFillBackground() ? preview->palette().color(QPalette::Window) : QColor();
}

[[nodiscard]] bool choose(const QString& entry) {
  return program::choose("HexRGB", "preSets", entry);
}

// Call it through QVERIFY, so that the calling test stops when it fails.
[[nodiscard]] bool typeComponents(const QString& red, const QString& green, const QString& blue) {
  return type("HexRGB", "rEd", red) && type("HexRGB", "grEen", green) &&
         type("HexRGB", "blUe", blue);
}

QStringList components() {
  return {textOf("HexRGB", "rEd"), textOf("HexRGB", "grEen"), textOf("HexRGB", "blUe")};
}

}  // namespace

class ColourDecoderTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { program::start(); }
  void init() {
    program::reset();
    QCOMPARE(program::openFromMenu("Command2"), QString("HexRGB"));
  }

  void designState() {
    QCOMPARE(swatch(), kGrey);
    QCOMPARE(textOf("HexRGB", "preView"), QString());
    QCOMPARE(control<QLabel>("HexRGB", "Label3")->alignment() & Qt::AlignHorizontal_Mask,
             Qt::AlignRight);
    QCOMPARE(control<QLabel>("HexRGB", "Label1")->palette().color(QPalette::WindowText),
             QColor(0, 0, 128));
    for (const char* box : {"rEd", "grEen", "blUe", "hExD"}) {
      QVERIFY2(textOf("HexRGB", box).isEmpty(), box);
      QVERIFY2(!control<QLineEdit>("HexRGB", box)->isReadOnly(), box);
    }
  }

  // "Presets:" comes from the design, the names from each load, and nothing
  // is chosen; reopening builds the same list again, not a longer one.
  void presetListOnEveryLoad() {
    for (int opening = 0; opening < 2; ++opening) {
      auto* list = control<QComboBox>("HexRGB", "preSets");
      QVERIFY(!list->isEditable());
      QCOMPARE(list->count(), 31);
      QCOMPARE(list->itemText(0), QString("Presets:"));
      QCOMPARE(list->itemText(1), QString("White"));
      QCOMPARE(list->itemText(9), QString("Navy Blue"));
      QCOMPARE(list->itemText(30), QString("Violet"));
      QCOMPARE(list->currentIndex(), -1);
      QCOMPARE(list->currentText(), QString());
      QVERIFY(choose("Red"));
      QVERIFY(click("HexRGB", "gEn3"));
      QVERIFY(program::reopen("HexRGB", "Command1", "Command2"));
      QCOMPARE(swatch(), kGrey);
    }
  }

  void presets_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QString>("code");
    QTest::newRow("White") << "White" << QStringList{"255", "255", "255"} << "FFFFFF";
    QTest::newRow("Black") << "Black" << QStringList{"0", "0", "0"} << "000";
    QTest::newRow("Navy Blue") << "Navy Blue" << QStringList{"0", "0", "50"} << "0032";
    QTest::newRow("Light Blue") << "Light Blue" << QStringList{"0", "200", "255"} << "0C8FF";
    QTest::newRow("Brown") << "Brown" << QStringList{"100", "50", "0"} << "64320";
    QTest::newRow("Violet") << "Violet" << QStringList{"150", "0", "200"} << "960C8";
    QTest::newRow("Dark Brown") << "Dark Brown" << QStringList{"75", "50", "50"} << "4B3232";
    QTest::newRow("Beige") << "Beige" << QStringList{"255", "230", "230"} << "FFE6E6";
    QTest::newRow("Green Tint Cream")
        << "Green Tint Cream" << QStringList{"230", "255", "230"} << "E6FFE6";
    QTest::newRow("Purple") << "Purple" << QStringList{"110", "0", "150"} << "6E096";
  }

  void presets() {
    QFETCH(QString, name);
    QFETCH(QStringList, numbers);
    QFETCH(QString, code);
    QVERIFY(typeComponents("1", "2", "3"));
    QVERIFY(type("HexRGB", "hExD", "never read"));
    QVERIFY(choose(name));
    QCOMPARE(textOf("HexRGB", "preSets"), name);
    QVERIFY(click("HexRGB", "gEn3"));
    QCOMPARE(components(), numbers);
    QCOMPARE(textOf("HexRGB", "hExD"), code);
    QCOMPARE(swatch(), QColor(numbers[0].toInt(), numbers[1].toInt(), numbers[2].toInt()));
  }

  void typed_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("orange") << QStringList{"255", "128", "0"} << "FF800" << QColor(255, 128, 0);
    QTest::newRow("above 255 clamps the swatch only")
        << QStringList{"300", "0", "0"} << "12C00" << QColor(255, 0, 0);
    QTest::newRow("every component above 255")
        << QStringList{"256", "4095", "32767"} << "100FFF7FFF" << QColor(255, 255, 255);
    QTest::newRow("12.5 reads as 12") << QStringList{"12.5", "0", "0"} << "C00" << QColor(12, 0, 0);
    QTest::newRow("13.5 reads as 14") << QStringList{"13.5", "0", "0"} << "E00" << QColor(14, 0, 0);
    QTest::newRow("single digits") << QStringList{"15", "16", "1"} << "F101" << QColor(15, 16, 1);
    QTest::newRow("blanks and plus")
        << QStringList{" 10 ", "+11", "12  "} << "ABC" << QColor(10, 11, 12);
    QTest::newRow("minus zero is zero")
        << QStringList{"-0", "0", "0.4"} << "000" << QColor(0, 0, 0);
  }

  void typed() {
    QFETCH(QStringList, typed);
    QFETCH(QString, code);
    QFETCH(QColor, colour);
    QVERIFY(typeComponents(typed[0], typed[1], typed[2]));
    QVERIFY(type("HexRGB", "hExD", "ZZZ"));
    QVERIFY(click("HexRGB", "gEn2"));
    QCOMPARE(textOf("HexRGB", "hExD"), code);
    QCOMPARE(swatch(), colour);
    QCOMPARE(components(), typed);  // the boxes keep what was typed
  }

  // A component that is not a whole number from 0 to 32767 stops the press:
  // the swatch and the code keep the last press's colour.
  void refused_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("marked");
    QTest::newRow("red empty") << QStringList{"", "1", "2"} << "rEd";
    QTest::newRow("green not a number") << QStringList{"1", "abc", "2"} << "grEen";
    QTest::newRow("blue negative") << QStringList{"1", "2", "-1"} << "blUe";
    QTest::newRow("blue rounds to negative") << QStringList{"1", "2", "-0.6"} << "blUe";
    QTest::newRow("red above 16 bits") << QStringList{"32768", "2", "3"} << "rEd";
    QTest::newRow("green below 16 bits") << QStringList{"1", "-32769", "3"} << "grEen";
    QTest::newRow("hex typed") << QStringList{"FF", "0", "0"} << "rEd";
    QTest::newRow("exponent") << QStringList{"1", "1e2", "0"} << "grEen";
    QTest::newRow("red read first") << QStringList{"-5", "x", ""} << "rEd";
  }

  void refused() {
    QFETCH(QStringList, typed);
    QFETCH(QString, marked);
    QVERIFY(typeComponents("0", "128", "255"));
    QVERIFY(click("HexRGB", "gEn2"));
    QVERIFY(type("HexRGB", "hExD", "typed code"));
    QVERIFY(typeComponents(typed[0], typed[1], typed[2]));
    QVERIFY(click("HexRGB", "gEn2"));
    QCOMPARE(textOf("HexRGB", "hExD"), QString("typed code"));
    QCOMPARE(swatch(), QColor(0, 128, 255));
    QCOMPARE(components(), typed);
    QCOMPARE(markedBoxes(), QStringList{marked});
    QCOMPARE(balloonText("HexRGB", marked), kComponent);
    QCOMPARE(hint_check::boxesUnderBalloons(), QStringList());
  }

  void nothingOrPresetsEntryChangesNothing_data() {
    QTest::addColumn<int>("index");
    QTest::newRow("nothing chosen") << -1;
    QTest::newRow("the Presets: entry") << 0;
  }

  void nothingOrPresetsEntryChangesNothing() {
    QFETCH(int, index);
    QVERIFY(typeComponents("1", "2", "3"));
    QVERIFY(click("HexRGB", "gEn2"));
    QVERIFY(typeComponents("9", "", "x"));
    QVERIFY(type("HexRGB", "hExD", "mine"));
    control<QComboBox>("HexRGB", "preSets")->setCurrentIndex(index);
    QVERIFY(click("HexRGB", "gEn3"));
    QCOMPARE(components(), (QStringList{"9", "", "x"}));
    QCOMPARE(textOf("HexRGB", "hExD"), QString("mine"));
    QCOMPARE(swatch(), QColor(1, 2, 3));
    QCOMPARE(markedBoxes(), QStringList());
  }

  void choosingAlonechangesNothing() {
    QVERIFY(choose("Yellow"));
    QCOMPARE(components(), (QStringList{"", "", ""}));
    QCOMPARE(textOf("HexRGB", "hExD"), QString());
    QCOMPARE(swatch(), kGrey);
  }

  // A preset press rewrites the boxes, so any mark from a refused press goes.
  void aPresetClearsTheMark() {
    QVERIFY(typeComponents("1", "-2", "3"));
    QVERIFY(click("HexRGB", "gEn2"));
    QCOMPARE(markedBoxes(), QStringList{"grEen"});
    QVERIFY(choose("Pink"));
    QVERIFY(click("HexRGB", "gEn3"));
    QCOMPARE(markedBoxes(), QStringList());
    QCOMPARE(hint_check::balloonCount(), 0);
    QCOMPARE(textOf("HexRGB", "hExD"), QString("FF0FF"));
  }

  void anEditClearsTheMark() {
    QVERIFY(typeComponents("", "2", "3"));
    QVERIFY(click("HexRGB", "gEn2"));
    QCOMPARE(balloonText("HexRGB", "rEd"), kComponent);
    QTest::keyClicks(control("HexRGB", "rEd"), "4");
    QCOMPARE(markedBoxes(), QStringList());
    QCOMPARE(balloonText("HexRGB", "rEd"), QString());
    QVERIFY(click("HexRGB", "gEn2"));
    QCOMPARE(textOf("HexRGB", "hExD"), QString("423"));
  }
};

QTEST_MAIN(ColourDecoderTest)
#include "tst_colour_decoder.moc"
