// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as data.dat, loaded the way the program loads it. Beyond
// not crashing: no gimmick holds more text than a record can, nothing is
// read from the first empty record on, and the file on disk is exactly as it
// was.
#include "data/gimmick_file.h"
#include "data/gimmick_table_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// The first record, counted from 1, that reads as empty: length 0 or wholly
// past the end of the bytes. Loading may stop earlier, never later.
int firstEmptyRecord(const QByteArray& bytes) {
  for (int n = 1; n <= GimmickTable::kPlaces; ++n) {
    const qsizetype offset = qsizetype{n - 1} * gimmick_file::kRecordSize;
    if (offset >= bytes.size()) return n;
    if (offset + 1 < bytes.size() && bytes[offset] == 0 && bytes[offset + 1] == 0) return n;
  }
  return GimmickTable::kPlaces + 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Memory-backed where there is such a place: thousands of files a second.
  static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                               ? QStringLiteral("/dev/shm/torvak-fuzz-XXXXXX")
                               : QDir::tempPath() + QStringLiteral("/torvak-fuzz-XXXXXX"));
  static const bool quietened = (qInstallMessageHandler(quiet), true);
  (void)quietened;

  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const QString path = dir.filePath("data.dat");
  {
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    check(file.write(bytes) == bytes.size());
  }

  const GimmickTable table = loadGimmickTable(dir.path());

  // Loading stops at the first empty record at the latest.
  check(table.size() < firstEmptyRecord(bytes));
  for (const Gimmick& gimmick : table) {
    // A record's text decodes one character a byte; its seven fields hold
    // that text less its separating commas. (Joined again they can be longer:
    // a record with fewer than six commas gets the missing ones.)
    qsizetype characters = 0;
    for (int f = 0; f < Gimmick::kFields; ++f) characters += gimmick.field(f).size();
    check(characters <= gimmick_record::kMaxBytes);
  }

  QFile file(path);
  check(file.open(QIODevice::ReadOnly));
  check(file.readAll() == bytes);
  return 0;
}
