#include "convert/gimmick_source.h"
#include "data/gimmick_file.h"
#include "data/gimmick_loader.h"

#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

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

class ConvertGimmicksTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;

  // The rows the program's own loader fills from `data` as its data.dat,
  // up to the last that is not wholly empty, and at least `atLeast`.
  Rows loadedRows(const QByteArray& data, int atLeast = 0) {
    writeFile(dir_.filePath("data.dat"), data);
    const GimmickTable table = loadGimmickTable(dir_.path());
    Rows rows;
    for (int r = 1; r <= gimmick_file::kMaxRecords; ++r) {
      QStringList fields;
      for (int f = 1; f <= gimmick_file::kFields; ++f) fields << table[r][f];
      rows << fields;
    }
    while (rows.size() > atLeast && rows.last().join("").isEmpty()) rows.removeLast();
    return rows;
  }

 private Q_SLOTS:
  void initTestCase() { QVERIFY(dir_.isValid()); }

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
                               << QList<int>{2} << "127 bytes";
    QTest::newRow("127 bytes once encoded") << QString(121, QChar(0xE9)).toUtf8() + ",,,,,,\n"
                                            << QList<int>{1} << "127 bytes";
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
    QTest::newRow("157 lines") << lines(157) << QList<int>{157} << "more than 156";
    QTest::newRow("200 lines, reported once") << lines(200) << QList<int>{157} << "more than 156";
    QTest::newRow("empty line between") << good + "\n" + good << QList<int>{2} << "empty line";
    QTest::newRow("blank line at the end") << good + "\n" << QList<int>{2} << "empty line";
    QTest::newRow("empty Windows line") << good + "\r\n" + good << QList<int>{2} << "empty line";
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
  }

  // The build's converter: output written whole, or left as it was.
  void commandLine_data() {
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("good source") << lines(3) << 0 << "";
    QTest::newRow("refused line") << lines(2) + "Biker,Chopper\n" + lines(1) << 1 << ":3: ";
    QTest::newRow("missing source") << QByteArray("<missing>") << 1 << "cannot read";
  }

  void commandLine() {
    QFETCH(QByteArray, source);
    QFETCH(int, status);
    QFETCH(QString, message);
    const QString sourcePath = dir_.filePath("gimmicks.txt");
    const QString outputPath = dir_.filePath("out.dat");
    QFile::remove(sourcePath);
    if (source != "<missing>") writeFile(sourcePath, source);
    writeFile(outputPath, "what was there before");

    QProcess converter;
    converter.start(TORVAK_CONVERTER, {sourcePath, outputPath});
    QVERIFY(converter.waitForFinished(30000));
    QCOMPARE(converter.exitStatus(), QProcess::NormalExit);
    QCOMPARE(converter.exitCode(), status);
    const QString errors = QString::fromUtf8(converter.readAllStandardError());
    if (status == 0) {
      QCOMPARE(errors, QString());
      QCOMPARE(readFile(outputPath), gimmick_source::convert(source).data);
    } else {
      QVERIFY2(errors.startsWith(sourcePath) && errors.contains(message), qPrintable(errors));
      QCOMPARE(readFile(outputPath), QByteArray("what was there before"));
    }
  }
};

QTEST_GUILESS_MAIN(ConvertGimmicksTest)
#include "tst_convert_gimmicks.moc"
