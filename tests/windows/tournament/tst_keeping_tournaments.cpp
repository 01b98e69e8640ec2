// SPDX-License-Identifier: GPL-3.0-or-later
// A tournament that outlives its window: each step of a bracket taken back
// and done again, the bracket saved to a file and opened again however a
// player opens it, the last one kept on leaving, and every bad file refused
// with the bracket left exactly as it was.

// Mouse events go through the window, as the platform's do, so that a
// right-click raises the context menu where the user's would.
#define QTEST_QPA_MOUSE_HANDLING

#include "context_menu.h"
#include "data/tournament_file.h"
#include "files.h"
#include "hint_check.h"
#include "program.h"
#include "program/startup.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using context_menu::choose;
using context_menu::rightClick;

namespace {

int boxCount(const QString& window) { return window == "Tourn8" ? 16 : 32; }
QString resetOf(const QString& window) { return window == "Tourn8" ? "Command16" : "Reset"; }
QLineEdit* box(const QString& window, int n) {
  return program::control<QLineEdit>(window, QString("Text%1").arg(n));
}

QStringList texts(const QString& window) {
  QStringList all;
  for (int n = 1; n <= boxCount(window); ++n) all << box(window, n)->text();
  return all;
}

// Every box holds `name` and its number, the boxes a match fills included.
void fill(const QString& window, const QString& name) {
  for (int n = 1; n <= boxCount(window); ++n) box(window, n)->setText(name + QString::number(n));
}

// Ctrl (and Shift) and the key, with the focus on "Reset" unless `control` names another.
void press(const QString& window, Qt::Key key, bool shift = false, const QString& control = {}) {
  QWidget* target = program::control(window, control.isEmpty() ? resetOf(window) : control);
  target->setFocus();
  QTest::keyClick(target, key,
                  shift ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
}

// The file dialog a key opened: a name typed into it and Enter pressed.
[[nodiscard]] bool answerDialog(const QString& path) {
  auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
  if (!dialog) return program::failed("no file dialog opened");
  auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
  name->setText(path);
  QTest::keyClick(name, Qt::Key_Return);
  if (QApplication::activeModalWidget()) return program::failed("the dialog stayed open");
  // The window the dialog leaves is the active one again, as a desktop makes it.
  QWidget* frame = program::onScreen()->widget();
  frame->activateWindow();
  return QTest::qWaitForWindowActive(frame);
}

// A file dropped from a file manager onto a control of the window on screen.
void drop(const QString& control, const QString& path) {
  QWidget* target = program::onScreen()->widget()->findChild<QWidget*>(control);
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path)});
  QDragEnterEvent enter(target->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, {});
  QApplication::sendEvent(target, &enter);
  QDropEvent dropped(target->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, {});
  QApplication::sendEvent(target, &dropped);
}

QByteArray tournamentBytes(const QString& bracket, int boxes) {
  tournament_file::Tournament t{bracket, {}};
  for (int n = 1; n <= boxes; ++n) t.boxes.insert(QString("Text%1").arg(n), "Ace");
  return tournament_file::toBytes(t);
}

}  // namespace

class KeepingTournamentsTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  QString path(const QString& name) const { return dir_.filePath(name); }

 private Q_SLOTS:
  void initTestCase() { program::start(); }
  void init() {
    program::reset();
    program::expectDialogs();
  }

  // Each step of the bracket as a whole, taken back and done again by the
  // keys and by the menu, which names it (an ampersand in a name is shown as
  // itself). A "Random" done again gives the same winner without drawing.
  // "reopen" leaves a bracket, then leaves it again empty, which keeps the
  // first; it opens empty, and "Reopen last tournament" brings that back.
  void everyStepUndoes_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("named");
    // clang-format off
    QTest::newRow("Win") << "Tourn8" << "1" << "Win for A&B1";
    QTest::newRow("final's Win") << "Tourn16" << "30" << "Win for A&B30";
    QTest::newRow("Random") << "Tourn8" << "17" << "Random win for A&B2";
    QTest::newRow("Reset") << "Tourn16" << "Reset" << "Reset";
    QTest::newRow("shuffle") << "Tourn8" << "shuffle" << "Shuffle entrants";
    QTest::newRow("roster") << "Tourn16" << "paste" << "Paste roster";
    QTest::newRow("open") << "Tourn8" << "open" << "Open eight.tournament";
    QTest::newRow("reopen") << "Tourn16" << "reopen" << "Reopen last tournament";
    // clang-format on
  }

  void everyStepUndoes() {
    QFETCH(QString, window);
    QFETCH(QString, step);
    QFETCH(QString, named);
    QVERIFY(program::open(window));
    fill(window, "A&B");
    for (int n = boxCount(window) / 2 + 1; step == "shuffle" && n <= boxCount(window); ++n) {
      box(window, n)->clear();  // no result yet
    }
    QApplication::clipboard()->setText("Ace\nBlaze");
    QVERIFY(writeFile(path("eight.tournament"), tournamentBytes("8 Man Tournament", 16)));
    for (int leave = 0; step == "reopen" && leave < 2; ++leave) {
      QVERIFY(program::reopen(window, "Query", "Command4", "16 Man Tournament"));
    }
    program::random().queue({0.7f, 0.1f});
    const QStringList before = texts(window);
    if (step == "shuffle") press(window, Qt::Key_S, true);
    if (step == "paste") press(window, Qt::Key_V, false, "Text1");
    if (step == "open") drop("Text3", path("eight.tournament"));
    if (step == "reopen") QVERIFY(choose(rightClick(""), "Reopen last tournament"));
    if (QStringList{"1", "30", "17", "Reset"}.contains(step)) QVERIFY(program::act(window, step));
    const QStringList after = texts(window);
    QVERIFY(after != before);
    const int draws = program::random().left();
    press(window, Qt::Key_Z);
    QCOMPARE(texts(window), before);
    QVERIFY(choose(rightClick(""), "Redo " + named));
    QCOMPARE(texts(window), after);
    QVERIFY(choose(rightClick(""), "Undo " + named));
    QCOMPARE(texts(window), before);
    press(window, Qt::Key_Y);
    QCOMPARE(texts(window), after);
    press(window, Qt::Key_Z);
    press(window, Qt::Key_Z, true);
    QCOMPARE(texts(window), after);
    QCOMPARE(program::random().left(), draws);  // no draw again
  }

  // In a box one types in, Ctrl+Z takes back the typing, never a step.
  void keysInABoxUndoTheTyping() {
    QVERIFY(program::open("Tourn8"));
    QVERIFY(program::act("Tourn8", "Text1=Ace 1 Text2=Blaze"));
    press("Tourn8", Qt::Key_Z, false, "Text2");
    QCOMPARE(program::textOf("Tourn8", "Text2"), QString());
    QCOMPARE(program::textOf("Tourn8", "Text9"), QString("Ace"));
  }

  // Every box, entrants and results, comes back exactly as it was typed,
  // whichever way the file is opened; a file of the other bracket opens in
  // that bracket's window. Opening is a step too.
  void savedAndOpenedAgain_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");  // every other box empty when none
    QTest::addColumn<QString>("how");
    // clang-format off
    QTest::newRow("blanks") << "Tourn16" << "  The  Ace  " << "menu";
    QTest::newRow("vs and def.") << "Tourn8" << "A vs B def. C" << "drop";
    QTest::newRow("commas, quotes") << "Tourn16" << R"(O'Neil, "Big" \ {x})" << "command line";
    QTest::newRow("any Unicode") << "Tourn8" << QString::fromUtf8("Ré 🤼 مصارع \u0301") << "menu";
    QTest::newRow("empty boxes") << "Tourn16" << "" << "drop";
    QTest::newRow("a full box") << "Tourn8" << QString(32765, u'x') << "menu";
    QTest::newRow("the other bracket's") << "Tourn16" << "Ace" << "other bracket";
    // clang-format on
  }

  void savedAndOpenedAgain() {
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QString, how);
    const QString file = path(QString(QTest::currentDataTag()) + ".tournament");
    QVERIFY(program::open(window));
    fill(window, name);
    for (int n = 2; name.isEmpty() && n <= boxCount(window); n += 2) box(window, n)->clear();
    const QStringList saved = texts(window);
    press(window, Qt::Key_S);
    QVERIFY(answerDialog(file));
    QCOMPARE(hint_check::balloonText(window, resetOf(window)),
             "Saved as " + QFileInfo(file).fileName());
    program::reset();  // as good as a restart: only the file holds the bracket
    const QString opener = how == "other bracket" ? "Tourn8" : window;
    if (how == "command line") {
      QVERIFY(openTournament(program::registry(), program::tournaments(), file));
    } else {
      QVERIFY(program::open(opener));
      QCOMPARE(texts(opener), QStringList(boxCount(opener), QString()));
      if (how == "drop") drop("Text1", file);
      if (how != "drop") press(opener, Qt::Key_O);
      if (how != "drop") QVERIFY(answerDialog(file));
    }
    QCOMPARE(program::onScreenName(), window);
    QCOMPARE(texts(window), saved);
    press(window, Qt::Key_Z);
    QCOMPARE(texts(window), QStringList(boxCount(window), QString()));
  }

  // A file that cannot be opened, or a place that cannot be written, leaves
  // the bracket exactly as it was, its steps too, and says why beside the
  // control the player was at. "save:" rows save there instead.
  void badFilesLeaveTheBracket_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("said");
    const QByteArray eight = tournamentBytes("8 Man Tournament", 16);
    QByteArray newer = eight, damaged = eight, longName = eight;
    newer.replace("\"version\": 1", "\"version\": 2");
    damaged.replace("\"version\": 1", "\"version\": \"one\"");
    longName.replace("\"Ace\"", '"' + QByteArray(32768, 'x') + '"');
    const QString notOurs = "it is not a tournament file", cut = "it is damaged or cut short";
    // clang-format off
    QTest::newRow("a text") << "a.tournament" << QByteArray("Ace\nBlaze\n") << notOurs;
    QTest::newRow("other JSON") << "b.tournament" << QByteArray(R"({"format": "x"})") << notOurs;
    QTest::newRow("cut short") << "c.tournament" << eight.left(eight.size() / 2) << cut;
    QTest::newRow("damaged") << "d.tournament" << damaged << cut;
    QTest::newRow("newer") << "e.tournament" << newer
        << "from a newer Torvak Utilities (format version 2; this one reads version 1)";
    QTest::newRow("too large") << "f.tournament" << QByteArray() << "larger than any tournament";
    QTest::newRow("a name too long") << "g.tournament" << longName << "more than a box can";
    QTest::newRow("the wrong boxes") << "h.tournament" << tournamentBytes("8 Man Tournament", 15)
        << "its boxes are not those of an 8 Man Tournament";
    QTest::newRow("no such bracket") << "i.tournament" << tournamentBytes("4 Man", 16)
        << "this program has no bracket called \"4 Man\"";
    QTest::newRow("missing") << "nothing" << QByteArray() << "there is no such file";
    QTest::newRow("a folder") << "." << QByteArray() << "it is a directory, not a file";
    QTest::newRow("save where no folder is") << "save:none/x" << QByteArray() << "Not saved: ";
#ifdef Q_OS_UNIX
    QTest::newRow("a named pipe") << "pipe" << QByteArray() << "it is a named pipe, not a file";
    QTest::newRow("a device") << "/dev/zero" << QByteArray() << "it is a device, not a file";
    if (geteuid() != 0) QTest::newRow("unreadable") << "j.tournament" << eight << "could not open";
#endif
    // clang-format on
  }

  void badFilesLeaveTheBracket() {
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, said);
    const bool save = file.startsWith("save:");
    const QString at = file.startsWith('/') ? file : path(file.mid(save ? 5 : 0));
    if (file.endsWith(".tournament")) QVERIFY(writeFile(at, bytes));
    if (file == "f.tournament") QVERIFY(QFile(at).resize(tournament_file::kMaxBytes + 1));
#ifdef Q_OS_UNIX
    if (file == "pipe") QCOMPARE(::mkfifo(QFile::encodeName(at).constData(), 0600), 0);
    if (file == "j.tournament") QFile::setPermissions(at, {});
#endif
    QVERIFY(program::open("Tourn8"));
    fill("Tourn8", "Mine");
    const QStringList filled = texts("Tourn8");
    QVERIFY(program::act("Tourn8", "1"));  // one step to take back
    const QStringList before = texts("Tourn8");
    if (save) press("Tourn8", Qt::Key_S);
    if (save) QVERIFY(answerDialog(at));
    if (!save) drop("Command16", at);
    QCOMPARE(texts("Tourn8"), before);
    const QString balloon = hint_check::balloonText("Tourn8", "Command16");
    QVERIFY2(balloon.contains(said), qPrintable(balloon));
    QCOMPARE(hint_check::description("Tourn8", "Command16"), balloon);
    press("Tourn8", Qt::Key_Z);
    QCOMPARE(texts("Tourn8"), filled);
  }

  // A file the command line names that the program cannot open leaves the
  // menu on screen, saying why.
  void commandLineRefusal() {
    QVERIFY(writeFile(path("bad.tournament"), "not JSON"));
    QVERIFY(!openTournament(program::registry(), program::tournaments(), path("bad.tournament")));
    QCOMPARE(program::onScreenName(), QString("MainMenu"));
    QCOMPARE(hint_check::balloonText("MainMenu", "Command1"),
             QString("Not opened: bad.tournament: it is not a tournament file"));
  }
};

QTEST_MAIN(KeepingTournamentsTest)
#include "tst_keeping_tournaments.moc"
