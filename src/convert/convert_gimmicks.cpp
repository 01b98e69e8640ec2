// Turns the gimmick table's source into data.dat:
//   convert-gimmicks SOURCE OUTPUT
// A refused line is reported as SOURCE:LINE: reason and leaves OUTPUT as it
// was; the exit status is then 1.
#include "convert/gimmick_source.h"

#include <QFile>
#include <QSaveFile>
#include <QString>

#include <cstdio>

namespace {

void report(const QString& message) { std::fprintf(stderr, "%s\n", qUtf8Printable(message)); }

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3) {
    report(QStringLiteral("usage: convert-gimmicks SOURCE OUTPUT"));
    return 2;
  }
  const QString sourcePath = QString::fromLocal8Bit(argv[1]);
  const QString outputPath = QString::fromLocal8Bit(argv[2]);

  QFile source(sourcePath);
  if (!source.open(QIODevice::ReadOnly)) {
    report(QStringLiteral("%1: cannot read it: %2").arg(sourcePath, source.errorString()));
    return 1;
  }
  const gimmick_source::Conversion conversion = gimmick_source::convert(source.readAll());
  for (const auto& refusal : conversion.refusals) {
    report(QStringLiteral("%1:%2: %3").arg(sourcePath).arg(refusal.line).arg(refusal.reason));
  }
  if (!conversion.refusals.empty()) return 1;

  // Written whole or not at all.
  QSaveFile output(outputPath);
  if (!output.open(QIODevice::WriteOnly) ||
      output.write(conversion.data) != conversion.data.size() || !output.commit()) {
    report(QStringLiteral("%1: cannot write it: %2").arg(outputPath, output.errorString()));
    return 1;
  }
  return 0;
}
