// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/gimmick_file.h"
#include "data/gimmick_text.h"

#include <QTest>

namespace {

using Rows = QList<QStringList>;

QByteArray lines(int count) {
  QByteArray text;
  for (int n = 1; n <= count; ++n) text += "Gimmick " + QByteArray::number(n) + ",a,b,c,d,e,f\n";
  return text;
}

// The fields of every gimmick the program reads from a data file's bytes.
Rows rowsOf(const QByteArray& data) {
  Rows rows;
  for (const Gimmick& gimmick : gimmick_file::parse(data).table) {
    QStringList fields;
    for (int f = 0; f < Gimmick::kFields; ++f) fields << gimmick.field(f);
    rows << fields;
  }
  return rows;
}

QString describe(const std::vector<gimmick_text::Refusal>& refusals) {
  QStringList all;
  for (const auto& r : refusals) all << QString("line %1: %2").arg(r.line).arg(r.reason);
  return all.join("; ");
}

}  // namespace

// The gimmick table's text both ways, and the data file written back from
// the table it holds, as the table tool and the editor both do it.
class GimmickTextTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
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

  // Every accepted source reads back, as the program reads it, as its lines.
  void accepted() {
    QFETCH(QByteArray, source);
    QFETCH(Rows, rows);
    const gimmick_text::Conversion result = gimmick_text::convert(source);
    QVERIFY2(result.refusals.empty(), qPrintable(describe(result.refusals)));
    QCOMPARE(result.records, rows.size());
    QCOMPARE(result.data.size(), rows.size() * gimmick_file::kRecordSize);
    QCOMPARE(rowsOf(result.data), rows);
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
    const gimmick_text::Conversion result = gimmick_text::convert(source);
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
  // program shows, and a note for each place the bytes would differ. The
  // editor's save of the table it opened writes what the text builds.
  void exported_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("note");  // empty: the bytes come back the same
    const QByteArray abc = gimmick_file::record("a,b,c,d,e,f,g");
    QByteArray padded = abc;
    padded[100] = 'x';

    QTest::newRow("empty file") << QByteArray() << QByteArray() << "";
    QTest::newRow("one record") << abc << QByteArray("a,b,c,d,e,f,g\n") << "";
    QTest::newRow("156 records") << gimmick_text::convert(lines(156)).data << lines(156) << "";
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
    QTest::newRow("157 records") << gimmick_text::convert(lines(156)).data + abc << lines(156)
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
    const gimmick_text::Export result = gimmick_text::exportText(data);
    QVERIFY(result.refusals.empty());
    QCOMPARE(result.text, text);
    const gimmick_text::Conversion rebuilt = gimmick_text::convert(result.text);
    QVERIFY2(rebuilt.refusals.empty(), qPrintable(describe(rebuilt.refusals)));
    const gimmick_file::TableBytes saved =
        gimmick_file::tableBytes(gimmick_file::parse(data).table);
    QCOMPARE(saved.refusal, QString());
    QCOMPARE(saved.bytes, rebuilt.data);
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
      QCOMPARE(rowsOf(rebuilt.data), rowsOf(data));
    }
  }

  // What one line cannot carry is refused, not split into two gimmicks; the
  // editor's save writes it back as the program reads it.
  void exportRefusesALineBreak() {
    for (const char* text : {"a,b,c\nd,e,f,g,h", "a,b,c,d,e,f,g\r"}) {
      const QByteArray data = gimmick_file::record("x,,,,,,") + gimmick_file::record(text);
      const auto result = gimmick_text::exportText(data);
      QCOMPARE(result.refusals.size(), size_t{1});
      QCOMPARE(result.refusals.front().record, 2);
      QVERIFY(result.text.isEmpty());
      QCOMPARE(gimmick_file::tableBytes(gimmick_file::parse(data).table).bytes, data);
    }
  }
};

QTEST_GUILESS_MAIN(GimmickTextTest)
#include "tst_gimmick_text.moc"
