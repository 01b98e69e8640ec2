// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/gimmick_file.h"
#include "data/gimmick_loader.h"
#include "data/table_location.h"
#include "gimmick_tool/gimmick_export.h"
#include "gimmick_tool/gimmick_source.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

using Rows = QList<QStringList>;

QByteArray readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray lines(int count) {
  QByteArray text;
  for (int n = 1; n <= count; ++n) text += "Gimmick " + QByteArray::number(n) + ",a,b,c,d,e,f\n";
  return text;
}

QString describe(const std::vector<gimmick_source::Refusal>& refusals) {
  QStringList all;
  for (const auto& r : refusals) all << QString("line %1: %2").arg(r.line).arg(r.reason);
  return all.join("; ");
}

}  // namespace

class GimmickToolTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;

  // Runs the tool to its end with status 0, standard output into `output`
  // when named; gives what it printed there otherwise.
  QString runTool(const QStringList& arguments, const QString& output = {}) {
    QProcess tool;
    if (!output.isEmpty()) tool.setStandardOutputFile(output);
    tool.start(TORVAK_GIMMICKS, arguments);
    const bool finished = tool.waitForFinished(30000);
    const QString errors = QString::fromUtf8(tool.readAllStandardError());
    [&] {
      QVERIFY(finished);
      QVERIFY2(tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0,
               qPrintable(errors));
    }();
    return QString::fromUtf8(tool.readAllStandardOutput());
  }

  // The rows the program's own loader fills from `data` as its data.dat,
  // up to the last that is not wholly empty, and at least `atLeast`.
  Rows loadedRows(const QByteArray& data, int atLeast = 0) {
    writeFile(dir_.filePath("data.dat"), data);
    const GimmickTable table = loadGimmickTable(dir_.path());
    Rows rows;
    for (int place = 0; place < GimmickTable::kPlaces; ++place) {
      QStringList fields;
      for (int f = 0; f < Gimmick::kFields; ++f) fields << table.place(place).field(f);
      rows << fields;
    }
    while (rows.size() > atLeast && rows.last().join("").isEmpty()) rows.removeLast();
    return rows;
  }

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    // The tool and this test see a data folder of their own, never the real home's.
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.filePath("data-home")));
  }

  void accepted_data() {
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<Rows>("rows");
    const QStringList abc = {"a", "b", "c", "d", "e", "f", "g"};
    const QStringList hij = {"h", "i", "j", "k", "l", "m", "n"};

    QTest::newRow("one line") << QByteArray("a,b,c,d,e,f,g\n") << Rows{abc};
    QTest::newRow("no line feed at the end")
        << QByteArray("a,b,c,d,e,f,g\nh,i,j,k,l,m,n") << Rows{abc, hij};
    QTest::newRow("Windows line ends")
        << QByteArray("a,b,c,d,e,f,g\r\nh,i,j,k,l,m,n\r\n") << Rows{abc, hij};
    QTest::newRow("Windows line end, none at the end")
        << QByteArray("a,b,c,d,e,f,g\r\nh,i,j,k,l,m,n\r") << Rows{abc, hij};
    QTest::newRow("byte-order mark") << QByteArray(
                                            "\xEF\xBB\xBF"
                                            "a,b,c,d,e,f,g\n")
                                     << Rows{abc};
    QTest::newRow("blanks kept, field 7 keeps its commas")
        << QByteArray(" a , b,c,d,e,f, g, h\n") << Rows{{" a ", " b", "c", "d", "e", "f", " g, h"}};
    QTest::newRow("six bare commas") << QByteArray(",,,,,,\n") << Rows{QStringList(7, "")};
    QTest::newRow("Windows-1252 letters and signs")
        << QString("Café,€ Drop,Don’t,Ünter,naïve,“quoted”,½ — ÿ\n").toUtf8()
        << Rows{{"Café", "€ Drop", "Don’t", "Ünter", "naïve", "“quoted”", "½ — ÿ"}};
    QTest::newRow("126 bytes") << QByteArray(120, 'x') + ",,,,,,\n"
                               << Rows{{QString(120, 'x'), "", "", "", "", "", ""}};
    QTest::newRow("246 bytes of UTF-8, 126 once encoded")
        << QString(120, QChar(0xE9)).toUtf8() + ",,,,,,"
        << Rows{{QString(120, QChar(0xE9)), "", "", "", "", "", ""}};
    Rows many;
    for (int n = 1; n <= 156; ++n)
      many << QStringList{QString("Gimmick %1").arg(n), "a", "b", "c", "d", "e", "f"};
    QTest::newRow("156 lines") << lines(156) << many;
    QTest::newRow("empty source") << QByteArray() << Rows{};
  }

  // Every accepted source round-trips through the program's own loader.
  void accepted() {
    QFETCH(QByteArray, source);
    QFETCH(Rows, rows);
    const gimmick_source::Conversion result = gimmick_source::convert(source);
    QVERIFY2(result.refusals.empty(), qPrintable(describe(result.refusals)));
    QCOMPARE(result.records, rows.size());
    QCOMPARE(result.data.size(), rows.size() * gimmick_file::kRecordSize);
    QCOMPARE(loadedRows(result.data, result.records), rows);
  }

  void refused_data() {
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QList<int>>("lines");
    QTest::addColumn<QString>("reason");
    const QByteArray good = "a,b,c,d,e,f,g\n";

    QTest::newRow("127 bytes") << good + QByteArray(121, 'x') + ",,,,,,\n"
                               << QList<int>{2} << "1 byte over the 126";
    QTest::newRow("127 bytes once encoded") << QString(121, QChar(0xE9)).toUtf8() + ",,,,,,\n"
                                            << QList<int>{1} << "1 byte over the 126";
    QTest::newRow("five commas") << good + "a,b,c,d,e,f\n"
                                 << QList<int>{2} << "fewer than six commas (found 5)";
    QTest::newRow("no comma") << QByteArray("Biker\n") << QList<int>{1}
                              << "fewer than six commas (found 0)";
    QTest::newRow("arrow") << good + good + QString("a,b,c,d,e,f,g → h\n").toUtf8() << QList<int>{3}
                           << "U+2192";
    QTest::newRow("Polish letter")
        << QString("Łódź,b,c,d,e,f,g\n").toUtf8() << QList<int>{1} << "U+0141";
    QTest::newRow("emoji") << QString::fromUtf8("a,b,c,d,e,f,g \xF0\x9F\x92\xA5\n").toUtf8()
                           << QList<int>{1} << "U+1F4A5";
    QTest::newRow("carriage return inside a line")
        << QByteArray("a,b\rc,d,e,f,g,h\n") << QList<int>{1} << "line break";
    QTest::newRow("157 lines") << lines(157) << QList<int>{157} << "more than 156";
    QTest::newRow("200 lines, reported once") << lines(200) << QList<int>{157} << "more than 156";
    QTest::newRow("empty line between") << good + "\n" + good << QList<int>{2} << "empty line";
    QTest::newRow("blank line at the end") << good + "\n" << QList<int>{2} << "empty line";
    QTest::newRow("empty Windows line") << good + "\r\n" + good << QList<int>{2} << "empty line";
    QTest::newRow("carriage return inside a line") << good + "a,b,c,d,e,f,g\rh\n"
                                                   << QList<int>{2} << "carriage return";
    QTest::newRow("two carriage returns before the line feed")
        << QByteArray("a,b,c,d,e,f,g\r\r\n") << QList<int>{1} << "carriage return";
    QTest::newRow("byte-order mark starting a later line")
        << good + "\xEF\xBB\xBF" + good << QList<int>{2} << "U+FEFF";
    QTest::newRow("two byte-order marks")
        << "\xEF\xBB\xBF\xEF\xBB\xBF" + good << QList<int>{1} << "U+FEFF";
    QTest::newRow("not UTF-8") << good + "Caf\xE9,b,c,d,e,f,g\n" << QList<int>{2} << "UTF-8";
    QTest::newRow("every bad line is reported") << QByteArray("a,b\n") + good + "c,d\n" + good
                                                << QList<int>{1, 3} << "fewer than six commas";
  }

  void refused() {
    QFETCH(QByteArray, source);
    QFETCH(QList<int>, lines);
    QFETCH(QString, reason);
    const gimmick_source::Conversion result = gimmick_source::convert(source);
    QList<int> refusedLines;
    for (const auto& r : result.refusals) {
      refusedLines << r.line;
      QVERIFY2(r.reason.contains(reason), qPrintable(r.reason));
    }
    QCOMPARE(refusedLines, lines);
    QVERIFY(result.data.isEmpty());
    QCOMPARE(result.records, 0);
  }

  // A data file back to text: building the text again gives the same bytes
  // for a file the program loads fully; for any other, the same table the
  // program shows, and a note for each place the bytes would differ.
  void exported_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("note");  // empty: the bytes come back the same
    const QByteArray abc = gimmick_file::record("a,b,c,d,e,f,g");
    QByteArray padded = abc;
    padded[100] = 'x';

    QTest::newRow("empty file") << QByteArray() << QByteArray() << "";
    QTest::newRow("one record") << abc << QByteArray("a,b,c,d,e,f,g\n") << "";
    QTest::newRow("156 records") << gimmick_source::convert(lines(156)).data << lines(156) << "";
    QTest::newRow("blanks kept, field 7 keeps its commas")
        << gimmick_file::record(" a , b,c,d,e,f, g, h") << QByteArray(" a , b,c,d,e,f, g, h\n")
        << "";
    QTest::newRow("126 bytes") << gimmick_file::record(QByteArray(120, 'x') + ",,,,,,")
                               << QByteArray(120, 'x') + ",,,,,,\n"
                               << "";
    QTest::newRow("Windows-1252 letters and signs")
        << gimmick_file::record(
               "Caf\xE9,\x80 Drop,Don\x92t,\xDCnter,na\xEFve,\x93q\x94,\xBD \x97 \xFF")
        << QString("Café,€ Drop,Don’t,Ünter,naïve,“q”,½ — ÿ\n").toUtf8() << "";
    QTest::newRow("the five bytes without a character")
        << gimmick_file::record("\x81,\x8D,\x8F,\x90,\x9D,,")
        << QByteArray("\xC2\x81,\xC2\x8D,\xC2\x8F,\xC2\x90,\xC2\x9D,,\n") << "";
    QTest::newRow("control characters")
        << gimmick_file::record(QByteArray("\x01,\t,\x7F,,,,") + QByteArray(1, '\0'))
        << QByteArray("\x01,\t,\x7F,,,,") + QByteArray(1, '\0') + "\n"
        << "";
    QTest::newRow("padding not zeros")
        << padded << QByteArray("a,b,c,d,e,f,g\n") << "not all zeros";
    QTest::newRow("last record without padding")
        << abc + abc.left(20) << QByteArray("a,b,c,d,e,f,g\na,b,c,d,e,f,g\n")
        << "record 2: its padding is cut short";
    QTest::newRow("fewer than six commas")
        << gimmick_file::record("Biker,Chopper") << QByteArray("Biker,Chopper,,,,,\n")
        << "record 1: it has fewer than six commas";
    QTest::newRow("an empty record, then more")
        << abc + gimmick_file::record("") + abc << QByteArray("a,b,c,d,e,f,g\n")
        << "record 2: what follows is not read";
    QTest::newRow("157 records") << gimmick_source::convert(lines(156)).data + abc << lines(156)
                                 << "record 157: what follows is not read";
    QTest::newRow("length above 126")
        << abc + QByteArray("\x7F\x00", 2) + QByteArray(126, 'z') << QByteArray("a,b,c,d,e,f,g\n")
        << "record 2: its length 127";
    QTest::newRow("a stray byte after the last record")
        << abc + QByteArray(1, '\x01') << QByteArray("a,b,c,d,e,f,g\n")
        << "record 2: its length is cut short";
  }

  void exported() {
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, text);
    QFETCH(QString, note);
    const gimmick_export::Export result = gimmick_export::exportText(data);
    QVERIFY(result.refusals.empty());
    QCOMPARE(result.text, text);
    const gimmick_source::Conversion rebuilt = gimmick_source::convert(result.text);
    QVERIFY2(rebuilt.refusals.empty(), qPrintable(describe(rebuilt.refusals)));
    if (note.isEmpty()) {
      QVERIFY(result.differences.empty());
      QCOMPARE(rebuilt.data, data);
    } else {
      QVERIFY(!result.differences.empty());
      const QString first = QString("record %1: %2")
                                .arg(result.differences.front().record)
                                .arg(result.differences.front().reason);
      QVERIFY2(first.contains(note), qPrintable(first));
      QVERIFY(rebuilt.data != data);
      if (!gimmick_file::parse(data).problems.empty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("data\\.dat: record \\d+: "));
      const Rows shown = loadedRows(data, 156);
      QCOMPARE(loadedRows(rebuilt.data, 156), shown);
    }
  }

  // What one line cannot carry is refused, not split into two gimmicks.
  void exportRefusesALineBreak() {
    for (const char* text : {"a,b,c\nd,e,f,g", "a,b,c,d,e,f,g\r"}) {
      const auto result =
          gimmick_export::exportText(gimmick_file::record("x,,,,,,") + gimmick_file::record(text));
      QCOMPARE(result.refusals.size(), size_t{1});
      QCOMPARE(result.refusals.front().record, 2);
      QVERIFY(result.text.isEmpty());
    }
  }

  // The table the program ships: 156 distinct gimmicks with three finishers
  // and three notes each, and the data.dat the build put beside the program.
  void shippedTable() {
    const QByteArray source = readFile(TORVAK_GIMMICK_SOURCE);
    const gimmick_source::Conversion result = gimmick_source::convert(source);
    QVERIFY2(result.refusals.empty(), qPrintable(describe(result.refusals)));
    QCOMPARE(result.records, 156);
    QCOMPARE(readFile(TORVAK_BUILT_DATA), result.data);

    const Rows rows = loadedRows(result.data);
    QCOMPARE(rows.size(), 156);
    QSet<QString> names;
    for (const QStringList& fields : rows) {
      for (int f = 0; f < 6; ++f) {
        QVERIFY2(!fields[f].isEmpty() && fields[f].trimmed() == fields[f],
                 qPrintable(fields.join(",")));
      }
      QVERIFY2(!fields[6].isEmpty() && fields[6].trimmed() == fields[6],
               qPrintable(fields.join(",")));
      QVERIFY2(!names.contains(fields[0]), qPrintable(fields[0] + " is listed twice"));
      names.insert(fields[0]);
    }

    // Exported by the tool and built again, byte for byte.
    const QString textPath = dir_.filePath("shipped.txt");
    const QString rebuiltPath = dir_.filePath("shipped.dat");
    QCOMPARE(runTool({"export", TORVAK_BUILT_DATA}, textPath), QString());
    QCOMPARE(runTool({"build", textPath, rebuiltPath}), QString());
    QCOMPARE(readFile(rebuiltPath), result.data);
  }

#ifdef Q_OS_UNIX
  // Without FILE the tool works on the table the program reads: the user's
  // own once `build` has made it (creating its folder), the one beside the
  // program otherwise. The shipped table is never touched. The per-user
  // folder is moved out of the real home through XDG_DATA_HOME, which only
  // the XDG systems read.
  void userTable() {
    table_location::nameApplication();  // as the program names itself
    const QString userPath = table_location::userTablePath();
    QCOMPARE(userPath, dir_.filePath("data-home/Torvak Utilities/data.dat"));
    const QByteArray shipped = readFile(TORVAK_BUILT_DATA);
    const QString textPath = dir_.filePath("mine.txt");
    writeFile(textPath, "Pirate,Plank Walk,Cannonball,Jolly Roger DDT,n1,n2,n3\n");

    QCOMPARE(runTool({"build", textPath}), userPath + "\n");
    QCOMPARE(readFile(userPath), gimmick_source::convert(readFile(textPath)).data);
    const QString exportPath = dir_.filePath("exported.txt");
    runTool({"export"}, exportPath);
    QCOMPARE(readFile(exportPath), readFile(textPath));

    QVERIFY(QFile::remove(userPath));
    runTool({"export"}, exportPath);
    QCOMPARE(readFile(exportPath), gimmick_export::exportText(shipped).text);
    QCOMPARE(readFile(TORVAK_BUILT_DATA), shipped);
  }
#endif

  // The table tool as a user runs it: a data file written whole or left as
  // it was, refusals with status 1, bad usage with status 2. {text}, {out},
  // {pipe} and {dir} stand for a text file, a data file, a named pipe and a
  // folder.
  void commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");  // on standard error, or standard output for status 0
    const QStringList build = {"build", "{text}", "{out}"};
    QTest::newRow("build: good source") << build << lines(3) << 0 << "";
    QTest::newRow("build: refused line")
        << build << lines(2) + "Biker,Chopper\n" + lines(1) << 1 << "gimmicks.txt:3: ";
    QTest::newRow("build: missing source")
        << build << QByteArray("<missing>") << 1 << "cannot read";
    QTest::newRow("build: a folder as the text")
        << QStringList{"build", "{dir}", "{out}"} << lines(1) << 1 << "cannot read";
#ifdef Q_OS_UNIX
    QTest::newRow("build: endless text from a device")
        << QStringList{"build", "/dev/zero", "{out}"} << lines(1) << 1 << "more than 59283 bytes";
    QTest::newRow("build: into a named pipe")
        << QStringList{"build", "{text}", "{pipe}"} << lines(1) << 1 << "named pipe";
    QTest::newRow("export: a named pipe")
        << QStringList{"export", "{pipe}"} << lines(1) << 1 << "{pipe}: it is a named pipe";
#endif
    QTest::newRow("build: into a folder")
        << QStringList{"build", "{text}", "{dir}"} << lines(1) << 1 << "directory";
    QTest::newRow("export: a folder")
        << QStringList{"export", "{dir}"} << lines(1) << 1 << "{dir}: it is a directory";
    QTest::newRow("export: a missing file")
        << QStringList{"export", "{out}.missing"} << lines(1) << 1 << "no such file";
    QTest::newRow("export: a line break in a record")
        << QStringList{"export", "{out}"} << QByteArray("<line break>") << 1
        << "record 2: its text holds a line break";
    QTest::newRow("version") << QStringList{"--version"} << lines(1) << 0
                             << "torvak-gimmicks (Torvak Utilities) " TORVAK_VERSION "\n";
    QTest::newRow("help") << QStringList{"--help"} << lines(1) << 0
                          << "Usage: torvak-gimmicks [options] command";
    QTest::newRow("bad usage: no command") << QStringList{} << lines(1) << 2 << "no command";
    QTest::newRow("bad usage: unknown command") << QStringList{"convert", "{text}", "{out}"}
                                                << lines(1) << 2 << "unknown command 'convert'";
    QTest::newRow("bad usage: unknown option")
        << QStringList{"--force", "build", "{text}", "{out}"} << lines(1) << 2 << "Unknown option";
    QTest::newRow("bad usage: build without TEXT")
        << QStringList{"build"} << lines(1) << 2 << "needs the TEXT";
    QTest::newRow("bad usage: build with two files")
        << QStringList{"build", "{text}", "{out}", "{out}"} << lines(1) << 2 << "one FILE";
    QTest::newRow("bad usage: export with two files")
        << QStringList{"export", "{out}", "{out}"} << lines(1) << 2 << "at most one FILE";
    QTest::newRow("bad usage: an empty name")
        << QStringList{"export", ""} << lines(1) << 2 << "empty";
  }

  void commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, source);
    QFETCH(int, status);
    QFETCH(QString, message);
    QTemporaryDir work(dir_.filePath("run-XXXXXX"));
    const QString textPath = work.filePath("gimmicks.txt");
    const QString outputPath = work.filePath("out.dat");
    const QString pipePath = work.filePath("pipe.dat");
    const QString dirPath = work.filePath("folder.dat");
    if (source != "<missing>" && source != "<line break>") writeFile(textPath, source);
    const QByteArray before = source == "<line break>" ? gimmick_file::record("a,b,c,d,e,f,g") +
                                                             gimmick_file::record("a,b,c\nd,e,f,g")
                                                       : QByteArray("what was there before");
    writeFile(outputPath, before);
#ifdef Q_OS_UNIX
    QCOMPARE(mkfifo(QFile::encodeName(pipePath).constData(), 0644), 0);
#endif
    QVERIFY(QDir().mkdir(dirPath));
    const QMap<QString, QString> names = {
        {"{text}", textPath}, {"{out}", outputPath}, {"{pipe}", pipePath}, {"{dir}", dirPath}};
    for (QString& argument : arguments) {
      for (auto [name, path] : names.asKeyValueRange()) argument.replace(name, path);
    }
    for (auto [name, path] : names.asKeyValueRange()) {
      message.replace(name, QDir::toNativeSeparators(path));
    }

    QProcess tool;
    tool.start(TORVAK_GIMMICKS, arguments);
    QVERIFY2(tool.waitForFinished(10000), "the tool did not finish within 10 s");
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    const QString output = QString::fromUtf8(tool.readAllStandardOutput());
    const QString errors = QString::fromUtf8(tool.readAllStandardError());
    QCOMPARE(tool.exitCode(), status);
    if (status == 0) {
      QCOMPARE(errors, QString());
      QVERIFY2(output.contains(message), qPrintable(output));
    } else {
      QVERIFY2(errors.contains(message), qPrintable(errors));
      if (arguments.value(0) == "build") QVERIFY2(output.isEmpty(), qPrintable(output));
    }
    const bool wrote = status == 0 && arguments.value(0) == "build";
    QCOMPARE(readFile(outputPath), wrote ? gimmick_source::convert(source).data : before);
#ifdef Q_OS_UNIX
    QVERIFY(QFileInfo(pipePath).exists() && !QFileInfo(pipePath).isFile());
#endif
    QVERIFY(QFileInfo(dirPath).isDir());
    QCOMPARE(QDir(dirPath).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
  }
};

QTEST_GUILESS_MAIN(GimmickToolTest)
#include "tst_gimmick_tool.moc"
