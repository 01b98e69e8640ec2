// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/gimmick_table.h"
#include "data/gimmick_table_store.h"
#include "draws.h"
#include "files.h"
#include "framework/window_registry.h"
#include "program.h"
#include "windows/generators/gimmick_finisher_generator.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using program::click;
using program::textOf;

namespace {

constexpr int kRows = 156;

QString finisher(int r, int k) { return QString("row %1 finisher %2").arg(r).arg(k); }
QString note(int r, int k) { return QString("row %1 note %2").arg(r).arg(k); }

// Row r of the list (counted from 1, as the list shows it); its finishers
// and notes name the row, so what the window shows tells which row it came
// from.
Gimmick row(int r, const QString& name) {
  Gimmick gimmick{name, {}};
  for (int k = 1; k <= 3; ++k) gimmick.finishers[k - 1] = {finisher(r, k), note(r, k)};
  return gimmick;
}

// A full table: "Gimmick r" in every row, but for row 2, "Biker", and rows 3
// and 5, both "Twin".
GimmickTable fullTable() {
  GimmickTable table;
  for (int r = 1; r <= kRows; ++r) table.append(row(r, QString("Gimmick %1").arg(r)));
  table[1] = row(2, "Biker");
  table[2] = row(3, "Twin");
  table[4] = row(5, "Twin");
  return table;
}

[[nodiscard]] bool reopen() { return program::reopen("FiniGimm", "Command2", "Command7"); }

QComboBox* list() { return program::control<QComboBox>("FiniGimm", "Combo1"); }

[[nodiscard]] bool choose(const QString& gimmick) {
  return program::choose("FiniGimm", "Combo1", gimmick);
}

// One press of GENERATE with the roll scripted; the shown finisher and note.
QPair<QString, QString> generated(float roll) {
  program::random().queue(roll);
  if (!click("FiniGimm", "Command1")) return {};
  return {textOf("FiniGimm", "Text1"), textOf("FiniGimm", "Text2")};
}

QPair<QString, QString> shown(int r, int k) { return {finisher(r, k), note(r, k)}; }

}  // namespace

class GimmickFinisherGeneratorTest : public QObject {
  Q_OBJECT

  QTemporaryDir home_;
  GimmickTable usersTable_;

 private Q_SLOTS:
  void initTestCase() {
    // The run's one load happens first; then the tests set their tables.
    QVERIFY(home_.isValid());
    test_home::useOwnHome(home_);
#ifdef Q_OS_UNIX
    // That load reads the one-gimmick table the table tool built in the
    // user's own folder: Qt's test folder under a home of this test's own,
    // where the tool, which has no test mode, is sent through XDG_DATA_HOME
    // (which only the XDG systems read).
    const QString text = home_.filePath("mine.txt");
    QVERIFY(writeFile(
        text, "Pirate,Plank Walk,Cannonball,Jolly Roger DDT,off the top,off the apron,anywhere\n"));
    QProcess tool;
    tool.start(TORVAK_GIMMICKS, {"build", text});
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitCode(), 0);
    const QString built = QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    QVERIFY2(built.startsWith(home_.path()), qPrintable(built));
#endif

    program::start();
    const QString shipped = QDir(program::programFolder()).filePath("data.dat");
    const bool shippedThere = QFile::exists(shipped);
    program::gimmicks().loadOnce();
    usersTable_ = program::gimmicks().table();
    QCOMPARE(QFile::exists(shipped), shippedThere);  // the one beside the program: untouched
  }

  void init() {
    program::reset();
    program::gimmicks().table() = fullTable();
    QCOMPARE(program::openFromMenu("Command7"), QString("FiniGimm"));
  }

  void designState() {
    QVERIFY(list()->isEditable());
    // The text boxes lie over the labels beside them.
    QWidget* box = program::control("FiniGimm", "Text1");
    QCOMPARE(box->parentWidget()->childAt(box->geometry().center()), box);
    QCOMPARE(textOf("FiniGimm", "Text1"), QString());
    QCOMPARE(textOf("FiniGimm", "Text2"), QString());
  }

#ifdef Q_OS_UNIX
  // The gimmick window lists the user's own gimmick, then 155 empty rows.
  void listsTheUsersOwnTable() {
    program::gimmicks().table() = usersTable_;
    QVERIFY(reopen());
    QCOMPARE(list()->count(), kRows + 1);
    QCOMPARE(list()->itemText(1), QString("Pirate"));
    for (int r = 2; r <= kRows; ++r) QCOMPARE(list()->itemText(r), QString());
    QVERIFY(choose("Pirate"));
    QCOMPARE(generated(0.0f), qMakePair(QString("Plank Walk"), QString("off the top")));
  }
#endif

  // The prompt of the design list, then field 1 of every row in row order,
  // empty rows too; the box's text stays empty. Reopening rebuilds it.
  void listsEveryRow_data() {
    QTest::addColumn<int>("filled");
    QTest::newRow("all rows") << kRows;
    QTest::newRow("three rows") << 3;
    QTest::newRow("no rows (empty data file)") << 0;
  }

  void listsEveryRow() {
    QFETCH(int, filled);
    program::gimmicks().table() = {};
    for (int r = 1; r <= filled; ++r)
      program::gimmicks().table().append(row(r, QString("Gimmick %1").arg(r)));
    for (int visit = 0; visit < 2; ++visit) {
      QVERIFY(reopen());
      QCOMPARE(list()->count(), kRows + 1);
      QCOMPARE(list()->itemText(0), QString("Select The Gimmick You Require:"));
      for (int r = 1; r <= kRows; ++r) {
        QCOMPARE(list()->itemText(r), r <= filled ? QString("Gimmick %1").arg(r) : QString());
      }
      QCOMPARE(textOf("FiniGimm", "Combo1"), QString());
    }
  }

  // floor(3x + 1): finisher k always with note k.
  void rollPicksFinisherAndNote_data() {
    QTest::addColumn<float>("roll");
    QTest::addColumn<int>("k");
    QTest::newRow("0") << 0.0f << 1;
    QTest::newRow("just below a third") << std::nextafter(1.0f / 3, 0.0f) << 1;
    QTest::newRow("a third") << 1.0f / 3 << 2;
    QTest::newRow("just below two thirds") << std::nextafter(2.0f / 3, 0.0f) << 2;
    QTest::newRow("two thirds") << 2.0f / 3 << 3;
    QTest::newRow("largest below 1") << ScopedRandomSource::kLargestBelowOne << 3;
  }

  void rollPicksFinisherAndNote() {
    QFETCH(float, roll);
    QFETCH(int, k);
    QVERIFY(choose("Biker"));
    program::random().queue(roll);
    program::random().queue(0.5f);
    QVERIFY(click("FiniGimm", "Command1"));
    QCOMPARE(textOf("FiniGimm", "Text1"), finisher(2, k));
    QCOMPARE(textOf("FiniGimm", "Text2"), note(2, k));
    QCOMPARE(program::random().left(), 1);  // one roll a press
  }

  void typedNameMatchesLikeAChoice() {
    QVERIFY(program::type("FiniGimm", "Combo1", "Gimmick 156"));
    QCOMPARE(generated(0.0f), shown(156, 1));
    QVERIFY(program::type("FiniGimm", "Combo1", "Gimmick 1"));
    QCOMPARE(generated(ScopedRandomSource::kLargestBelowOne), shown(1, 3));
  }

  void firstOfTwoEqualNamesWins() {
    QVERIFY(choose("Twin"));  // the list offers both; either entry has the same text
    list()->setCurrentIndex(5);
    QCOMPARE(textOf("FiniGimm", "Combo1"), QString("Twin"));
    QCOMPARE(generated(0.0f), shown(3, 1));
    QCOMPARE(generated(0.5f), shown(3, 2));
    QCOMPARE(generated(ScopedRandomSource::kLargestBelowOne), shown(3, 3));
  }

  // A text that names no row, by case or blanks or at all, keeps the row of
  // the last match, even across closing and reopening the window.
  void noMatchKeepsTheLastGimmick_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("other case") << "biker";
    QTest::newRow("trailing blank") << "Biker ";
    QTest::newRow("leading blank") << " Biker";
    QTest::newRow("no such gimmick") << "Astronaut";
    QTest::newRow("the prompt") << "Select The Gimmick You Require:";
    QTest::newRow("empty") << "";
  }

  void noMatchKeepsTheLastGimmick() {
    QFETCH(QString, typed);
    QVERIFY(choose("Gimmick 7"));
    QCOMPARE(generated(0.0f), shown(7, 1));
    QVERIFY(choose("Biker"));
    QCOMPARE(generated(0.0f), shown(2, 1));
    QVERIFY(program::type("FiniGimm", "Combo1", typed));
    QCOMPARE(generated(ScopedRandomSource::kLargestBelowOne), shown(2, 3));
    QVERIFY(reopen());
    if (!typed.isEmpty()) QVERIFY(program::type("FiniGimm", "Combo1", typed));
    QCOMPARE(generated(0.5f), shown(2, 2));
  }

  // Before any match in a run the row is 0, whose fields are all empty: both
  // boxes are emptied. A window of its own stands for a fresh run.
  void beforeAnyMatchBothBoxesEmpty_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty text") << "";
    QTest::newRow("the prompt") << "Select The Gimmick You Require:";
    QTest::newRow("other case") << "biker";
  }

  void beforeAnyMatchBothBoxesEmpty() {
    QFETCH(QString, typed);
    const GimmickTable table = fullTable();
    GimmickFinisherGenerator fresh(table);
    fresh.load();
    fresh.widget()->show();
    QVERIFY(QTest::qWaitForWindowExposed(fresh.widget()));
    auto* combo = fresh.findControl<QComboBox>("Combo1");
    if (typed == "Select The Gimmick You Require:") {
      combo->setCurrentIndex(0);
    } else {
      combo->setEditText(typed);
    }
    fresh.findControl<QLineEdit>("Text1")->setText("old finisher");
    fresh.findControl<QLineEdit>("Text2")->setText("old note");
    program::random().queue(0.0f);
    QTest::mouseClick(fresh.findControl<QAbstractButton>("Command1"), Qt::LeftButton);
    QCOMPARE(fresh.findControl<QLineEdit>("Text1")->text(), QString());
    QCOMPARE(fresh.findControl<QLineEdit>("Text2")->text(), QString());
    QCOMPARE(program::random().left(), 0);
    fresh.unload();
  }

  // With an empty data file every name is empty, so the empty text matches
  // row 1, and both boxes are emptied all the same.
  void emptyTableEmptiesBothBoxes() {
    program::gimmicks().table() = {};
    QVERIFY(reopen());
    QVERIFY(program::type("FiniGimm", "Text1", "old finisher"));
    QVERIFY(program::type("FiniGimm", "Text2", "old note"));
    QCOMPARE(generated(0.5f), qMakePair(QString(), QString()));
  }

  void eachFinisherAboutAThirdOfTheTime() {
    QVERIFY(choose("Biker"));
    int seen[4] = {0, 0, 0, 0};
    for (int i = 0; i < 600; ++i) {
      QVERIFY(click("FiniGimm", "Command1"));
      const QPair<QString, QString> pair{textOf("FiniGimm", "Text1"), textOf("FiniGimm", "Text2")};
      int k = 1;
      while (k <= 3 && pair != shown(2, k)) ++k;
      QVERIFY2(k <= 3, qPrintable(pair.first + " / " + pair.second));
      ++seen[k];
    }
    for (int k = 1; k <= 3; ++k) {
      QVERIFY2(seen[k] > 150 && seen[k] < 250, qPrintable(QString::number(seen[k])));
    }
  }
};

QTEST_MAIN(GimmickFinisherGeneratorTest)
#include "tst_gimmick_finisher_generator.moc"
