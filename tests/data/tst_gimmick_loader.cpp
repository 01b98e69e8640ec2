#include "data/gimmick_file.h"
#include "data/gimmick_loader.h"
#include "data/gimmick_table_store.h"
#include "data/windows1252.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

QByteArray rec(const QByteArray& text) { return gimmick_file::record(text); }

// A record whose length field says `length`, whatever follows.
QByteArray rawRecord(int length, const QByteArray& text) {
  QByteArray bytes(gimmick_file::kRecordSize, '\0');
  bytes[0] = static_cast<char>(length & 0xFF);
  bytes[1] = static_cast<char>(length >> 8);
  bytes.replace(2, qMin<qsizetype>(text.size(), 126), text.left(126));
  return bytes.left(gimmick_file::kRecordSize);
}

QByteArray records(int count) {
  QByteArray bytes;
  for (int n = 1; n <= count; ++n) {
    bytes += rec("G" + QByteArray::number(n) + ",f1,f2,f3,n1,n2,n3");
  }
  return bytes;
}

// Root ignores permission bits, so a file or directory is made read-only for
// root with the immutable attribute, and with permission bits otherwise.
bool makeReadOnly(const QString& path) {
  if (geteuid() == 0) return QProcess::execute("chattr", {"+i", path}) == 0;
  const bool isDir = QFileInfo(path).isDir();
  return QFile::setPermissions(
      path, isDir ? QFileDevice::ReadOwner | QFileDevice::ExeOwner : QFileDevice::ReadOwner);
}

void makeWritable(const QString& path) {
  if (geteuid() == 0) QProcess::execute("chattr", {"-i", path});
  QFile::setPermissions(path,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

int filledRows(const GimmickTable& table) {
  int rows = 0;
  for (int r = 1; r <= GimmickTable::kRows; ++r) {
    bool any = false;
    for (int f = 1; f <= GimmickTable::kFields; ++f) any = any || !table[r][f].isEmpty();
    if (any) rows = r;
  }
  return rows;
}

}  // namespace

class GimmickLoaderTest : public QObject {
  Q_OBJECT

  // The tests work in the build tree, where the immutable attribute is known
  // to be supported; /tmp may be a filesystem that lacks it.
  QTemporaryDir dir_{QDir::currentPath() + "/loader-XXXXXX"};
  QString path() const { return dir_.filePath("data.dat"); }

  void writeFile(const QByteArray& bytes) {
    QFile file(path());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
  }

  QByteArray fileBytes() {
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly)) return "<unreadable>";
    return file.readAll();
  }

  GimmickTable load() const { return loadGimmickTable(dir_.path()); }

  static void checkBordersEmpty(const GimmickTable& table) {
    for (int f = 0; f <= GimmickTable::kFields; ++f) QVERIFY(table[0][f].isEmpty());
    for (int r = 0; r <= GimmickTable::kRows; ++r) QVERIFY(table[r][0].isEmpty());
  }

 private Q_SLOTS:
  void init() {
    QVERIFY(dir_.isValid());
    QFile::remove(path());
  }

  void rowsLoaded_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("warns");

    QTest::newRow("empty file") << QByteArray() << 0 << false;
    QTest::newRow("first record empty, second filled")
        << rec("") + rec("a,b,c,d,e,f,g") << 0 << false;
    QTest::newRow("three records then the end") << records(3) << 3 << false;
    QTest::newRow("an empty record ends the table")
        << records(2) + rec("") + records(2) << 2 << false;
    QTest::newRow("156 records") << records(156) << 156 << false;
    QTest::newRow("200 records, 156 read") << records(200) << 156 << false;
    QTest::newRow("last record without padding")
        << records(2) + rec("x,1,2,3,4,5,6").left(2 + 13) << 3 << false;
    QTest::newRow("a record of exactly 126 bytes of text")
        << records(1) + rec("a,b,c,d,e,f," + QByteArray(114, 'x')) + records(1) << 3 << false;
    QTest::newRow("length above 126 ends the load")
        << records(2) + rawRecord(127, "a,b,c,d,e,f,g") + records(1) << 2 << true;
    QTest::newRow("length 65535 ends the load")
        << records(1) + rawRecord(0xFFFF, "a,b,c,d,e,f,g") << 1 << true;
    QTest::newRow("text cut short by the end of the file")
        << records(2) + rec("a,b,c,d,e,f,ghijkl").left(10) << 2 << true;
    QTest::newRow("length field cut short") << records(1) + QByteArray(1, '\x05') << 1 << true;
    QTest::newRow("too few commas: kept, loading goes on")
        << records(1) + rec("lonely,name") + records(1) << 3 << true;
  }

  void rowsLoaded() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, rows);
    QFETCH(bool, warns);
    writeFile(bytes);
    if (warns) QTest::ignoreMessage(QtWarningMsg, QRegularExpression("data\\.dat: record \\d+: "));
    const GimmickTable table = load();
    QCOMPARE(filledRows(table), rows);
    checkBordersEmpty(table);
    QCOMPARE(fileBytes(), bytes);  // never written
  }

  void fields_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("seven one-letter fields")
        << QByteArray("a,b,c,d,e,f,g") << QStringList{"a", "b", "c", "d", "e", "f", "g"};
    QTest::newRow("field 7 keeps further commas")
        << QByteArray("a,b,c,d,e,f,g,h") << QStringList{"a", "b", "c", "d", "e", "f", "g,h"};
    QTest::newRow("blanks belong to the fields")
        << QByteArray(" a , b,c,d,e,f, g ") << QStringList{" a ", " b", "c", "d", "e", "f", " g "};
    QTest::newRow("six bare commas") << QByteArray(",,,,,,") << QStringList(7, QString());
    QTest::newRow("too few commas keep what they have")
        << QByteArray("name,move") << QStringList{"name", "move", "", "", "", "", ""};
    QTest::newRow("126 bytes of text, the most a record holds")
        << QByteArray("a,b,c,d,e,f," + QByteArray(114, 'x'))
        << QStringList{"a", "b", "c", "d", "e", "f", QString(114, u'x')};
    QTest::newRow("Windows-1252 bytes")
        << QByteArray("Caf\xE9,\x80,\x92,\x9F,\x81,\xA0,\xFF")
        << QStringList{QString::fromUtf8("Café"), QString::fromUtf8("€"), QString::fromUtf8("’"),
                       QString::fromUtf8("Ÿ"),    QString(QChar(0x81)),   QString(QChar(0xA0)),
                       QString::fromUtf8("ÿ")};
  }

  void fields() {
    QFETCH(QByteArray, text);
    QFETCH(QStringList, fields);
    writeFile(rec(text) + records(1));
    if (text.count(',') < 6)
      QTest::ignoreMessage(QtWarningMsg, QRegularExpression("fewer than six commas"));
    const GimmickTable table = load();
    for (int f = 1; f <= GimmickTable::kFields; ++f) QCOMPARE(table[1][f], fields[f - 1]);
    QCOMPARE(table[2][1], QString("G1"));  // loading went on
    checkBordersEmpty(table);
  }

  void readsOnlyOnce() {
    writeFile(records(2));
    GimmickTableStore store([this] { return load(); });
    QVERIFY(!store.isLoaded());
    store.loadOnce();
    QVERIFY(store.isLoaded());
    QCOMPARE(filledRows(store.table()), 2);
    writeFile(records(5));
    store.loadOnce();
    QCOMPARE(filledRows(store.table()), 2);
  }

  void missingFileIsCreatedEmpty() {
    QVERIFY(!QFile::exists(path()));
    QCOMPARE(filledRows(load()), 0);
    QVERIFY(QFile::exists(path()));
    QCOMPARE(QFileInfo(path()).size(), 0);
  }

  void readOnlyFileStillLoads() {
    const QByteArray bytes = records(4);
    writeFile(bytes);
    QVERIFY2(makeReadOnly(path()), "could not make data.dat read-only");
    // Opening it for writing must fail now, or the test proves nothing.
    QFile probe(path());
    const bool writable = probe.open(QIODevice::ReadWrite);
    probe.close();
    const int rows = filledRows(load());
    const QByteArray after = fileBytes();
    makeWritable(path());
    QVERIFY2(!writable, "the file could still be opened for writing");
    QCOMPARE(rows, 4);
    QCOMPARE(after, bytes);
  }

  void missingFileInReadOnlyDirectory() {
    QTemporaryDir locked(QDir::currentPath() + "/locked-XXXXXX");
    QVERIFY(makeReadOnly(locked.path()));
    QFile probe(locked.filePath("probe"));
    const bool creatable = probe.open(QIODevice::WriteOnly);
    probe.remove();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("data\\.dat: could not create it"));
    const GimmickTable table = loadGimmickTable(locked.path());
    const bool created = QFile::exists(locked.filePath("data.dat"));
    makeWritable(locked.path());
    QVERIFY2(!creatable, "the directory still took a new file");
    QVERIFY(!created);
    QCOMPARE(filledRows(table), 0);
  }
};

QTEST_APPLESS_MAIN(GimmickLoaderTest)
#include "tst_gimmick_loader.moc"
