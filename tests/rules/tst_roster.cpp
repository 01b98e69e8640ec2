// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/roster.h"

#include <QTest>

// A pasted text as a list of names: split at line breaks and tabs, blank
// entries skipped, every name kept as it was given.
class RosterTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void names_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isRoster");
    QTest::addColumn<QStringList>("names");
    const QStringList ab = {"Ace", "Blaze"};
    QTest::newRow("one name") << "Ace" << false << QStringList{"Ace"};
    QTest::newRow("line feeds") << "Ace\nBlaze\n" << true << ab;
    QTest::newRow("CR LF") << "Ace\r\nBlaze" << true << ab;
    QTest::newRow("old Mac") << "Ace\rBlaze" << true << ab;
    QTest::newRow("spreadsheet row") << "Ace\tBlaze" << true << ab;
    QTest::newRow("blank entries") << "\n \t\nAce\n\n\t \tBlaze\n" << true << ab;
    QTest::newRow("blanks kept") << " Ace \nThe  Blaze" << true
                                 << QStringList{" Ace ", "The  Blaze"};
    QTest::newRow("nothing but breaks") << "\r\n\n\t" << true << QStringList{};
  }

  void names() {
    QFETCH(QString, text);
    QFETCH(bool, isRoster);
    QFETCH(QStringList, names);
    QCOMPARE(roster::isRoster(text), isRoster);
    if (isRoster) QCOMPARE(roster::names(text), names);
  }
};

QTEST_MAIN(RosterTest)
#include "tst_roster.moc"
