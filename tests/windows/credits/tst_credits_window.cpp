// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"
#include "windows/credits/credits_window.h"

#include <QTest>
#include <QTextEdit>

using program::click;
using program::textOf;

class CreditsWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { program::start(); }
  void init() {
    program::reset();
    QCOMPARE(program::openFromMenu("Command9"), QString("Credits"));
  }

  void thanksAreSevenLinesJoinedByCrLf() {
    const QStringList lines = CreditsWindow::thanksLines().split("\r\n");
    QCOMPARE(lines.size(), 7);
    QVERIFY(!CreditsWindow::thanksLines().endsWith("\n"));
    QVERIFY(lines.first().contains("Thank you for downloading and using"));
    for (const QString& line : lines) QVERIFY(!line.isEmpty() && !line.contains('\n'));
    // The box shows the same seven lines, the user's thanks first.
    const QStringList shown = textOf("Credits", "Text1").split('\n');
    QCOMPARE(shown.size(), 7);
    QCOMPARE(shown.first(), lines.first());
    QCOMPARE(shown.last(), lines.last());
  }

  void creditIsTwoLines() {
    const QStringList lines = CreditsWindow::creditLines().split("\r\n");
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].contains("Programmed by"));
    QCOMPARE(textOf("Credits", "Label2"), CreditsWindow::creditLines());
  }

  void editedThanksComeBackOnReopening() {
    const QString first = textOf("Credits", "Text1");
    auto* box = program::control<QTextEdit>("Credits", "Text1");
    box->setFocus();
    QTest::keyClicks(box, "scribble");
    QVERIFY(textOf("Credits", "Text1") != first);
    QVERIFY(program::reopen("Credits", "Command1", "Command9"));
    QCOMPARE(textOf("Credits", "Text1"), first);
  }
};

QTEST_MAIN(CreditsWindowTest)
#include "tst_credits_window.moc"
