// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows clipboard as another program reads it. On Qt's Windows
// platform, "Copy as text" and "Copy as picture" in a bracket are read back by
// a second process through the Win32 API (torvak-clipboard-reader): the text
// as CF_UNICODETEXT with Windows line ends, the picture as a bitmap of the
// window's size. Windows only; under Wine it needs a display, which
// scripts/windows.sh gives it on an X server of its own.
#include "program.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

namespace {

struct Reading {
  int status = -1;
  QByteArray output;
};

// Runs the reader while this program's event loop turns: Windows asks the
// program that copied for the data at the moment another program reads it.
Reading readClipboard(const QString& what) {
  QProcess reader;
  QSignalSpy finished(&reader, &QProcess::finished);
  reader.start(QCoreApplication::applicationDirPath() + "/torvak-clipboard-reader.exe", {what});
  Reading reading;
  if (!finished.wait(60000)) return reading;
  reading.status = reader.exitStatus() == QProcess::NormalExit ? reader.exitCode() : -1;
  reading.output = reader.readAllStandardOutput();
  return reading;
}

// The window's action for `keys`: the one its keystroke and its menus give.
QAction* actionFor(const QString& keys) {
  for (QAction* action : program::onScreen()->widget()->actions()) {
    if (action->shortcut() == QKeySequence(keys)) return action;
  }
  return nullptr;
}

// An eight-man bracket with its first match decided and a name beyond ASCII.
[[nodiscard]] bool openABracket() {
  if (!program::open("Tourn8")) return false;
  const QStringList names = {"Ace", "Zoë", "Cobra", "Duke", "Edge", "Fang", "Ghost", "Hawk"};
  for (int n = 1; n <= 8; ++n) {
    auto* box = program::control<QLineEdit>("Tourn8", QStringLiteral("Text%1").arg(n));
    if (!box) return false;
    box->setText(names[n - 1]);
  }
  return program::click("Tourn8", "Command1");
}

}  // namespace

class WindowsClipboardTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    // Offscreen, the clipboard is the process's own: the check means nothing.
    QCOMPARE(QGuiApplication::platformName(), QString("windows"));
    program::start();
  }
  // Whatever the clipboard held goes first, so that what is read can only
  // come from the copy.
  void init() {
    program::reset();
    QCOMPARE(readClipboard("empty").status, 0);
    QCOMPARE(readClipboard("text").status, 1);
    QCOMPARE(readClipboard("picture").status, 1);
  }

  void copyAsTextReachesTheClipboard() {
    QVERIFY(openABracket());
    QAction* copy = actionFor("Ctrl+Shift+C");
    QVERIFY(copy);
    copy->trigger();
    const Reading reading = readClipboard("text");
    QCOMPARE(reading.status, 0);
    QCOMPARE(QString::fromUtf8(reading.output), QString("Round one\r\n"
                                                        "Ace def. Zoë\r\n"
                                                        "Cobra vs Duke\r\n"
                                                        "Edge vs Fang\r\n"
                                                        "Ghost vs Hawk\r\n"
                                                        "\r\n"
                                                        "Semi-finals\r\n"
                                                        "Ace vs (no name)\r\n"
                                                        "(no name) vs (no name)\r\n"
                                                        "\r\n"
                                                        "Final\r\n"
                                                        "(no name) vs (no name)"));
  }

  void copyAsPictureReachesTheClipboard() {
    QVERIFY(openABracket());
    QAction* copy = actionFor("Ctrl+Shift+P");
    QVERIFY(copy);
    copy->trigger();
    const Reading reading = readClipboard("picture");
    QCOMPARE(reading.status, 0);
    const QStringList found = QString::fromLatin1(reading.output).split(u' ');
    QCOMPARE(found.size(), 3);
    QVERIFY2(found[0] == "CF_DIBV5" || found[0] == "CF_DIB", qPrintable(found[0]));
    QWidget* frame = program::onScreen()->widget();
    const QSize expected = (QSizeF(frame->size()) * frame->devicePixelRatioF()).toSize();
    QCOMPARE(QSize(found[1].toInt(), found[2].trimmed().toInt()), expected);
  }
};

QTEST_MAIN(WindowsClipboardTest)
#include "tst_windows_clipboard.moc"
