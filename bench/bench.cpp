// SPDX-License-Identifier: GPL-3.0-or-later
// Measures Torvak Utilities and its gimmick table editor against references
// started the same way, on the same platform, in the same process image:
//   the hand-written menu  the main menu written by hand in plain Qt
//                          (hand_written_menu.cpp): the honest floor for what
//                          our own code costs
//   the bare window        an empty Fusion window of the menu's size
//   the program            the floor the editor's start-up is judged against
// Figures:
//   start-up     process start to the first paint of the main menu, and of
//                the editor with the full shipped table
//   memory       peak resident memory at that first paint
//   processor    processor time used until then, steadier than the clock
//                when other work shares the machine
//   switches     each window switch, menu to every tool and back, to the
//                first paint of the window switched to; each switch back
//                to the menu as a ratio to its floor in the same run: that
//                tool window closed and the hand-written menu shown
//   loader       reading a full 156-record data.dat
//   edits        one edit of a cell in the editor, accepted and refused
// Every figure is the median of several runs. The start-ups of the four
// kinds are interleaved, each kind opening a round in turn, so that a change
// in the machine's load falls on all of them alike.
//
// `torvak-bench --check` measures each figure once and times nothing against
// a target: it fails when the hand-written menu no longer draws the
// program's menu or when a figure is missing, as CI runs it.
//
// Without a display (no DISPLAY, no WAYLAND_DISPLAY) and with no platform
// chosen through QT_QPA_PLATFORM, the offscreen platform is measured; the
// platform measured is printed with the figures.
#include "data/gimmick_file.h"
#include "data/gimmick_table_store.h"
#include "data/table_location.h"
#include "framework/window.h"
#include "framework/window_registry.h"
#include "gimmick_editor/gimmick_editor_window.h"
#include "hand_written_menu.h"
#include "measure.h"
#include "program/startup.h"
#include "windows/tournament/tournament_shelf.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <memory>
#include <vector>

namespace {

using measure::FirstPaint;
using measure::median;
using measure::processorMilliseconds;
using measure::waitForPaint;

// How many of each figure's runs the medians are taken over: a full run, or
// the check's one of each.
struct Rounds {
  int starts;    // start-ups of each kind
  int switches;  // rounds of each tool's switches
  int loads;
  int edits;
  bool warmUp;  // a round that is not counted comes first
};
constexpr Rounds kFullRun{21, 21, 101, 2001, true};
constexpr Rounds kCheck{1, 1, 1, 1, false};

// The program's windows and gimmick table in this process, owned here as the
// program's main owns them.
WindowRegistry& programWindows() {
  static WindowRegistry windows;
  return windows;
}

// The one place the benchmark sets the program up, as its main does: in a
// child that measures its start-up, and in this process for the switches.
void startTheProgram() {
  static GimmickTableStore gimmicks;
  static TournamentShelf tournaments;
  startProgram(programWindows(), gimmicks, tournaments);
}

// --- the child processes: start, paint once, report, exit ---------------------

enum class Kind { Program, HandWritten, Bare, Editor };
constexpr Kind kKinds[] = {Kind::Program, Kind::HandWritten, Kind::Bare, Kind::Editor};
constexpr int kKindCount = std::size(kKinds);
constexpr const char* kKindArguments[] = {"--child-program", "--child-hand-written", "--child-bare",
                                          "--child-editor"};
constexpr const char* kKindNames[] = {"the program", "the hand-written menu", "the bare window",
                                      "the editor"};

int childStart(Kind kind) {
  int argc = 1;
  char name[] = "torvak-bench";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  FirstPaint probe;
  app.installEventFilter(&probe);
  std::unique_ptr<QWidget> window;
  GimmickEditorWindow* editor = nullptr;
  switch (kind) {
    case Kind::Program:
      startTheProgram();
      break;
    case Kind::HandWritten: {
      setUpTheHandWrittenApplication();
      auto menu = std::make_unique<HandWrittenMenu>();
      menu->showCentred();
      window = std::move(menu);
      break;
    }
    case Kind::Bare:
      QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
      window = std::make_unique<QWidget>();
      window->setFixedSize(700, 396);
      window->show();
      break;
    case Kind::Editor: {
      // As the editor's main starts it, on the shipped table beside it.
      table_location::nameApplication();
      auto opened = std::make_unique<GimmickEditorWindow>(QCoreApplication::applicationDirPath());
      opened->openProgramTable();
      opened->show();
      editor = opened.get();
      window = std::move(opened);
      break;
    }
  }
  waitForPaint(probe);
  if (!probe.painted) return 1;
  if (editor && editor->model().rowCount() != GimmickTable::kPlaces) return 1;
  std::printf("painted %.0f %.3f %s\n", measure::peakResidentKb(), processorMilliseconds(),
              qPrintable(QGuiApplication::platformName()));
  std::fflush(stdout);
  window.reset();
  programWindows().unloadAll();
  return 0;
}

struct StartFigures {
  std::vector<double> milliseconds, peakKb, processorMs;
  QString platform;
  int failures = 0;
};

// Starts one child and records its figures; false when it did not paint.
bool startOnce(const QString& self, Kind kind, StartFigures* figures) {
  QProcess child;
  child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  QElapsedTimer clock;
  clock.start();
  child.start(self, {QString::fromLatin1(kKindArguments[static_cast<int>(kind)])});
  while (!child.canReadLine() && child.waitForReadyRead(10000)) {
  }
  const double ms = clock.nsecsElapsed() / 1e6;
  const QList<QByteArray> words = child.readLine().trimmed().split(' ');
  if (!child.waitForFinished(10000)) child.kill();
  if (words.size() != 4 || words[0] != "painted") return false;
  if (figures) {
    figures->milliseconds.push_back(ms);
    figures->peakKb.push_back(words[1].toDouble());
    figures->processorMs.push_back(words[2].toDouble());
    figures->platform = QString::fromLatin1(words[3]);
  }
  return true;
}

// Every kind's start-ups, interleaved; false (and why, on standard error)
// when a child did not report its first paint.
bool measureStarts(const QString& self, const Rounds& rounds, StartFigures (&start)[kKindCount]) {
  for (Kind kind : kKinds) {
    if (rounds.warmUp && !startOnce(self, kind, nullptr)) {
      std::fprintf(stderr, "%s did not report its first paint; stopping\n",
                   kKindNames[static_cast<int>(kind)]);
      return false;
    }
  }
  for (int i = 0; i < rounds.starts; ++i) {
    for (int k = 0; k < kKindCount; ++k) {
      const Kind kind = kKinds[(i + k) % kKindCount];  // each kind starts a round in turn
      StartFigures& figures = start[static_cast<int>(kind)];
      if (!startOnce(self, kind, &figures)) ++figures.failures;
    }
  }
  for (Kind kind : kKinds) {
    const StartFigures& figures = start[static_cast<int>(kind)];
    if (figures.failures > 0) {
      std::fprintf(stderr, "%s did not report its first paint in %d of %d start-ups\n",
                   kKindNames[static_cast<int>(kind)], figures.failures, rounds.starts);
      return false;
    }
  }
  return true;
}

// --- window switches, in this process ---------------------------------------

Window* programMenu() { return programWindows().find(QStringLiteral("MainMenu")); }

// The one place the benchmark visits the program's windows: every window the
// start-up registered, the menu aside, so that a new window is measured
// without being named here.
std::vector<Window*> toolWindows() {
  std::vector<Window*> tools;
  for (Window* window : programWindows().windows()) {
    if (window != programMenu()) tools.push_back(window);
  }
  return tools;
}

// A tool's button back to the menu, found as a screen reader finds it.
QAbstractButton* backButton(const Window* tool) {
  if (!tool->widget()) return nullptr;
  for (auto* button : tool->widget()->findChildren<QAbstractButton*>()) {
    if (button->accessibleName() == QLatin1String("Back to the menu")) return button;
  }
  return nullptr;
}

struct Timing {
  double ms = 0;     // by the clock
  double cpuMs = 0;  // processor time, which other work on the machine hardly moves
};

// The time from `action` to the first paint of a window, the old window's
// deletion left out as the event loop leaves it to after the paint.
template <typename Action>
Timing timedToFirstPaint(Action action) {
  FirstPaint probe;
  qApp->installEventFilter(&probe);
  const double cpuStart = processorMilliseconds();
  QElapsedTimer clock;
  clock.start();
  action();
  waitForPaint(probe);
  const Timing timing{clock.nsecsElapsed() / 1e6, processorMilliseconds() - cpuStart};
  qApp->removeEventFilter(&probe);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return timing;
}

// A switch from the window on screen to `target`, as each of the menu's
// routes makes it (the route's click adds only the call to it).
Timing switchTo(Window* target) {
  return timedToFirstPaint([target] {
    if (Window* from = programWindows().current()) from->unload();
    target->show();
  });
}

// A tool's "Back", clicked (found before the clock starts). Not inlined, so
// that a profiler can collect inside it alone.
Q_NEVER_INLINE Timing switchBack(Window* tool) {
  QAbstractButton* back = backButton(tool);
  return timedToFirstPaint([back] { back->click(); });
}

// The floor for a switch back to the menu: the tool window closed as the
// program closes it, and the hand-written menu shown in its place.
Q_NEVER_INLINE Timing handWrittenBack(Window* tool, HandWrittenMenu** hand) {
  return timedToFirstPaint([tool, hand] {
    tool->unload();
    *hand = new HandWrittenMenu;
    (*hand)->showCentred();
  });
}

// The hand-written menu goes and the program's comes back, for the next round.
void backToTheProgramsMenu(HandWrittenMenu* hand) {
  timedToFirstPaint([hand] {
    delete hand;
    programMenu()->show();
  });
}

// One tool's figures, medians over the rounds. The ratios are the medians of
// each round's own ratio, the switch back over the floor measured beside it,
// so that a change in the machine's load between rounds falls on both.
struct SwitchFigures {
  QByteArray tool;
  double there = 0, back = 0, floor = 0;
  double ratio = 0, cpuRatio = 0;
};

// Each tool's switches, there and back, and the floor of the way back; the
// program's half of a round and the floor's take turns at going first.
std::vector<SwitchFigures> measureSwitches(const Rounds& rounds) {
  std::vector<SwitchFigures> figures;
  // A warm-up round, every switch made once, so that no tool pays alone for
  // what Qt sets up on first use.
  for (Window* tool : rounds.warmUp ? toolWindows() : std::vector<Window*>{}) {
    switchTo(tool);
    if (!backButton(tool)) continue;
    switchBack(tool);
    switchTo(tool);
    HandWrittenMenu* menu = nullptr;
    handWrittenBack(tool, &menu);
    backToTheProgramsMenu(menu);
  }
  if (!programMenu()->isLoaded()) switchTo(programMenu());
  for (Window* tool : toolWindows()) {
    std::vector<double> there, back, floor, ratios, cpuRatios;
    for (int i = 0; i < rounds.switches; ++i) {
      Timing program, hand;
      for (int half = 0; half < 2; ++half) {
        const bool programsHalf = (i + half) % 2 == 0;
        const Timing toTool = switchTo(tool);
        if (!backButton(tool)) break;
        if (programsHalf) {
          there.push_back(toTool.ms);
          program = switchBack(tool);
        } else {
          HandWrittenMenu* menu = nullptr;
          hand = handWrittenBack(tool, &menu);
          backToTheProgramsMenu(menu);
        }
      }
      if (!programMenu()->isLoaded()) switchTo(programMenu());  // a tool without "Back"
      if (program.ms == 0 || hand.ms == 0) continue;
      back.push_back(program.ms);
      floor.push_back(hand.ms);
      ratios.push_back(program.ms / hand.ms);
      if (hand.cpuMs > 0) cpuRatios.push_back(program.cpuMs / hand.cpuMs);
    }
    figures.push_back({tool->name().toUtf8(), median(there), median(back), median(floor),
                       median(ratios), median(cpuRatios)});
  }
  return figures;
}

// The same switch between two bare windows: what any switch costs at least.
double bareSwitch() {
  auto* from = new QWidget;
  from->setFixedSize(700, 396);
  from->show();
  QCoreApplication::processEvents();
  QWidget* to = nullptr;
  const Timing timing = timedToFirstPaint([from, &to] {
    from->hide();
    from->deleteLater();
    to = new QWidget;
    to->setFixedSize(700, 396);
    to->show();
  });
  delete to;
  return timing.ms;
}

// --- the loader and the editor's edits ---------------------------------------

QByteArray fullDataFile() {
  QByteArray bytes;
  for (int n = 1; n <= GimmickTable::kPlaces; ++n) {
    QByteArray text = "Gimmick " + QByteArray::number(n) +
                      ",Finisher One,Finisher Two,"
                      "Finisher Three,off the top rope,from the apron,after a run, at speed";
    bytes += gimmick_file::record(text.left(gimmick_record::kMaxBytes));
  }
  return bytes;
}

// Medians of loading a full table, and of reading its bytes alone; zeros
// when the table did not load whole.
void measureLoads(int runs, double* loadMs, double* readMs) {
  QTemporaryDir dir;
  QFile file(dir.filePath(QStringLiteral("data.dat")));
  if (!file.open(QIODevice::WriteOnly) || file.write(fullDataFile()) < 0) return;
  file.close();
  std::vector<double> loads, reads;
  for (int i = 0; i < runs; ++i) {
    QElapsedTimer clock;
    clock.start();
    const GimmickTable table = loadGimmickTable(dir.path());
    loads.push_back(clock.nsecsElapsed() / 1e6);

    clock.restart();
    if (!file.open(QIODevice::ReadOnly)) return;
    const QByteArray raw = file.readAll();
    file.close();
    reads.push_back(clock.nsecsElapsed() / 1e6);
    if (raw.isEmpty() || table.size() != GimmickTable::kPlaces || table[1].name.isEmpty()) return;
  }
  *loadMs = median(loads);
  *readMs = median(reads);
}

// One cell edited back and forth in the editor on the shipped table: each
// edit is checked against the record's rules and pushed on the undo stack;
// the refused one is a comma in a name.
void measureEdits(int runs, double* accepted, double* refused) {
  GimmickEditorWindow window(QCoreApplication::applicationDirPath());
  window.openProgramTable();
  window.show();
  GimmickTableModel& model = window.model();
  const QModelIndex cell = model.index(77, 2);
  if (!cell.isValid()) return;
  const QString values[] = {QStringLiteral("Plank Walk"), QStringLiteral("Cannonball Splash")};
  std::vector<double> acceptedTimes, refusedTimes;
  for (int n = 0; n < runs; ++n) {
    QElapsedTimer clock;
    clock.start();
    const bool taken = model.setData(cell, values[n % 2], Qt::EditRole);
    acceptedTimes.push_back(clock.nsecsElapsed() / 1e6);
    clock.restart();
    const bool refusedComma = !model.setData(cell, QStringLiteral("Plank,Walk"), Qt::EditRole);
    refusedTimes.push_back(clock.nsecsElapsed() / 1e6);
    if (!taken || !refusedComma) return;
    if (n % 100 == 0) QCoreApplication::processEvents();
  }
  *accepted = median(acceptedTimes);
  *refused = median(refusedTimes);
}

// --- the figures ----------------------------------------------------------------

struct Figures {
  StartFigures start[kKindCount];
  bool sameMenu = false;
  double bareSwitchMs = 0;
  std::vector<SwitchFigures> switches;
  std::size_t toolWindows = 0;  // every tool window the start-up registered
  double loadMs = 0, readMs = 0;
  double acceptedEditMs = 0, refusedEditMs = 0;

  const StartFigures& of(Kind kind) const { return start[static_cast<int>(kind)]; }
};

// Everything measured in this process, with the program set up as its main
// sets it up.
void measureInProcess(const Rounds& rounds, Figures* figures) {
  int argc = 1;
  char name[] = "torvak-bench";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  startTheProgram();
  QCoreApplication::processEvents();

  // The floor must be the program's own menu, or its figures mean nothing.
  if (Window* menu = programMenu(); menu && menu->widget()) {
    figures->sameMenu = drawsTheSameMenu(menu->widget());
    waitUntilActive(menu->widget());
  }
  std::vector<double> bareTimes;
  for (int i = 0; i < rounds.switches; ++i) bareTimes.push_back(bareSwitch());
  figures->bareSwitchMs = median(bareTimes);
  figures->switches = measureSwitches(rounds);
  figures->toolWindows = toolWindows().size();
  measureLoads(rounds.loads, &figures->loadMs, &figures->readMs);
  measureEdits(rounds.edits, &figures->acceptedEditMs, &figures->refusedEditMs);

  programWindows().unloadAll();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// --- the check: every figure measured, none judged -----------------------------

int reportCheck(const Figures& figures) {
  int missing = 0;
  const auto measured = [&missing](const QString& what, double value) {
    if (value > 0) return;
    std::printf("  not measured: %s\n", qPrintable(what));
    ++missing;
  };
  std::printf("Benchmark check on \"%s\": each figure measured once, none timed against a target\n",
              qPrintable(figures.of(Kind::Program).platform));
  for (Kind kind : kKinds) {
    const StartFigures& start = figures.start[static_cast<int>(kind)];
    const QString who = QString::fromLatin1(kKindNames[static_cast<int>(kind)]);
    measured(who + QStringLiteral("'s start to its first paint"), median(start.milliseconds));
    measured(who + QStringLiteral("'s peak memory"), median(start.peakKb));
    measured(who + QStringLiteral("'s processor time"), median(start.processorMs));
  }
  measured(QStringLiteral("a bare window's switch"), figures.bareSwitchMs);
  const std::size_t tools = figures.toolWindows;
  if (tools == 0 || figures.switches.size() != tools) {
    std::printf("  not measured: %zu of %zu tool windows' switches\n",
                tools - std::min(tools, figures.switches.size()), tools);
    ++missing;
  }
  for (const SwitchFigures& s : figures.switches) {
    const QString tool = QString::fromUtf8(s.tool);
    measured(QStringLiteral("the switch from the menu to ") + tool, s.there);
    measured(tool + QStringLiteral("'s switch back to the menu"), s.back);
    measured(tool + QStringLiteral("'s hand-written floor"), s.floor);
    measured(tool + QStringLiteral("'s switch back over its floor"), s.ratio);
    measured(tool + QStringLiteral("'s switch back over its floor, in processor time"), s.cpuRatio);
  }
  measured(QStringLiteral("loading a full data.dat"), figures.loadMs);
  measured(QStringLiteral("reading a full data.dat's bytes"), figures.readMs);
  measured(QStringLiteral("the editor's accepted edit"), figures.acceptedEditMs);
  measured(QStringLiteral("the editor's refused edit"), figures.refusedEditMs);

  std::printf("  the hand-written menu draws the same window as the program's: %s\n",
              figures.sameMenu ? "yes" : "NO");
  std::printf("  %zu tool windows' switches; %s\n", figures.switches.size(),
              missing == 0 ? "every figure measured" : "figures missing");
  return figures.sameMenu && missing == 0 ? 0 : 1;
}

// --- the report -----------------------------------------------------------------

const char* met(bool yes) { return yes ? "yes" : "no"; }

struct SwitchSummary {
  double fastestThere = 1e9, slowestThere = 0;
  double lowestRatio = 1e9, highestRatio = 0, lowestCpuRatio = 1e9, highestCpuRatio = 0;
  QByteArray highestName;
};

// One line for each tool's switches, and what they come to.
SwitchSummary printSwitches(const std::vector<SwitchFigures>& switches) {
  std::printf("  %-10s %13s %13s %19s %6s %16s\n", "tool", "menu to tool", "tool to menu",
              "hand-written floor", "ratio", "processor ratio");
  SwitchSummary summary;
  for (const SwitchFigures& s : switches) {
    if (s.back == 0) {
      std::printf("  %-10s %10.2f ms   (no button back to the menu)\n", s.tool.constData(),
                  s.there);
      continue;
    }
    std::printf("  %-10s %10.2f ms %10.2f ms %16.2f ms %6.2f %16.2f\n", s.tool.constData(), s.there,
                s.back, s.floor, s.ratio, s.cpuRatio);
    summary.fastestThere = std::min(summary.fastestThere, s.there);
    summary.slowestThere = std::max(summary.slowestThere, s.there);
    summary.lowestRatio = std::min(summary.lowestRatio, s.ratio);
    summary.lowestCpuRatio = std::min(summary.lowestCpuRatio, s.cpuRatio);
    summary.highestCpuRatio = std::max(summary.highestCpuRatio, s.cpuRatio);
    if (s.ratio > summary.highestRatio) {
      summary.highestRatio = s.ratio;
      summary.highestName = s.tool;
    }
  }
  return summary;
}

int printReport(const Figures& figures, const Rounds& rounds) {
  const QString platform = figures.of(Kind::Program).platform;
  std::printf("Torvak Utilities benchmark, platform \"%s\"", qPrintable(platform));
  if (platform == QLatin1String("xcb")) {
    std::printf(" (X display %s)", qgetenv("DISPLAY").constData());
  }
  std::printf(": medians of %d start-ups of each kind, %d of each switch, %d edits\n\n",
              rounds.starts, rounds.switches, rounds.edits);
  std::printf("The hand-written menu draws the same window as the program's: %s\n\n",
              figures.sameMenu ? "yes, control by control and pixel by pixel" : "NO");

  std::printf(
      "Window switches, medians to the first paint of the window switched to; each switch\n"
      "to the menu against its floor, that tool window closed and the hand-written menu shown:\n");
  const SwitchSummary switches = printSwitches(figures.switches);
  std::printf("  a bare window's switch: %.2f ms\n", figures.bareSwitchMs);

  const auto medianOf = [&figures](Kind kind, std::vector<double> StartFigures::*values) {
    return median(figures.of(kind).*values);
  };
  const double programMs = medianOf(Kind::Program, &StartFigures::milliseconds);
  const double handMs = medianOf(Kind::HandWritten, &StartFigures::milliseconds);
  const double bareMs = medianOf(Kind::Bare, &StartFigures::milliseconds);
  const double editorMs = medianOf(Kind::Editor, &StartFigures::milliseconds);
  const double programMiB = medianOf(Kind::Program, &StartFigures::peakKb) / 1024;
  const double handMiB = medianOf(Kind::HandWritten, &StartFigures::peakKb) / 1024;
  const double bareMiB = medianOf(Kind::Bare, &StartFigures::peakKb) / 1024;
  const double programCpu = medianOf(Kind::Program, &StartFigures::processorMs);
  const double handCpu = medianOf(Kind::HandWritten, &StartFigures::processorMs);
  const double bareCpu = medianOf(Kind::Bare, &StartFigures::processorMs);
  const double editorCpu = medianOf(Kind::Editor, &StartFigures::processorMs);

  std::printf(
      "\n| Figure | Program | Hand-written menu | Ratio | Bare window | Ratio | Target | Met |\n");
  std::printf("|---|---|---|---|---|---|---|---|\n");
  std::printf(
      "| process start to the menu's first paint | %.1f ms | %.1f ms | %.2f | %.1f ms | %.2f | "
      "within 1.1 x of the hand-written menu | %s |\n",
      programMs, handMs, programMs / handMs, bareMs, programMs / bareMs,
      met(programMs <= 1.1 * handMs));
  std::printf(
      "| peak resident memory at first paint | %.1f MiB | %.1f MiB | %.2f | %.1f MiB | %.2f | "
      "within 1.1 x of the hand-written menu | %s |\n",
      programMiB, handMiB, programMiB / handMiB, bareMiB, programMiB / bareMiB,
      met(programMiB <= 1.1 * handMiB));
  std::printf(
      "| processor time to the menu's first paint | %.1f ms | %.1f ms | %.2f | %.1f ms | %.2f | "
      "(steadier than the clock on a busy machine) | |\n",
      programCpu, handCpu, programCpu / handCpu, bareCpu, programCpu / bareCpu);
  std::printf(
      "| each switch back to the menu, over its hand-written floor | %.2f to %.2f (highest: %s "
      "to menu) | | | | | within 1.1 x of the hand-written menu | %s |\n",
      switches.lowestRatio, switches.highestRatio, switches.highestName.constData(),
      met(switches.highestRatio <= 1.1));
  std::printf(
      "| processor time of each switch back to the menu, over its floor's | %.2f to %.2f | | | "
      "| | (steadier than the clock on a busy machine) | |\n",
      switches.lowestCpuRatio, switches.highestCpuRatio);
  std::printf(
      "| each switch from the menu to a tool | %.1f to %.1f ms | | | %.1f ms | %.1f to %.1f "
      "| | |\n",
      switches.fastestThere, switches.slowestThere, figures.bareSwitchMs,
      switches.fastestThere / figures.bareSwitchMs, switches.slowestThere / figures.bareSwitchMs);
  std::printf(
      "| loading a full 156-record data.dat | %.2f ms | | | %.2f ms (raw read) | | under 1 ms | "
      "%s |\n",
      figures.loadMs, figures.readMs, met(figures.loadMs < 1));

  std::printf("\n| Figure | Editor | Program | Ratio | Target | Met |\n");
  std::printf("|---|---|---|---|---|---|\n");
  std::printf("| start to the first paint | %.1f ms | %.1f ms | %.2f | within 1.5 x | %s |\n",
              editorMs, programMs, editorMs / programMs, met(editorMs <= 1.5 * programMs));
  std::printf("| processor time to the first paint | %.1f ms | %.1f ms | %.2f | | |\n", editorCpu,
              programCpu, editorCpu / programCpu);
  std::printf("| one validated edit | %.3f ms | | | under 1 ms | %s |\n", figures.acceptedEditMs,
              met(figures.acceptedEditMs < 1));
  std::printf("| one refused edit | %.3f ms | | | under 1 ms | %s |\n", figures.refusedEditMs,
              met(figures.refusedEditMs < 1));
  std::printf("\nPlatform \"%s\". Ratios: the program's figure over the reference's.\n",
              qPrintable(platform));
  return figures.sameMenu ? 0 : 1;
}

int run(const QString& self, const Rounds& rounds, bool check) {
  Figures figures;
  if (!measureStarts(self, rounds, figures.start)) return 1;
  measureInProcess(rounds, &figures);
  return check ? reportCheck(figures) : printReport(figures, rounds);
}

}  // namespace

int main(int argc, char* argv[]) {
  measure::chooseThePlatform();
  // The program and the editor read the shipped table beside the benchmark,
  // never a table of the user's own.
  QStandardPaths::setTestModeEnabled(true);
  const QString self = QString::fromLocal8Bit(argv[0]);
  if (argc == 1) return run(self, kFullRun, false);
  const QByteArray option(argv[1]);
  if (argc == 2 && option == "--check") return run(self, kCheck, true);
  for (Kind kind : kKinds) {
    if (argc == 2 && option == kKindArguments[static_cast<int>(kind)]) return childStart(kind);
  }
  std::fprintf(stderr, "usage: torvak-bench [--check]\n");
  return 2;
}
