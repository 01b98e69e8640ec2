// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the gimmick table editor:
//   start-up  process start to the first paint of the editor with the full
//             shipped table, against the program's start to its menu's
//             first paint, started the same way and interleaved
//   edit      one validated edit of a cell through the model (the rules, the
//             undo stack, the signals the view listens to), and one refused
// Every figure is the median of several runs. Without a display, the
// offscreen platform is measured.
#include "data/gimmick_table_store.h"
#include "data/table_location.h"
#include "framework/window_registry.h"
#include "gimmick_editor/gimmick_editor_window.h"
#include "measure.h"
#include "program/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using measure::chooseThePlatform;
using measure::FirstPaint;
using measure::median;

constexpr int kRuns = 21;
constexpr int kEdits = 2001;

// Both children read the shipped table beside them: the test mode keeps a
// user's own table out of the figures.
int childStart(bool editor) {
  int argc = 1;
  char name[] = "torvak-editor-bench";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  QStandardPaths::setTestModeEnabled(true);
  FirstPaint probe;
  app.installEventFilter(&probe);
  GimmickTableStore gimmicks;
  std::unique_ptr<GimmickEditorWindow> window;
  if (editor) {
    table_location::nameApplication();
    window = std::make_unique<GimmickEditorWindow>(QCoreApplication::applicationDirPath());
    window->openProgramTable();
    window->show();
  } else {
    startProgram(gimmicks);
  }
  QElapsedTimer limit;
  limit.start();
  while (!probe.painted && limit.elapsed() < 5000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  if (!probe.painted) return 1;
  if (editor && window->model().rowCount() != GimmickTable::kPlaces) return 1;
  std::printf("painted %s\n", qPrintable(QGuiApplication::platformName()));
  std::fflush(stdout);
  window.reset();
  WindowRegistry::unloadAll();
  return 0;
}

double startOnce(const QString& self, bool editor, QString* platform) {
  QProcess child;
  child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  QElapsedTimer clock;
  clock.start();
  child.start(self,
              {editor ? QStringLiteral("--child-editor") : QStringLiteral("--child-program")});
  while (!child.canReadLine() && child.waitForReadyRead(10000)) {
  }
  const double ms = clock.nsecsElapsed() / 1e6;
  const QList<QByteArray> words = child.readLine().trimmed().split(' ');
  if (!child.waitForFinished(10000)) child.kill();
  if (words.size() != 2 || words[0] != "painted") return -1;
  *platform = QString::fromLatin1(words[1]);
  return ms;
}

// One cell edited back and forth: each edit is checked against the record's
// rules and pushed on the undo stack; the refused one is a comma in a name.
void measureEdits(const QString& programDirectory, double* accepted, double* refused) {
  GimmickEditorWindow window(programDirectory);
  window.openProgramTable();
  window.show();
  GimmickTableModel& model = window.model();
  std::vector<double> acceptedTimes, refusedTimes;
  const QModelIndex cell = model.index(77, 2);
  const QString values[] = {QStringLiteral("Plank Walk"), QStringLiteral("Cannonball Splash")};
  for (int n = 0; n < kEdits; ++n) {
    QElapsedTimer clock;
    clock.start();
    model.setData(cell, values[n % 2], Qt::EditRole);
    acceptedTimes.push_back(clock.nsecsElapsed() / 1e6);
    clock.restart();
    model.setData(cell, QStringLiteral("Plank,Walk"), Qt::EditRole);
    refusedTimes.push_back(clock.nsecsElapsed() / 1e6);
    if (n % 100 == 0) QCoreApplication::processEvents();
  }
  *accepted = median(acceptedTimes);
  *refused = median(refusedTimes);
}

int runAll(const QString& self) {
  int argc = 1;
  char name[] = "torvak-editor-bench";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  QStandardPaths::setTestModeEnabled(true);
  table_location::nameApplication();
  std::vector<double> editor, program;
  QString platform;
  for (int run = 0; run <= kRuns; ++run) {  // run 0 warms the caches up
    const double e = startOnce(self, true, &platform);
    const double p = startOnce(self, false, &platform);
    if (e < 0 || p < 0) {
      std::fprintf(stderr, "a child did not report its first paint; stopping\n");
      return 1;
    }
    if (run > 0) {
      editor.push_back(e);
      program.push_back(p);
    }
  }
  double accepted = 0;
  double refused = 0;
  measureEdits(QCoreApplication::applicationDirPath(), &accepted, &refused);
  const double ratio = median(editor) / median(program);
  std::printf("Platform: %s; medians of %d start-ups and %d edits\n\n", qPrintable(platform), kRuns,
              kEdits);
  std::printf("| Figure | Editor | Program | Ratio | Target | Met |\n");
  std::printf("|---|---|---|---|---|---|\n");
  std::printf("| %s: start to the first paint | %.1f ms | %.1f ms | %.2f | within 1.5 x | %s |\n",
              qPrintable(platform), median(editor), median(program), ratio,
              ratio <= 1.5 ? "yes" : "no");
  std::printf("| one validated edit | %.3f ms | | | under 1 ms | %s |\n", accepted,
              accepted < 1 ? "yes" : "no");
  std::printf("| one refused edit | %.3f ms | | | under 1 ms | %s |\n", refused,
              refused < 1 ? "yes" : "no");
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  chooseThePlatform();
  if (argc == 2 && QByteArray(argv[1]) == "--child-editor") return childStart(true);
  if (argc == 2 && QByteArray(argv[1]) == "--child-program") return childStart(false);
  return runAll(QString::fromLocal8Bit(argv[0]));
}
