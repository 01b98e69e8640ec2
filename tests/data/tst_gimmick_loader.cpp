// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/gimmick_file.h"
#include "data/gimmick_table_store.h"
#include "data/table_file.h"
#include "files.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

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

#ifdef Q_OS_WIN
// Windows honours a file's read-only attribute, but Wine running as root does
// not; a handle that shares the file for reading only stops every writer on
// both, while readers still get in.
HANDLE readOnlyHolder = INVALID_HANDLE_VALUE;
#endif

// Root ignores permission bits, so a file or directory is made read-only for
// root with the immutable attribute, and with permission bits otherwise. On
// Windows a file gets the read-only attribute and a handle that lets no one
// else write it.
bool makeReadOnly(const QString& path) {
#ifdef Q_OS_UNIX
  if (geteuid() == 0) return QProcess::execute("chattr", {"+i", path}) == 0;
#endif
  const bool isDir = QFileInfo(path).isDir();
  const bool done = QFile::setPermissions(
      path, isDir ? QFileDevice::ReadOwner | QFileDevice::ExeOwner : QFileDevice::ReadOwner);
#ifdef Q_OS_WIN
  if (!isDir) {
    readOnlyHolder =
        CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_READ, FILE_SHARE_READ,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return done && readOnlyHolder != INVALID_HANDLE_VALUE;
  }
#endif
  return done;
}

void makeWritable(const QString& path) {
#ifdef Q_OS_UNIX
  if (geteuid() == 0) QProcess::execute("chattr", {"-i", path});
#endif
#ifdef Q_OS_WIN
  if (readOnlyHolder != INVALID_HANDLE_VALUE) CloseHandle(readOnlyHolder);
  readOnlyHolder = INVALID_HANDLE_VALUE;
#endif
  QFile::setPermissions(path,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

int filledRows(const GimmickTable& table) { return table.size(); }

// Runs a load, as the program does, on the calling thread, and ends the test
// run as failed if it has not returned within five seconds: a load that
// blocks would otherwise hang the suite. The watchdog touches nothing of
// Qt's, so no Qt state is shared between threads.
template <typename Load>
GimmickTable loadWithin(Load load) {
  std::mutex mutex;
  std::condition_variable returned;
  bool done = false;
  std::thread watchdog([&] {
    std::unique_lock lock(mutex);
    if (!returned.wait_for(lock, std::chrono::seconds(5), [&] { return done; })) {
      std::fputs("FAIL!  : a gimmick table load did not return within 5 seconds\n", stderr);
      std::fflush(stderr);
      std::_Exit(1);
    }
  });
  GimmickTable table = load();
  {
    std::lock_guard lock(mutex);
    done = true;
  }
  returned.notify_one();
  watchdog.join();
  return table;
}

// What stands at `path`, as far as a look from outside can tell: a load must
// leave it exactly so (never replaced, written, or filled).
QString fingerprint(const QString& path) {
  const QFileInfo info(path);
  QString print = QString("exists %1, link %2 to '%3', dir %4, file %5, size %6, modified %7")
                      .arg(info.exists())
                      .arg(info.isSymLink())
                      .arg(info.isSymLink() ? info.symLinkTarget() : QString())
                      .arg(info.isDir())
                      .arg(info.isFile())
                      .arg(info.isFile() ? info.size() : -1)
                      .arg(info.lastModified().toMSecsSinceEpoch());
  if (info.isDir()) print += ", holds " + QDir(path).entryList(QDir::NoDotAndDotDot).join("|");
  if (info.isFile()) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) print += ", bytes " + file.readAll().toHex();
  }
  return print;
}

// Puts `what` at `path`: a file of `bytes`, or something that is no file.
// False when this system cannot make it.
bool makeAt(const QString& path, const QString& what, const QByteArray& bytes) {
  if (what == "nothing") return true;
  if (what == "a file" || what == "a link to a file") {
    const QString file = what == "a file" ? path : path + ".target";
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) return false;
    out.close();
    return what == "a file" || QFile::link(file, path);
  }
  if (what == "a directory") return QDir().mkdir(path);
  if (what == "a file held open without sharing") return makeAt(path, "a file", bytes);
#ifdef Q_OS_UNIX
  const QByteArray name = QFile::encodeName(path);
  if (what == "a named pipe") return mkfifo(name.constData(), 0644) == 0;
  if (what == "a link that leads nowhere") return QFile::link(path + ".nowhere", path);
  if (what == "a link in a loop")
    return QFile::link(path + ".loop", path) && QFile::link(path, path + ".loop");
  if (what == "a link to /dev/zero") return QFile::link("/dev/zero", path);
  if (what == "a link to /dev/null") return QFile::link("/dev/null", path);
  if (what == "a socket") {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.size() >= qsizetype(sizeof address.sun_path)) return false;
    qstrncpy(address.sun_path, name.constData(), sizeof address.sun_path);
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound =
        s >= 0 && ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    if (s >= 0) ::close(s);  // the socket file stays
    return bound;
  }
#endif
  return false;
}

}  // namespace

Q_DECLARE_METATYPE(table_file::Written::Failure)

class GimmickLoaderTest : public QObject {
  Q_OBJECT

  // The tests work in the build tree, where the immutable attribute is known
  // to be supported; /tmp may be a filesystem that lacks it.
  QTemporaryDir dir_{QDir::currentPath() + "/loader-XXXXXX"};
  QString path() const { return dir_.filePath("data.dat"); }
  QTemporaryDir home_;

  GimmickTable load() const { return loadGimmickTable(dir_.path()); }

 private Q_SLOTS:
  // Every table here has a folder of its own; should a load still reach for
  // the user's, it finds Qt's test folder in a home of the run's own.
  void initTestCase() {
    QVERIFY(home_.isValid());
    test_home::useOwnHome(home_);
  }

  void init() {
    QVERIFY(dir_.isValid());
    QFile::remove(path());
  }

  // What stands at data.dat, and what the load makes of it. Only a regular
  // file, or a link to one, is read; anything else is refused before it is
  // opened, with one warning line, and every load returns promptly.
  void rowsLoaded_data() {
    QTest::addColumn<QString>("what");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("warning");  // a pattern; empty when none
    const QString file = "a file";
    const QString recordWarning = "data\\.dat: record \\d+: ";

    QTest::newRow("empty file") << file << QByteArray() << 0 << "";
    QTest::newRow("first record empty, second filled")
        << file << rec("") + rec("a,b,c,d,e,f,g") << 0 << "";
    QTest::newRow("three records then the end") << file << records(3) << 3 << "";
    QTest::newRow("an empty record ends the table")
        << file << records(2) + rec("") + records(2) << 2 << "";
    QTest::newRow("156 records") << file << records(156) << 156 << "";
    QTest::newRow("200 records, 156 read") << file << records(200) << 156 << "";
    QTest::newRow("last record without padding")
        << file << records(2) + rec("x,1,2,3,4,5,6").left(2 + 13) << 3 << "";
    QTest::newRow("a record of exactly 126 bytes of text")
        << file << records(1) + rec("a,b,c,d,e,f," + QByteArray(114, 'x')) + records(1) << 3 << "";
    QTest::newRow("length above 126 ends the load")
        << file << records(2) + rawRecord(127, "a,b,c,d,e,f,g") + records(1) << 2 << recordWarning;
    QTest::newRow("length 65535 ends the load")
        << file << records(1) + rawRecord(0xFFFF, "a,b,c,d,e,f,g") << 1 << recordWarning;
    QTest::newRow("text cut short by the end of the file")
        << file << records(2) + rec("a,b,c,d,e,f,ghijkl").left(10) << 2 << recordWarning;
    QTest::newRow("length field cut short")
        << file << records(1) + QByteArray(1, '\x05') << 1 << recordWarning;
    QTest::newRow("too few commas: kept, loading goes on")
        << file << records(1) + rec("lonely,name") + records(1) << 3 << recordWarning;
    QTest::newRow("a directory")
        << "a directory" << QByteArray() << 0
        << "data\\.dat: it is a directory, not a file; no gimmicks loaded$";
#ifdef Q_OS_WIN
    QTest::newRow("a file held open without sharing")
        << "a file held open without sharing" << records(3) << 0
        << "data\\.dat: could not open it \\(.*\\); no gimmicks loaded$";
#endif
#ifdef Q_OS_UNIX
    QTest::newRow("a link to a file") << "a link to a file" << records(3) << 3 << "";
    QTest::newRow("a named pipe")
        << "a named pipe" << QByteArray() << 0
        << "data\\.dat: it is a named pipe, not a file; no gimmicks loaded$";
    QTest::newRow("a socket") << "a socket" << QByteArray() << 0
                              << "data\\.dat: it is a socket, not a file; no gimmicks loaded$";
    QTest::newRow("a link to /dev/zero")
        << "a link to /dev/zero" << QByteArray() << 0
        << "data\\.dat: it is a device, not a file; no gimmicks loaded$";
    QTest::newRow("a link to /dev/null")
        << "a link to /dev/null" << QByteArray() << 0
        << "data\\.dat: it is a device, not a file; no gimmicks loaded$";
    QTest::newRow("a link that leads nowhere")
        << "a link that leads nowhere" << QByteArray() << 0
        << "data\\.dat: it is a link that leads nowhere; no gimmicks loaded$";
    QTest::newRow("a link in a loop")
        << "a link in a loop" << QByteArray() << 0
        << "data\\.dat: it is a link that leads round in a loop; no gimmicks loaded$";
#endif
  }

  void rowsLoaded() {
    QFETCH(QString, what);
    QFETCH(QByteArray, bytes);
    QFETCH(int, rows);
    QFETCH(QString, warning);
    QTemporaryDir here(dir_.filePath("XXXXXX"));
    const QString path = here.filePath("data.dat");
    QVERIFY2(makeAt(path, what, bytes), qPrintable("could not make " + what));
    const QString before = fingerprint(path);
#ifdef Q_OS_WIN
    // Another program holding data.dat open without sharing it.
    HANDLE held = INVALID_HANDLE_VALUE;
    if (what == "a file held open without sharing") {
      held = CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
                         GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
      QVERIFY(held != INVALID_HANDLE_VALUE);
    }
#endif
    if (!warning.isEmpty()) QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    const auto table =
        loadWithin([directory = here.path()] { return loadGimmickTable(directory); });
#ifdef Q_OS_WIN
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
#endif
    QCOMPARE(filledRows(table), rows);
    QCOMPARE(fingerprint(path), before);  // never written, replaced or filled
  }

  // The user's own data.dat comes first whenever anything stands there;
  // the one beside the program otherwise; an empty one is created beside the
  // program only when neither is there. The user's folder is never created.
  void lookupOrder_data() {
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("beside");
    QTest::addColumn<QString>("first");  // the first gimmick loaded
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<bool>("createdBeside");
    const QString file = "a file";

    QTest::newRow("the user's file wins") << file << file << "Mine" << 1 << "" << false;
    QTest::newRow("the user's empty file wins")
        << "an empty file" << file << "" << 0 << "" << false;
    QTest::newRow("no user file: the one beside the program")
        << "nothing" << file << "G1" << 3 << "" << false;
    QTest::newRow("no user folder: the one beside the program")
        << "no folder" << file << "G1" << 3 << "" << false;
    QTest::newRow("neither: an empty one created beside the program") << "nothing"
                                                                      << "nothing"
                                                                      << "" << 0 << "" << true;
    QTest::newRow("the user's path is a directory: nothing touched")
        << "a directory" << file << "" << 0
        << "Torvak Utilities[/\\\\]data\\.dat: it is a directory, not a file; no gimmicks loaded$"
        << false;
    QTest::newRow("the user's path is a directory, nothing beside: nothing created")
        << "a directory"
        << "nothing"
        << "" << 0 << "Utilities[/\\\\]data\\.dat: it is a directory" << false;
#ifdef Q_OS_UNIX
    QTest::newRow("a link to the user's file")
        << "a link to a file" << file << "Mine" << 1 << "" << false;
    QTest::newRow("the user's path is a named pipe")
        << "a named pipe" << file << "" << 0 << "Utilities[/\\\\]data\\.dat: it is a named pipe"
        << false;
    QTest::newRow("the user's path leads nowhere")
        << "a link that leads nowhere"
        << "nothing"
        << "" << 0 << "Utilities[/\\\\]data\\.dat: it is a link that leads nowhere" << false;
#endif
  }

  void lookupOrder() {
    QFETCH(QString, user);
    QFETCH(QString, beside);
    QFETCH(QString, first);
    QFETCH(int, rows);
    QFETCH(QString, warning);
    QFETCH(bool, createdBeside);
    QTemporaryDir here(dir_.filePath("XXXXXX"));
    const QString userFolder = here.filePath("home/Torvak Utilities");
    const QString userPath = userFolder + "/data.dat";
    const QString programDir = here.filePath("program");
    const QString besidePath = programDir + "/data.dat";
    QVERIFY(QDir().mkpath(programDir));
    if (user != "no folder") QVERIFY(QDir().mkpath(userFolder));
    const QString made = user == "an empty file" ? "a file"
                         : user == "no folder"   ? "nothing"
                                                 : user;
    QVERIFY(
        makeAt(userPath, made, user == "an empty file" ? QByteArray() : rec("Mine,a,b,c,d,e,f")));
    QVERIFY(makeAt(besidePath, beside, records(3)));
    const QString userBefore = fingerprint(userPath);
    const QString besideBefore = fingerprint(besidePath);

    if (!warning.isEmpty()) QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    const auto table = loadWithin([=] { return loadGimmickTable(userPath, programDir); });
    QCOMPARE(filledRows(table), rows);
    QCOMPARE(table.size() ? table[0].name : QString(), first);
    QCOMPARE(fingerprint(userPath), userBefore);
    if (createdBeside) {
      QVERIFY(QFileInfo(besidePath).isFile());
      QCOMPARE(QFileInfo(besidePath).size(), 0);
    } else {
      QCOMPARE(fingerprint(besidePath), besideBefore);
    }
    QCOMPARE(QFileInfo::exists(userFolder), user != "no folder");
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
    QVERIFY(writeFile(path(), rec(text) + records(1)));
    if (text.count(',') < 6)
      QTest::ignoreMessage(QtWarningMsg, QRegularExpression("fewer than six commas"));
    const GimmickTable table = load();
    QCOMPARE(table.size(), 2);  // loading went on
    const Gimmick& first = table[0];
    QCOMPARE(first.name, fields[0]);
    for (int k = 0; k < Gimmick::kFinishers; ++k) {
      QCOMPARE(first.finishers[k].move, fields[1 + k]);
      QCOMPARE(first.finishers[k].note, fields[4 + k]);
    }
    QCOMPARE(table[1].name, QString("G1"));
    QCOMPARE(first.recordText(), QString(fields.join(u',')));
  }

  // The one writer, behind the tool's build and every save of the editor:
  // what stands at data.dat (or where its folder should be), and what a
  // write makes of it. Only nothing, a file or a link to one is written, and
  // whole; anything else is left exactly as it was. No row links to a device:
  // a writer that lost its check would replace the device itself.
  void written_data() {
    using Failure = table_file::Written::Failure;
    QTest::addColumn<QString>("what");
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<QString>("reason");  // a pattern
    const auto row = [](const char* what, Failure failure, const char* reason) {
      QTest::newRow(what) << QString(what) << failure << QString(reason);
    };
    row("nothing", Failure::None, "");
    row("a file", Failure::None, "");
    row("a missing folder", Failure::None, "");
    row("a file where the folder should be", Failure::Folder, "home$");
    row("a directory", Failure::NotAFile, "^it is a directory, not a file$");
#ifdef Q_OS_UNIX
    row("a link to a file", Failure::None, "");
    row("a named pipe", Failure::NotAFile, "^it is a named pipe, not a file$");
    row("a socket", Failure::NotAFile, "^it is a socket, not a file$");
    row("a link that leads nowhere", Failure::NotAFile, "^it is a link that leads nowhere$");
    row("a link in a loop", Failure::NotAFile, "^it is a link that leads round in a loop$");
#endif
#ifdef TORVAK_READ_ONLY_FOLDERS
    row("a read-only folder", Failure::Write, ".");
#endif
  }

  void written() {
    QFETCH(QString, what);
    QFETCH(table_file::Written::Failure, failure);
    QFETCH(QString, reason);
    QTemporaryDir here(dir_.filePath("XXXXXX"));
    const QString folder = here.filePath("home");
    const QString path = folder + "/data.dat";
    if (what == "a file where the folder should be") {
      QVERIFY(makeAt(folder, "a file", "not a folder"));
    } else if (what != "a missing folder") {
      QVERIFY(QDir().mkdir(folder));
      QVERIFY2(makeAt(path, what == "a read-only folder" ? "nothing" : what, records(1)),
               qPrintable("could not make " + what));
    }
    if (what == "a read-only folder") QVERIFY(makeReadOnly(folder));
    const QString before = fingerprint(path) + fingerprint(folder);
    const QByteArray bytes = records(3);

    const table_file::Written written = table_file::write(
        path, bytes,
        what.contains("folder") ? table_file::Folder::Create : table_file::Folder::MustExist);
    if (what == "a read-only folder") makeWritable(folder);

    QCOMPARE(written.failure, failure);
    QVERIFY2(written.reason.contains(QRegularExpression(reason)), qPrintable(written.reason));
    if (failure == table_file::Written::Failure::None) {
      QCOMPARE(readFile(path), bytes);
      QCOMPARE(QFileInfo(path).isSymLink(), what == "a link to a file");
    } else {
      QCOMPARE(fingerprint(path) + fingerprint(folder), before);
    }
  }

  void readsOnlyOnce() {
    QVERIFY(writeFile(path(), records(2)));
    GimmickTableStore store([this] { return load(); });
    QVERIFY(!store.isLoaded());
    store.loadOnce();
    QVERIFY(store.isLoaded());
    QCOMPARE(filledRows(store.table()), 2);
    QVERIFY(writeFile(path(), records(5)));
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
    QVERIFY(writeFile(path(), bytes));
    QVERIFY2(makeReadOnly(path()), "could not make data.dat read-only");
    // Opening it for writing must fail now, or the test proves nothing.
    QFile probe(path());
    const bool writable = probe.open(QIODevice::ReadWrite);
    probe.close();
    const int rows = filledRows(load());
    const QByteArray after = readFile(path());
    makeWritable(path());
    QVERIFY2(!writable, "the file could still be opened for writing");
    QCOMPARE(rows, 4);
    QCOMPARE(after, bytes);
  }

#ifdef TORVAK_READ_ONLY_FOLDERS
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
#endif
};

QTEST_APPLESS_MAIN(GimmickLoaderTest)
#include "tst_gimmick_loader.moc"
