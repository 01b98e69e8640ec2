// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/gimmick_file.h"
#include "data/gimmick_text.h"
#include "files.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QByteArray lines(int count) {
  QByteArray text;
  for (int n = 1; n <= count; ++n) text += "Gimmick " + QByteArray::number(n) + ",a,b,c,d,e,f\n";
  return text;
}

#ifdef Q_OS_UNIX
// Writes `bytes` into the named pipe at `path` once `reader` opens it, as a
// shell's <(command) does; false when it never does.
bool feed(const QString& path, const QByteArray& bytes, QProcess& reader) {
  const QDeadlineTimer deadline(10000);
  while (!deadline.hasExpired() && reader.state() != QProcess::NotRunning) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
      const bool written = ::write(fd, bytes.constData(), bytes.size()) == bytes.size();
      ::close(fd);
      return written;
    }
    reader.waitForFinished(10);
  }
  return false;
}
#endif

QString describe(const std::vector<gimmick_text::Refusal>& refusals) {
  QStringList all;
  for (const auto& r : refusals) all << QString("line %1: %2").arg(r.line).arg(r.reason);
  return all.join("; ");
}

}  // namespace

class GimmickToolTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  QString userPath_;

  // Runs the tool (the build's, or `program`) to its end with status 0,
  // standard output into `output` when named; gives what it printed there
  // otherwise.
  QString runTool(const QStringList& arguments, const QString& output = {},
                  const QString& program = TORVAK_GIMMICKS) {
    QProcess tool;
    if (!output.isEmpty()) tool.setStandardOutputFile(output);
    tool.start(program, arguments);
    const bool finished = tool.waitForFinished(30000);
    const QString errors = QString::fromUtf8(tool.readAllStandardError());
    [&] {
      QVERIFY(finished);
      QVERIFY2(tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0,
               qPrintable(errors));
    }();
    return QString::fromUtf8(tool.readAllStandardOutput());
  }

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    // The tool and this test see a data folder of their own, never the real home's.
    userPath_ = test_home::useOwnHome(dir_);
  }

  // The table the program ships: 156 distinct gimmicks with three finishers
  // and three notes each, and the data.dat the build put beside the program.
  void shippedTable() {
    const QByteArray source = readFile(TORVAK_GIMMICK_SOURCE);
    const gimmick_text::Conversion result = gimmick_text::convert(source);
    QVERIFY2(result.refusals.empty(), qPrintable(describe(result.refusals)));
    QCOMPARE(result.records, 156);
    QCOMPARE(readFile(TORVAK_BUILT_DATA), result.data);

    const gimmick_file::Result loaded = gimmick_file::parse(result.data);
    QCOMPARE(loaded.problems.size(), size_t{0});
    QCOMPARE(loaded.table.size(), 156);
    QSet<QString> names;
    for (const Gimmick& gimmick : loaded.table) {
      for (int f = 0; f < Gimmick::kFields; ++f) {
        const QString& field = gimmick.field(f);
        QVERIFY2(!field.isEmpty() && field.trimmed() == field, qPrintable(gimmick.recordText()));
      }
      QVERIFY2(!names.contains(gimmick.name), qPrintable(gimmick.name + " is listed twice"));
      names.insert(gimmick.name);
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
  // program otherwise. The shipped table is never touched: the tool runs
  // from a copy beside a copy of it, so a fault cannot reach the build's. The
  // per-user folder is the run's own, which the tool finds through
  // XDG_DATA_HOME, which only the XDG systems read.
  void userTable() {
    const QString userPath = userPath_;
    QVERIFY2(userPath.startsWith(dir_.path() + '/'), qPrintable(userPath));
    const QString programDir = dir_.filePath("program");
    const QString tool = programDir + "/torvak-gimmicks";
    QVERIFY(QDir().mkpath(programDir));
    QVERIFY(QFile::copy(TORVAK_GIMMICKS, tool));
    QVERIFY(QFile::copy(TORVAK_BUILT_DATA, programDir + "/data.dat"));
    const QByteArray shipped = readFile(programDir + "/data.dat");
    const QString textPath = dir_.filePath("mine.txt");
    QVERIFY(writeFile(textPath, "Pirate,Plank Walk,Cannonball,Jolly Roger DDT,n1,n2,n3\n"));

    QCOMPARE(runTool({"build", textPath}, {}, tool), userPath + "\n");
    QCOMPARE(readFile(userPath), gimmick_text::convert(readFile(textPath)).data);
    const QString exportPath = dir_.filePath("exported.txt");
    runTool({"export"}, exportPath, tool);
    QCOMPARE(readFile(exportPath), readFile(textPath));

    QVERIFY(QFile::remove(userPath));
    runTool({"export"}, exportPath, tool);
    QCOMPARE(readFile(exportPath), gimmick_text::exportText(shipped).text);
    QCOMPARE(readFile(programDir + "/data.dat"), shipped);
  }
#endif

  // The table tool as a user runs it: a data file written whole or left as
  // it was, refusals with status 1, bad usage with status 2. {text}, {out},
  // {pipe} and {dir} stand for a text file, a data file, a named pipe and a
  // folder; the source is handed through the pipe, or on standard input for
  // "-", when the tool reads them.
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
    QTest::newRow("export: a named pipe")
        << QStringList{"export", "{pipe}"} << lines(1) << 1 << "{pipe}: it is a named pipe";
    QTest::newRow("build: text from a named pipe")
        << QStringList{"build", "{pipe}", "{out}"} << lines(3) << 0 << "";
#endif
    QTest::newRow("build: text from standard input")
        << QStringList{"build", "-", "{out}"} << lines(3) << 0 << "";
    QTest::newRow("build: a refused line from standard input")
        << QStringList{"build", "-", "{out}"} << lines(1) + "Biker,Chopper\n"
        << 1 << "-:2: ";
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
    if (source != "<missing>" && source != "<line break>") QVERIFY(writeFile(textPath, source));
    const QByteArray before = source == "<line break>" ? gimmick_file::record("a,b,c,d,e,f,g") +
                                                             gimmick_file::record("a,b,c\nd,e,f,g")
                                                       : QByteArray("what was there before");
    QVERIFY(writeFile(outputPath, before));
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
    if (arguments.contains("-")) tool.write(source);
    tool.closeWriteChannel();
#ifdef Q_OS_UNIX
    if (arguments.value(0) == "build" && arguments.value(1) == pipePath) {
      QVERIFY2(feed(pipePath, source, tool), "the tool did not open the pipe");
    }
#endif
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
    QCOMPARE(readFile(outputPath), wrote ? gimmick_text::convert(source).data : before);
#ifdef Q_OS_UNIX
    QVERIFY(QFileInfo(pipePath).exists() && !QFileInfo(pipePath).isFile());
#endif
    QVERIFY(QFileInfo(dirPath).isDir());
    QCOMPARE(QDir(dirPath).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
  }
};

QTEST_GUILESS_MAIN(GimmickToolTest)
#include "tst_gimmick_tool.moc"
