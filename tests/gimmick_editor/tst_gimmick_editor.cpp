// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/gimmick_file.h"
#include "data/gimmick_table_store.h"
#include "data/gimmick_text.h"
#include "files.h"
#include "gimmick_editor/gimmick_editor_window.h"
#include "mnemonics.h"
#include "rules/shared_random.h"
#include "scoped_random_source.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// "A" becomes a gimmick named A with three finishers and three notes.
GimmickTable tableOf(const QStringList& names) {
  GimmickTable table;
  for (const QString& name : names) {
    table.append(Gimmick::fromRecordText(name + ",move 1,move 2,move 3,n1,n2,n3"));
  }
  return table;
}

QStringList namesOf(const GimmickTable& table) {
  QStringList names;
  for (const Gimmick& gimmick : table) names << gimmick.name;
  return names;
}

QStringList numbered(int count) {
  QStringList names;
  for (int n = 1; n <= count; ++n) names << QStringLiteral("G%1").arg(n);
  return names;
}

// What a screen reader reads as the object's name.
QString spoken(QObject* object) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
  return accessible ? accessible->text(QAccessible::Name) : QStringLiteral("<not accessible>");
}

QMenu* menuTitled(GimmickEditorWindow& window, const QString& title) {
  for (QAction* action : window.menuBar()->actions()) {
    if (action->text() == title) return action->menu();
  }
  return nullptr;
}

QStringList namesShown(const QTableView& view) {
  QStringList names;
  for (int row = 0; row < view.model()->rowCount(); ++row) {
    names << view.model()->index(row, 0).data().toString();
  }
  return names;
}

#ifdef Q_OS_UNIX
// Answers the next message box with `button` once it is on screen (the
// wastebasket's test, on Unix only).
void answerNextMessageBox(QMessageBox::StandardButton button) {
  QTimer::singleShot(0, qApp, [button] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box);
    box->button(button)->click();
  });
}
#endif

}  // namespace

class GimmickEditorTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_{QCoreApplication::applicationDirPath() + "/gimmick-editor-XXXXXX"};
  QString userPath_;
  QByteArray shipped_;
  // The program's folder the editor sees: a copy of the build's shipped
  // table, so that a faulty save can never reach the build's own.
  QString programDir_;

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    // The user's folder and the wastebasket are the test's own.
    userPath_ = test_home::useOwnHome(dir_);
#ifdef Q_OS_UNIX
    QVERIFY2(userPath_.startsWith(dir_.path()), qPrintable(userPath_));
#endif
    programDir_ = dir_.filePath("program");
    QVERIFY(QDir().mkpath(programDir_));
    QVERIFY(QFile::copy(TORVAK_DATA_DIR "/data.dat", programDir_ + "/data.dat"));
    shipped_ = readFile(programDir_ + "/data.dat");
    QCOMPARE(gimmick_file::parse(shipped_).table.size(), GimmickTable::kPlaces);
  }

  void init() {
    QFile::remove(userPath_);
    QLocale::setDefault(QLocale::c());
    shared_random::restart();
  }

  // Qt's checks of the model's signals and answers, through every kind of
  // change and through the filter the window puts in front of it.
  void modelIsConsistent() {
    TableDocument document(programDir_);
    GimmickTableModel& model = document.model();
    QUndoStack& history = *document.undoStack();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSortFilterProxyModel filter;
    filter.setSourceModel(&model);
    filter.setFilterFixedString("a");
    QAbstractItemModelTester filterTester(&filter,
                                          QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setTable(gimmick_file::parse(shipped_).table);
    QVERIFY(model.removeRows(3, 2));
    QVERIFY(model.insertRows(0, 1));
    QVERIFY(model.setData(model.index(0, 0), "Alpha", Qt::EditRole));
    QVERIFY(model.moveGimmick(0, 5));
    QVERIFY(model.moveGimmick(5, -2));
    QVERIFY(model.moveRows({}, 10, 1, {}, 0));
    model.replaceTable(tableOf({"A", "B"}), "import");
    while (history.canUndo()) history.undo();
    QCOMPARE(model.table(), gimmick_file::parse(shipped_).table);
    while (history.canRedo()) history.redo();
    QCOMPARE(namesOf(model.table()), QStringList({"A", "B"}));
  }

  // What a cell may take: a refused edit leaves the table and its history as
  // they were and says which cell and why.
  void edits_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("refusal");  // empty: the edit goes in
    // The record "Biker,move 1,move 2,move 3,n1,n2,n3" holds 35 bytes; its
    // last note may grow to 93 bytes.
    QTest::newRow("a new name") << 0 << "Pirate"
                                << "";
    QTest::newRow("comma in a name") << 0 << "Hell,s Angel"
                                     << "row 1, gimmick: a comma would end the field here; only "
                                        "the note on finisher 3 may hold one";
    QTest::newRow("comma in a finisher") << 2 << "Plank,Walk"
                                         << "row 1, finisher 2: a comma would end the field here; "
                                            "only the note on finisher 3 may hold one";
    QTest::newRow("comma in the second note")
        << 5 << "fast, low"
        << "row 1, note on finisher 2: a comma would end the field here; "
           "only the note on finisher 3 may hold one";
    QTest::newRow("comma in the last note") << 6 << "fast, low, from the apron"
                                            << "";
    QTest::newRow("126 bytes") << 6 << QString(93, 'x') << "";
    QTest::newRow("a 127th byte")
        << 6 << QString(94, 'x')
        << "row 1, note on finisher 3: 1 byte over the 126 a gimmick may use";
    QTest::newRow("3 bytes over") << 0 << QString(99, 'x')
                                  << "row 1, gimmick: 3 bytes over the 126 a gimmick may use";
    QTest::newRow("an arrow")
        << 1 << QString("Drop → Pin")
        << "row 1, finisher 1: \"→\" (U+2192) is not a Windows-1252 character";
    QTest::newRow("an emoji") << 3 << QString::fromUtf8("Boom \xF0\x9F\x92\xA5")
                              << "row 1, finisher 3: \"\xF0\x9F\x92\xA5\" (U+1F4A5) is not a "
                                 "Windows-1252 character";
    QTest::newRow("a line feed") << 4 << "a\nb"
                                 << "row 1, note on finisher 1: a line break cannot go in a "
                                    "gimmick's record";
    QTest::newRow("a carriage return") << 0 << "a\rb"
                                       << "row 1, gimmick: a line break cannot go in a "
                                          "gimmick's record";
    QTest::newRow("emptied") << 1 << ""
                             << "";
  }

  void edits() {
    QFETCH(int, field);
    QFETCH(QString, value);
    QFETCH(QString, refusal);
    TableDocument document(programDir_);
    GimmickTableModel& model = document.model();
    model.setTable(tableOf({"Biker", "Pirate"}));
    const GimmickTable before = model.table();
    QSignalSpy refused(&model, &GimmickTableModel::refused);
    const QModelIndex cell = model.index(0, field);
    const bool accepted = model.setData(cell, value, Qt::EditRole);
    if (refusal.isEmpty()) {
      QVERIFY(accepted);
      QCOMPARE(refused.size(), 0);
      QCOMPARE(model.data(cell, Qt::EditRole).toString(), value);
      QCOMPARE(document.undoStack()->count(), 1);
      QCOMPARE(gimmick_file::tableBytes(model.table()).refusal, QString());
      document.undoStack()->undo();
      QCOMPARE(model.table(), before);
    } else {
      QVERIFY(!accepted);
      QCOMPARE(refused.size(), 1);
      QCOMPARE(refused.front().front().toString(), refusal);
      QCOMPARE(model.table(), before);
      QCOMPARE(document.undoStack()->count(), 0);
    }
  }

  // Each row shows its bytes left and what deserves a look.
  void warnings_data() {
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("warnings");
    QTest::addColumn<int>("bytesLeft");
    QTest::newRow("none") << QStringList{"A,x,y,z,,,"} << 0 << "" << 116;
    QTest::newRow("no name") << QStringList{",x,y,z,,,"} << 0 << "no name" << 117;
    QTest::newRow("a name an earlier row has")
        << QStringList{"A,x,y,z,,,", "B,x,y,z,,,", "A,x,y,z,,,"} << 2
        << "row 1 has this name; the gimmick window uses the first" << 116;
    QTest::newRow("the first of two is the one used")
        << QStringList{"A,x,y,z,,,", "A,x,y,z,,,"} << 0 << "" << 116;
    QTest::newRow("names differing in case are two")
        << QStringList{"A,x,y,z,,,", "a,x,y,z,,,"} << 1 << "" << 116;
    QTest::newRow("empty finishers")
        << QStringList{"A,,y,,n1,n2,n3"} << 0 << "finisher 1 is empty; finisher 3 is empty" << 112;
    QTest::newRow("all empty") << QStringList{",,,,,,"} << 0
                               << "no name; finisher 1 is empty; finisher 2 is empty; finisher 3 "
                                  "is empty"
                               << 120;
    QTest::newRow("a line break from a file")
        << QStringList{"A\nB,x,y,z,,,"} << 0 << "a line break, which Export text cannot carry"
        << 114;
  }

  void warnings() {
    QFETCH(QStringList, records);
    QFETCH(int, row);
    QFETCH(QString, warnings);
    QFETCH(int, bytesLeft);
    GimmickTable table;
    for (const QString& record : records) table.append(Gimmick::fromRecordText(record));
    TableDocument document(programDir_);
    GimmickTableModel& model = document.model();
    model.setTable(table);
    QCOMPARE(model.index(row, GimmickTableModel::kWarningsColumn).data().toString(), warnings);
    QCOMPARE(model.index(row, GimmickTableModel::kBytesLeftColumn).data().toInt(), bytesLeft);
  }

  // Row operations and their history, step by step: "move R OFFSET",
  // "moveRows R BEFORE" (as a view asks), "insert R", "delete R",
  // "edit R NAME", "import", "undo", "redo".
  void rowOperations_data() {
    QTest::addColumn<QStringList>("start");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("refusal");  // the last refusal, if any
    const QStringList abc = {"A", "B", "C"};
    QTest::newRow("move down") << abc << QStringList{"move 0 1"} << QStringList{"B", "A", "C"}
                               << "";
    QTest::newRow("move up") << abc << QStringList{"move 2 -1"} << QStringList{"A", "C", "B"} << "";
    QTest::newRow("the last row does not move down") << abc << QStringList{"move 2 1"} << abc << "";
    QTest::newRow("the first row does not move up") << abc << QStringList{"move 0 -1"} << abc << "";
    QTest::newRow("moved as a view asks")
        << abc << QStringList{"moveRows 0 3", "moveRows 2 1"} << QStringList{"B", "A", "C"} << "";
    QTest::newRow("moves undone last first")
        << abc << QStringList{"move 0 1", "move 1 1", "undo"} << QStringList{"B", "A", "C"} << "";
    QTest::newRow("everything undone")
        << abc << QStringList{"move 0 1", "delete 0", "insert 0", "edit 0 X",
                              "undo",     "undo",     "undo",     "undo"}
        << abc << "";
    QTest::newRow("undone and redone")
        << abc << QStringList{"delete 1", "undo", "redo"} << QStringList{"A", "C"} << "";
    QTest::newRow("a new change ends the redo")
        << abc << QStringList{"delete 1", "undo", "edit 0 X", "redo"} << QStringList{"X", "B", "C"}
        << "";
    QTest::newRow("inserted and named")
        << abc << QStringList{"insert 1", "edit 1 N"} << QStringList{"A", "N", "B", "C"} << "";
    QTest::newRow("an import is one change")
        << abc << QStringList{"import", "undo", "redo"} << QStringList{"P", "Q"} << "";
    QTest::newRow("an import undone")
        << abc << QStringList{"import", "edit 0 X", "undo", "undo"} << abc << "";
    QTest::newRow("a 157th row") << numbered(156) << QStringList{"insert 3"} << numbered(156)
                                 << "row 157: the table holds at most 156 gimmicks";
    QTest::newRow("room again after a delete")
        << numbered(156) << QStringList{"delete 155", "insert 155", "edit 155 New"}
        << numbered(155) + QStringList{"New"} << "";
  }

  void rowOperations() {
    QFETCH(QStringList, start);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, names);
    QFETCH(QString, refusal);
    TableDocument document(programDir_);
    GimmickTableModel& model = document.model();
    model.setTable(tableOf(start));
    QString lastRefusal;
    connect(&model, &GimmickTableModel::refused, this,
            [&](const QString& message) { lastRefusal = message; });
    for (const QString& step : steps) {
      const QStringList words = step.split(' ');
      const int row = words.value(1).toInt();
      if (words[0] == "move") model.moveGimmick(row, words[2].toInt());
      if (words[0] == "moveRows") model.moveRows({}, row, 1, {}, words[2].toInt());
      if (words[0] == "insert") model.insertRows(row, 1);
      if (words[0] == "delete") model.removeRows(row, 1);
      if (words[0] == "edit") model.setData(model.index(row, 0), words[2], Qt::EditRole);
      if (words[0] == "import") model.replaceTable(tableOf({"P", "Q"}), "import");
      if (words[0] == "undo") document.undoStack()->undo();
      if (words[0] == "redo") document.undoStack()->redo();
    }
    QCOMPARE(namesOf(model.table()), names);
    QCOMPARE(lastRefusal, refusal);
  }

  // A file the program loads fully is saved back byte for byte, the shipped
  // table included; any other shows, record by record, where its bytes and
  // the table differ, and a save writes the table as shown. (Every kind of
  // record is tst_gimmick_text's, through the same code.)
  void byteForByte_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("finding");  // empty: the same bytes come back
    using gimmick_file::record;
    QByteArray padded = record("a,b,c,d,e,f,g");
    padded[100] = 'x';
    QTest::newRow("the shipped table") << shipped_ << "";
    QTest::newRow("a line break the program reads") << record("a\nb,c,d,e,f,g,h") << "";
    QTest::newRow("padding not zeros") << padded << "record 1: the bytes after its text";
    QTest::newRow("fewer than six commas") << record("a,b,c,d,e,f,g") + record("Biker,Chopper")
                                           << "record 2: it has fewer than six commas";
  }

  void byteForByte() {
    QFETCH(QByteArray, data);
    QFETCH(QString, finding);
    const QString path = dir_.filePath("opened.dat");
    const QString copy = dir_.filePath("copy.dat");
    QVERIFY(writeFile(path, data));
    GimmickEditorWindow window(programDir_);
    QVERIFY(window.openFile(path));
    // A new table has a current cell, and a screen reader reads which it is.
    QCOMPARE(window.findChild<QTableView*>("gimmickTable")->currentIndex().row(), 0);
    auto* source = window.findChild<QLabel*>("tableSource");
    QVERIFY2(spoken(source).startsWith("Opened: " + QDir::toNativeSeparators(path)),
             qPrintable(spoken(source)));
    auto* findings = window.findChild<QPlainTextEdit*>("findings");
    QCOMPARE(findings->isHidden(), finding.isEmpty());
    QVERIFY2(findings->toPlainText().contains(finding), qPrintable(findings->toPlainText()));
    QVERIFY(window.saveAs(copy));
    if (finding.isEmpty()) {
      QCOMPARE(readFile(copy), data);
    } else {
      QCOMPARE(readFile(copy), gimmick_file::tableBytes(gimmick_file::parse(data).table).bytes);
    }
    QCOMPARE(readFile(path), data);
  }

  // What the program would refuse to read, the editor refuses to open,
  // through the same code; the table on screen stays as it was.
  void openRefused_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder") << "folder"
                              << "it is a directory, not a file";
    QTest::newRow("a missing file") << "missing"
                                    << "there is no such file";
#ifdef Q_OS_UNIX
    QTest::newRow("a named pipe") << "pipe"
                                  << "it is a named pipe, not a file";
    QTest::newRow("a link that leads nowhere") << "link"
                                               << "it is a link that leads nowhere";
#endif
  }

  void openRefused() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir work(dir_.filePath("open-XXXXXX"));
    const QString path = work.filePath("table.dat");
    if (kind == "folder") QVERIFY(QDir().mkdir(path));
#ifdef Q_OS_UNIX
    if (kind == "pipe") QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    if (kind == "link") QVERIFY(QFile::link(work.filePath("gone.dat"), path));
#endif
    GimmickEditorWindow window(programDir_);
    window.openProgramTable();
    QVERIFY(!window.openFile(path));
    auto* message = window.findChild<QLabel*>("message");
    QCOMPARE(message->text(),
             QString("Could not open %1: %2.").arg(QDir::toNativeSeparators(path), reason));
    QCOMPARE(spoken(message), message->text());
    QCOMPARE(window.model().rowCount(), GimmickTable::kPlaces);
    QVERIFY(!window.isWindowModified());
  }

  // Text in the table tool's format comes in whole, as one change, or not at
  // all; export writes what the tool's export writes. A window never waits
  // for a named pipe.
  void importText_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("refusal");  // in the message or the findings; empty: imported
    QTest::newRow("two gimmicks") << QByteArray("P,a,b,c,d,e,f\r\nQ,a,b,c,d,e,f, g\r\n") << "";
    QTest::newRow("a line without six commas") << QByteArray("P,a,b,c,d,e,f\nBiker,Chopper\n")
                                               << "line 2: fewer than six commas (found 1)";
    QByteArray many;
    for (int n = 1; n <= 157; ++n) many += "G" + QByteArray::number(n) + ",a,b,c,d,e,f\n";
    QTest::newRow("157 lines") << many
                               << "line 157: more than 156 lines; the table holds at most 156 "
                                  "gimmicks";
    QTest::newRow("longer than any table's text")
        << QByteArray(gimmick_text::kLongestText + 1, 'x')
        << "it is more than 59283 bytes; no table's text is that long.";
#ifdef Q_OS_UNIX
    QTest::newRow("a named pipe") << QByteArray("<named pipe>")
                                  << "it is a named pipe, not a file.";
#endif
  }

  void importText() {
    QFETCH(QByteArray, text);
    QFETCH(QString, refusal);
    const QString path = dir_.filePath("import.txt");
    QFile::remove(path);
    if (text == "<named pipe>") {
#ifdef Q_OS_UNIX
      QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0644), 0);
#endif
    } else {
      QVERIFY(writeFile(path, text));
    }
    GimmickEditorWindow window(programDir_);
    window.openProgramTable();
    const GimmickTable shipped = window.model().table();
    auto* undo = window.findChild<QAction*>("actionUndo");
    if (refusal.isEmpty()) {
      QVERIFY(window.importText(path));
      QCOMPARE(namesOf(window.model().table()), QStringList({"P", "Q"}));
      QVERIFY(window.isWindowModified());
      undo->trigger();
      QCOMPARE(window.model().table(), shipped);
    } else {
      QVERIFY(!window.importText(path));
      const QString said = window.findChild<QLabel*>("message")->text() + '\n' +
                           window.findChild<QPlainTextEdit*>("findings")->toPlainText();
      QVERIFY2(said.contains(refusal), qPrintable(said));
      QCOMPARE(window.model().table(), shipped);
      QVERIFY(!undo->isEnabled());
    }
    QFile::remove(path);
    const QString exported = dir_.filePath("export.txt");
    QVERIFY(window.exportText(exported));
    QCOMPARE(readFile(exported), gimmick_text::exportText(shipped_).text);
  }

  // A save that fails says why and keeps every edit and the unsaved mark.
  // (What the one writer refuses, and why, is tst_gimmick_loader's.)
  void saveFailures_data() {
    QTest::addColumn<QString>("blocker");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder where the file should be") << "folder"
                                                       << "it is a directory, not a file";
    QTest::newRow("a file where the folder should be") << "file"
                                                       << "could not create the folder";
    QTest::newRow("Save As into a folder") << "saveAs"
                                           << "it is a directory, not a file";
  }

  void saveFailures() {
    QFETCH(QString, blocker);
    QFETCH(QString, reason);
    const QString folder = QFileInfo(userPath_).absolutePath();
    QString target = userPath_;
    if (blocker == "folder") QVERIFY(QDir().mkpath(userPath_));
    if (blocker == "file") {
      QVERIFY(QDir().mkpath(QFileInfo(folder).absolutePath()));
      QDir(folder).removeRecursively();
      QVERIFY(writeFile(folder, "not a folder"));
    }
    if (blocker == "saveAs") {
      target = dir_.filePath("a-folder.dat");
      QVERIFY(QDir().mkpath(target));
    }
    GimmickEditorWindow window(programDir_);
    QVERIFY(window.openFile(programDir_ + "/data.dat"));
    QVERIFY(window.model().setData(window.model().index(4, 1), "Edited", Qt::EditRole));
    const bool saved = blocker == "saveAs" ? window.saveAs(target) : window.save();
    const QString message = window.findChild<QLabel*>("message")->text();
    const QString heard = spoken(window.findChild<QLabel*>("message"));
    if (blocker == "file") QFile::remove(folder);
    if (blocker == "folder") QDir().rmdir(userPath_);
    QVERIFY(!saved);
    QVERIFY2(
        message.startsWith("Nothing saved to " + QDir::toNativeSeparators(target) + ": " + reason),
        qPrintable(message));
    QVERIFY2(message.endsWith(". Your edits are kept."), qPrintable(message));
    QCOMPARE(heard, message);
    QVERIFY(window.isWindowModified());
    QCOMPARE(window.model().table().place(4).finishers[0].move, QString("Edited"));
    QCOMPARE(window.findChild<QAction*>("actionUndo")->text(), "&Undo edit row 5, finisher 1");
    QVERIFY(!QFileInfo(userPath_).isFile());
  }

  // Closing with unsaved changes asks first; closing where the table was
  // last saved does not, whatever the history holds.
  void closeAsks_data() {
    QTest::addColumn<QString>("steps");  // after an edit: "save", "undo"
    QTest::addColumn<int>("answer");     // NoButton: no question may be asked
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("written");
    QTest::newRow("Cancel keeps editing") << "" << int(QMessageBox::Cancel) << false << false;
    QTest::newRow("Discard closes, nothing written")
        << "" << int(QMessageBox::Discard) << true << false;
    QTest::newRow("Save writes your own table") << "" << int(QMessageBox::Save) << true << true;
    QTest::newRow("saved: closes without asking")
        << "save" << int(QMessageBox::NoButton) << true << true;
    QTest::newRow("saved, then undone: asks")
        << "save undo" << int(QMessageBox::Cancel) << false << true;
  }

  void closeAsks() {
    QFETCH(QString, steps);
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(bool, written);
    GimmickEditorWindow window(programDir_);
    window.openProgramTable();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.model().setData(window.model().index(0, 0), "Changed", Qt::EditRole));
    for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
      if (step == "save") QVERIFY(window.save());
      if (step == "undo") window.findChild<QAction*>("actionUndo")->trigger();
    }
    // A question no row expects is cancelled, which keeps the window open.
    bool asked = false;
    QObject answerer;
    QTimer::singleShot(0, &answerer, [&asked, answer] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      asked = true;
      box->button(answer == QMessageBox::NoButton ? QMessageBox::Cancel
                                                  : QMessageBox::StandardButton(answer))
          ->click();
    });
    QCOMPARE(window.close(), closed);
    QCoreApplication::processEvents();
    QCOMPARE(asked, answer != QMessageBox::NoButton);
    QCOMPARE(window.isVisible(), !closed);
    QCOMPARE(QFileInfo::exists(userPath_), written);
    if (written) QCOMPARE(gimmick_file::parse(readFile(userPath_)).table.place(0).name, "Changed");
  }

#ifdef Q_OS_UNIX
  // The user's own table goes to the wastebasket, where it can be restored;
  // the shipped table is shown again. The wastebasket is the test's own.
  void backToShippedTable() {
    const QByteArray own = gimmick_file::record("Pirate,a,b,c,d,e,f");
    QVERIFY(QDir().mkpath(QFileInfo(userPath_).absolutePath()));
    QVERIFY(writeFile(userPath_, own));
    GimmickEditorWindow window(programDir_);
    window.openProgramTable();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* source = window.findChild<QLabel*>("tableSource");
    QVERIFY2(source->text().startsWith("Your own table: " + userPath_), qPrintable(source->text()));
    QCOMPARE(window.model().rowCount(), 1);

    answerNextMessageBox(QMessageBox::Cancel);
    window.findChild<QAction*>("actionBackToShipped")->trigger();
    QCOMPARE(readFile(userPath_), own);

    answerNextMessageBox(QMessageBox::Yes);
    window.findChild<QAction*>("actionBackToShipped")->trigger();
    QVERIFY(!QFileInfo::exists(userPath_));
    const QString trashDir =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash/files/";
    QVERIFY2(trashDir.startsWith(dir_.path()), qPrintable(trashDir));
    QCOMPARE(readFile(trashDir + "data.dat"), own);
    QVERIFY2(source->text().startsWith("The shipped table: "), qPrintable(source->text()));
    QCOMPARE(window.model().rowCount(), GimmickTable::kPlaces);
    QCOMPARE(readFile(programDir_ + "/data.dat"), shipped_);
  }
#endif

  // The editor as a player uses it: a gimmick typed in, a refusal, an undo,
  // a try, a save; then the program's own loader lists the new gimmick.
  void playerMakesTheirOwnTable() {
    GimmickEditorWindow window(programDir_);
    window.openProgramTable();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* source = window.findChild<QLabel*>("tableSource");
    QVERIFY2(source->text().startsWith("The shipped table: "), qPrintable(source->text()));
    auto* view = window.findChild<QTableView*>("gimmickTable");
    auto* message = window.findChild<QLabel*>("message");
    const auto type = [&](const QString& text) {
      QTest::keyClicks(view, text.left(1));  // opens the cell's editor
      auto* editor = view->findChild<QLineEdit*>("cellEditor");
      QVERIFY(editor);
      QTest::keyClicks(editor, text.mid(1));
      QTest::keyClick(editor, Qt::Key_Return);
      // The delegate commits from the event loop.
      const QPointer<QLineEdit> open = editor;
      QTRY_VERIFY(open.isNull());
    };
    const auto cell = [&](int row, int column) {
      return window.model().index(row, column).data().toString();
    };

    // The table is full: a 157th gimmick is refused until one goes.
    QTest::keyClick(view, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(message->text(), "row 157: the table holds at most 156 gimmicks");
    const QModelIndex last = view->model()->index(155, 0);
    view->scrollTo(last);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(last).center());
    QTest::keyClick(view, Qt::Key_Delete);
    QCOMPARE(window.model().rowCount(), 155);
    QTest::keyClick(view, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(window.model().rowCount(), 156);

    type("Buccaneer");
    QCOMPARE(cell(155, 0), "Buccaneer");
    QTest::keyClick(view, Qt::Key_Right);
    type("Plank,Walk");
    QCOMPARE(cell(155, 1), "");
    QCOMPARE(message->text(),
             "row 156, finisher 1: a comma would end the field here; only the "
             "note on finisher 3 may hold one");
    QCOMPARE(spoken(message), message->text());
    type("Plank Walk");
    QCOMPARE(cell(155, 1), "Plank Walk");
    QCOMPARE(message->text(), "");
    QTest::keyClick(view, Qt::Key_Right);
    type("Cannonball");
    QTest::keyClick(view, Qt::Key_Right);
    type("Oops");
    QTest::keySequence(&window, QKeySequence::Undo);
    QCOMPARE(cell(155, 3), "");
    QTest::keySequence(&window, QKeySequence::Undo);
    QTest::keySequence(&window, QKeySequence::Redo);
    QCOMPARE(cell(155, 2), "Cannonball");
    QCOMPARE(cell(155, GimmickTableModel::kWarningsColumn), "finisher 3 is empty");
    QCOMPARE(cell(155, GimmickTableModel::kBytesLeftColumn), "91");

    // Try it: the draw picks finisher 2 of the row, with its note.
    {
      ScopedRandomSource draws;
      draws.queue(0.5f);
      QTest::keyClick(view, Qt::Key_T, Qt::ControlModifier);
    }
    QCOMPARE(window.findChild<QLineEdit*>("triedFinisher")->text(), "Cannonball");
    QCOMPARE(window.findChild<QLineEdit*>("triedNote")->text(), "");

    // Moved up and back down by keyboard.
    QTest::keyClick(view, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(cell(154, 0), "Buccaneer");
    QTest::keyClick(view, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(cell(155, 0), "Buccaneer");

    // Saved with the last note still in its editor: what is typed goes in.
    QTest::keyClick(view, Qt::Key_End);  // the last column, then back past "Left"
    QTest::keyClick(view, Qt::Key_Left);
    QTest::keyClick(view, Qt::Key_Left);
    QTest::keyClicks(view, "f");
    QTest::keyClicks(view->findChild<QLineEdit*>("cellEditor"), "rom the crow's nest");
    QVERIFY(window.isWindowModified());
    QTest::keySequence(&window, QKeySequence::Save);
    QVERIFY2(!window.isWindowModified(), qPrintable(message->text()));
    QVERIFY2(source->text().startsWith("Your own table: " + QDir::toNativeSeparators(userPath_)),
             qPrintable(source->text()));
    QCOMPARE(readFile(userPath_),
             shipped_.left(155 * gimmick_file::kRecordSize) +
                 gimmick_file::record("Buccaneer,Plank Walk,Cannonball,,,,from the crow's nest"));
    QCOMPARE(readFile(programDir_ + "/data.dat"), shipped_);

    // The program, started again, reads the user's table first.
    const GimmickTable loaded = loadGimmickTable(userPath_, programDir_);
    QCOMPARE(loaded.size(), 156);
    QCOMPARE(loaded[155].name, "Buccaneer");
    QCOMPARE(loaded[155].finishers[1].move, "Cannonball");
  }

  // Alt and a letter reach one thing each: the window's labels, buttons and
  // menu titles, and the entries of each menu, each have their own letter.
  void mnemonics_data() {
    QTest::addColumn<QString>("menu");  // empty: the window itself
    QTest::addColumn<int>("keys");
    QTest::newRow("the window") << "" << 3;
    QTest::newRow("the File menu") << "&File" << 7;
    QTest::newRow("the Edit menu") << "&Edit" << 9;
  }

  void mnemonics() {
    QFETCH(QString, menu);
    QFETCH(int, keys);
    GimmickEditorWindow window(programDir_);
    mnemonics::Keys found;
    if (menu.isEmpty()) {
      found = mnemonics::ofWindow(window);
    } else {
      QMenu* opened = menuTitled(window, menu);
      QVERIFY(opened);
      found = mnemonics::ofMenu(*opened);
    }
    const QStringList repeats = mnemonics::repeated(found);
    QVERIFY2(repeats.isEmpty(), qPrintable(repeats.join("; ")));
    QCOMPARE(found.size(), keys);
  }

  // One press opens a menu or reaches the find box, from the table.
  void keys_data() {
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("menu");   // the menu that opens, or
    QTest::addColumn<QString>("focus");  // the control that takes the focus
    QTest::newRow("Alt+F opens the File menu") << QKeySequence(Qt::ALT | Qt::Key_F) << "&File"
                                               << "";
    QTest::newRow("Alt+E opens the Edit menu") << QKeySequence(Qt::ALT | Qt::Key_E) << "&Edit"
                                               << "";
    QTest::newRow("Alt+N reaches the find box") << QKeySequence(Qt::ALT | Qt::Key_N) << ""
                                                << "nameFilter";
    QTest::newRow("Ctrl+F reaches the find box") << QKeySequence(QKeySequence::Find) << ""
                                                 << "nameFilter";
  }

  void keys() {
    QFETCH(QKeySequence, keys);
    QFETCH(QString, menu);
    QFETCH(QString, focus);
    GimmickEditorWindow window(programDir_);
    window.openProgramTable();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* view = window.findChild<QTableView*>("gimmickTable");
    view->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), view);
    QTest::keySequence(QApplication::focusWidget(), keys);
    if (!menu.isEmpty()) {
      QMenu* opened = menuTitled(window, menu);
      QVERIFY(opened);
      QTRY_VERIFY(opened->isVisible());
      opened->close();
    } else {
      QTRY_COMPARE(QApplication::focusWidget(), window.findChild<QWidget*>(focus));
    }
  }

  // The filter shows the rows whose gimmick's name holds what is typed,
  // capitals or not; the row buttons act on the gimmick picked among the rows
  // shown, here the second one. The shipped table holds Cowboy in row 2,
  // Lumberjack in row 3, and Hillbilly, Martial Artist, Plumber and Zombie in
  // rows 14 to 17. Through it all the table keeps a current cell, and a
  // screen reader asking for a cell always gets one.
  void nameFilter_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("shown");       // afterwards
    QTest::addColumn<QStringList>("rows14to17");  // afterwards
    QTest::addColumn<QString>("tried");
    const QStringList both = {"Lumberjack", "Plumber"};
    const QStringList asShipped = {"Hillbilly", "Martial Artist", "Plumber", "Zombie"};
    QTest::newRow("lumber") << "lumber"
                            << "" << both << asShipped << "";
    QTest::newRow("capitals do not count") << "LUMBERJACK"
                                           << "" << QStringList{"Lumberjack"} << asShipped << "";
    QTest::newRow("a finisher's word finds nothing") << "Slam"
                                                     << "" << QStringList{} << asShipped << "";
    QTest::newRow("Try it") << "lumber"
                            << "tryIt" << both << asShipped << "Clog Buster";
    QTest::newRow("Delete") << "lumber"
                            << "deleteRow" << QStringList{"Lumberjack"}
                            << QStringList{"Hillbilly", "Martial Artist", "Zombie", "Strongman"}
                            << "";
    QTest::newRow("Move up") << "lumber"
                             << "moveUp" << both
                             << QStringList{"Hillbilly", "Plumber", "Martial Artist", "Zombie"}
                             << "";
    QTest::newRow("Move down") << "lumber"
                               << "moveDown" << both
                               << QStringList{"Hillbilly", "Martial Artist", "Zombie", "Plumber"}
                               << "";
  }

  void nameFilter() {
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, rows14to17);
    QFETCH(QString, tried);
    GimmickEditorWindow window(programDir_);
    window.openProgramTable();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* view = window.findChild<QTableView*>("gimmickTable");
    QCOMPARE(view->currentIndex(), view->model()->index(0, 0));

    QTest::keyClicks(window.findChild<QLineEdit*>("nameFilter"), typed);
    if (!button.isEmpty()) {
      const QModelIndex picked = view->model()->index(1, 0);
      QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(picked).center());
      QCOMPARE(view->currentIndex(), picked);
      ScopedRandomSource draws;
      draws.queue(0.5f);  // finisher 2
      QTest::mouseClick(window.findChild<QToolButton*>(button), Qt::LeftButton);
    }
    QCOMPARE(namesShown(*view), shown);
    QCOMPARE(namesOf(window.model().table()).mid(13, 4), rows14to17);
    QCOMPARE(window.findChild<QLineEdit*>("triedFinisher")->text(), tried);
    QCOMPARE(view->currentIndex().isValid(), !shown.isEmpty());

    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view);
    QVERIFY(table && table->tableInterface());
    QAccessibleInterface* first = table->tableInterface()->cellAt(0, 0);
    QAccessibleInterface* beyond = table->tableInterface()->cellAt(int(shown.size()), 0);
    QVERIFY(first && first->tableCellInterface());
    QVERIFY(beyond && beyond->tableCellInterface());
    QCOMPARE(first->text(QAccessible::Name), shown.value(0));
    // Numbered as the view's focus events number it: the corner and a row of
    // column headers come first, and a row header starts each row.
    if (!shown.isEmpty()) QCOMPARE(table->indexOfChild(first), view->model()->columnCount() + 2);
  }

  // --help and --version answer with no display at all.
  void commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output");
    QTest::newRow("help") << QStringList{"--help"} << 0
                          << "Usage: torvak-gimmick-editor [options] [FILE]";
    // Windows writes the line's end as CR LF.
    QTest::newRow("version") << QStringList{"--version"} << 0
                             << "torvak-gimmick-editor (Torvak Utilities) " TORVAK_VERSION;
    QTest::newRow("an unknown option") << QStringList{"--force"} << 2 << "Unknown option";
    QTest::newRow("two files") << QStringList{"a.dat", "b.dat"} << 2 << "at most one FILE";
  }

  void commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, output);
    QProcess editor;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
      environment.remove(name);
    }
    editor.setProcessEnvironment(environment);
    editor.start(TORVAK_GIMMICK_EDITOR, arguments);
    QVERIFY2(editor.waitForFinished(30000), "the editor did not answer within 30 s");
    QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
    QCOMPARE(editor.exitCode(), status);
    const QString printed = QString::fromUtf8(status == 0 ? editor.readAllStandardOutput()
                                                          : editor.readAllStandardError());
    QVERIFY2(printed.contains(output), qPrintable(printed));
  }
};

QTEST_MAIN(GimmickEditorTest)
#include "tst_gimmick_editor.moc"
