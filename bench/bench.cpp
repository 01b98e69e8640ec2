// SPDX-License-Identifier: GPL-3.0-or-later
// Measures Torvak Utilities against two references started the same way, on
// the same platform, in the same process image:
//   the hand-written menu  the main menu written by hand in plain Qt: the same
//                          thirteen controls, texts, fonts, colours and
//                          geometry, no design table and no window registry;
//                          the honest floor for what our own code costs
//   the bare window        an empty Fusion window of the menu's size
// Figures:
//   start-up     process start to the first paint of the main menu
//   memory       peak resident memory at that first paint
//   processor    processor time used until then, steadier than the clock
//                when other work shares the machine
//   switches     each window switch, menu to every tool and back, to the
//                first paint of the window switched to; each switch back
//                to the menu as a ratio to its floor in the same run: that
//                tool window closed and the hand-written menu shown
//   loader       reading a full 156-record data.dat
// Every figure is the median of several runs. The start-ups of the three
// kinds are interleaved, each kind opening a round in turn, so that a change
// in the machine's load falls on all of them alike.
//
// Without a display (no DISPLAY, no WAYLAND_DISPLAY) and with no platform
// chosen through QT_QPA_PLATFORM, the offscreen platform is measured; the
// platform measured is printed with the figures.

// The program's side: its start-up, its window registry, its data file.
#include "data/gimmick_file.h"
#include "data/gimmick_loader.h"
#include "data/gimmick_table_store.h"
#include "framework/caption_button.h"
#include "framework/window.h"
#include "framework/window_registry.h"
#include "measure.h"
#include "program/startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using measure::chooseThePlatform;
using measure::FirstPaint;
using measure::median;

// The program's windows in this process, owned here as the program's
// start-up owns them.
WindowRegistry& programWindows() {
  static WindowRegistry windows;
  return windows;
}

constexpr int kRuns = 21;        // start-ups of each kind; a warm-up round comes first
constexpr int kSwitchRuns = 21;  // rounds of each tool's switches

long peakResidentKb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong();
  }
  return -1;
}

// Processor time this process has used so far, user and system.
double cpuMilliseconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// Returns once the paint has been delivered and the events it came with
// (the window's whole repaint and its flush) are done.
void waitForPaint(FirstPaint& probe) {
  QElapsedTimer limit;
  limit.start();
  while (!probe.painted && limit.elapsed() < 5000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
}

// --- the main menu, written by hand -------------------------------------------
//
// What a Qt programmer would write for this one window: the application's
// look set up as the program sets it up, then the window and its controls
// with plain widget calls. Sizes are the program's twips converted once, by
// hand, to pixels at 96 dots per inch.

// A long caption ("Finisher Generator for Gimmicks") needs two lines, which a
// plain QPushButton does not draw: the hand-written menu takes the program's
// own small wrapping button, as any hand-written window of the program would.
QPushButton* wrappingButton(const QString& caption, QWidget* parent) {
  auto* button = new CaptionButton(caption, parent);
  button->setAutoDefault(false);
  return button;
}

class HandWrittenMenu : public QWidget {
 public:
  HandWrittenMenu() {
    setObjectName(QStringLiteral("MainMenu"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Torvak Utilities"));
    setFixedSize(700, 396);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    setPalette(grey);
    setAutoFillBackground(true);

    auto* title = new QLabel(QStringLiteral("Torvak Utilities"), this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setWordWrap(true);
    title->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette navy = title->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    title->setPalette(navy);
    title->setGeometry(128, 16, 457, 41);
    title->setFont(showcard(26.25, true));

    auto* tournaments = button("Command1", "Tournaments", {264, 80, 177, 57}, 15.75, true);
    auto* decoders = button("Command2", "Colour Decoders", {512, 80, 153, 57}, 15.75, true);
    auto* standard = button("Command3", "Standard", {32, 80, 153, 57}, 15.75, true);

    selector_ = new QComboBox(this);
    selector_->setObjectName(QStringLiteral("Combo1"));
    selector_->setEditable(true);
    selector_->setCompleter(nullptr);
    selector_->setInsertPolicy(QComboBox::NoInsert);
    selector_->setMaxVisibleItems(8);
    selector_->setCurrentIndex(-1);
    selector_->setEditText(QStringLiteral("Select Your Match Type"));
    selector_->setGeometry(184, 328, 329, 21);
    selector_->setAccessibleName(QStringLiteral("Tournament type"));
    selector_->hide();

    commence_ = wrappingButton(QStringLiteral("COMMENCE"), this);
    commence_->setObjectName(QStringLiteral("Command4"));
    commence_->setGeometry(272, 360, 161, 25);
    commence_->setAccessibleName(QStringLiteral("Commence the tournament"));
    commence_->hide();

    auto* randomiser = button("Random", "Randomiser", {32, 160, 153, 57}, 15.75, false);
    auto* ratings = button("Command5", "Ratings Calculator", {264, 160, 177, 57}, 14.25, false);
    auto* names = button("Command6", "Wrestler Name Generator", {512, 160, 153, 57}, 12, false);
    auto* gimmicks =
        button("Command7", "Finisher Generator for Gimmicks", {32, 240, 153, 57}, 11.25, false);
    auto* finishers =
        button("Command8", "Random Finisher Generator", {264, 240, 177, 57}, 14.25, false);
    auto* credits = button("Command9", "Credits", {512, 240, 153, 57}, 14.25, false);
    auto* quit = button("Command10", "Quit", {616, 344, 73, 41}, 15.75, false);

    QWidget* order[] = {tournaments, decoders, standard, selector_, commence_, randomiser,
                        ratings,     names,    gimmicks, finishers, credits,   quit};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    connect(tournaments, &QPushButton::clicked, this, [this] {
      selector_->clear();
      selector_->addItems(
          {QStringLiteral("8 Man Tournament"), QStringLiteral("16 Man Tournament")});
      selector_->setEditText(QStringLiteral("Select Which Type of Tournament to use:"));
      selector_->show();
      commence_->show();
    });
    connect(quit, &QPushButton::clicked, qApp, &QCoreApplication::quit);
  }

  void showCentred() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
      QRect frame = frameGeometry();
      frame.moveCenter(screen->availableGeometry().center());
      move(frame.topLeft());
    }
    show();
    findChild<QWidget*>(QStringLiteral("Command1"))->setFocus();
    activateWindow();
  }

 private:
  static QFont showcard(double points, bool bold) {
    QFont font(QStringLiteral("Showcard Gothic"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
  }

  QPushButton* button(const char* name, const char* caption, QRect place, double points,
                      bool bold) {
    auto* b = wrappingButton(QString::fromUtf8(caption), this);
    b->setObjectName(QString::fromUtf8(name));
    b->setGeometry(place);
    b->setFont(showcard(points, bold));
    return b;
  }

  QComboBox* selector_;
  QPushButton* commence_;
};

// The application-wide look, as the program sets it: its name, the Fusion
// style, the installed faces standing in for the two the menu names, and the
// default dialog font.
void setUpTheHandWrittenApplication() {
  QApplication::setApplicationName(QStringLiteral("Torvak Utilities"));
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setQuitOnLastWindowClosed(false);
  QFont::insertSubstitution(QStringLiteral("Showcard Gothic"), QStringLiteral("Bebas Neue"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont dialog(QStringLiteral("Arial"));
  dialog.setPointSizeF(7.5);
  QApplication::setFont(dialog);
}

// --- the child processes: start, paint once, report, exit ---------------------

enum class Kind { Program, HandWritten, Bare };
constexpr Kind kKinds[] = {Kind::Program, Kind::HandWritten, Kind::Bare};
constexpr const char* kKindArguments[] = {"--child-program", "--child-hand-written",
                                          "--child-bare"};

int childStart(Kind kind) {
  int argc = 1;
  char name[] = "torvak-bench";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  FirstPaint probe;
  app.installEventFilter(&probe);
  QWidget* window = nullptr;
  switch (kind) {
    case Kind::Program: {
      static GimmickTableStore gimmicks;
      startProgram(programWindows(), gimmicks);
      break;
    }
    case Kind::HandWritten: {
      setUpTheHandWrittenApplication();
      auto* menu = new HandWrittenMenu;
      menu->showCentred();
      window = menu;
      break;
    }
    case Kind::Bare:
      QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
      window = new QWidget;
      window->setFixedSize(700, 396);
      window->show();
      break;
  }
  waitForPaint(probe);
  if (!probe.painted) return 1;
  std::printf("painted %ld %.3f %s\n", peakResidentKb(), cpuMilliseconds(),
              qPrintable(QGuiApplication::platformName()));
  std::fflush(stdout);
  delete window;
  programWindows().unloadAll();
  return 0;
}

struct StartFigures {
  std::vector<double> milliseconds, peakKb, cpuMilliseconds;
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
    figures->cpuMilliseconds.push_back(words[2].toDouble());
    figures->platform = QString::fromLatin1(words[3]);
  }
  return true;
}

// --- the hand-written menu is the program's menu ------------------------------

// Lets a window become the active one (an X server answers a little later),
// so that both menus are drawn alike, focus frame included.
void waitUntilActive(QWidget* window) {
  window->activateWindow();
  QElapsedTimer limit;
  limit.start();
  while (!window->isActiveWindow() && limit.elapsed() < 2000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
}

// Compares the program's menu on screen with the hand-written one, control by
// control and pixel by pixel, so that the floor stays honest when the
// program's menu changes. Prints what differs.
bool sameLook(QWidget* program) {
  waitUntilActive(program);
  const QImage programLook = program->grab().toImage();
  HandWrittenMenu hand;
  hand.showCentred();
  waitUntilActive(&hand);
  const QImage handLook = hand.grab().toImage();

  bool same = true;
  auto differs = [&same](const QString& what) {
    std::printf("  the hand-written menu differs: %s\n", qPrintable(what));
    same = false;
  };
  const auto programControls = program->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  const auto handControls = hand.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  if (programControls.size() != handControls.size()) {
    differs(QStringLiteral("%1 controls, the program's menu has %2")
                .arg(handControls.size())
                .arg(programControls.size()));
  }
  for (int i = 0; i < std::min(programControls.size(), handControls.size()); ++i) {
    const QWidget* p = programControls[i];
    const QWidget* h = handControls[i];
    const QString name = p->objectName();
    if (h->objectName() != name) differs(name + QStringLiteral(": not in the same place"));
    if (h->geometry() != p->geometry()) differs(name + QStringLiteral(": geometry"));
    if (h->font() != p->font()) differs(name + QStringLiteral(": font"));
    if (h->isHidden() != p->isHidden()) differs(name + QStringLiteral(": shown or hidden"));
    if (Window::textOf(h) != Window::textOf(p)) differs(name + QStringLiteral(": text"));
    if (h->accessibleName() != p->accessibleName()) differs(name + QStringLiteral(": name"));
    if (h->palette() != p->palette()) differs(name + QStringLiteral(": colours"));
  }
  if (hand.windowTitle() != program->windowTitle()) differs(QStringLiteral("title"));
  if (handLook != programLook) differs(QStringLiteral("the drawn window"));
  return same;
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

// Processor time this process has used so far, to the nanosecond (all its
// threads, so that X11's event reader counts too).
double cpuNowMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
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
  const double cpuStart = cpuNowMilliseconds();
  QElapsedTimer clock;
  clock.start();
  action();
  waitForPaint(probe);
  const Timing timing{clock.nsecsElapsed() / 1e6, cpuNowMilliseconds() - cpuStart};
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

// A tool's "Back", clicked (found before the clock starts).
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
std::vector<SwitchFigures> measureSwitches() {
  std::vector<SwitchFigures> figures;
  // A warm-up round, every switch made once, so that no tool pays alone for
  // what Qt sets up on first use.
  for (Window* tool : toolWindows()) {
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
    for (int i = 0; i < kSwitchRuns; ++i) {
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

double bareSwitch() {
  auto* from = new QWidget;
  from->setFixedSize(700, 396);
  from->show();
  QCoreApplication::processEvents();
  FirstPaint probe;
  qApp->installEventFilter(&probe);
  QElapsedTimer clock;
  clock.start();
  from->hide();
  from->deleteLater();
  auto* to = new QWidget;
  to->setFixedSize(700, 396);
  to->show();
  waitForPaint(probe);
  const double ms = clock.nsecsElapsed() / 1e6;
  qApp->removeEventFilter(&probe);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  delete to;
  return ms;
}

// --- the loader ---------------------------------------------------------------

QByteArray fullDataFile() {
  QByteArray bytes;
  for (int n = 1; n <= gimmick_file::kMaxRecords; ++n) {
    QByteArray text = "Gimmick " + QByteArray::number(n) +
                      ",Finisher One,Finisher Two,"
                      "Finisher Three,off the top rope,from the apron,after a run, at speed";
    bytes += gimmick_file::record(text.left(gimmick_file::kMaxTextLength));
  }
  return bytes;
}

// --- the report ---------------------------------------------------------------

struct SwitchSummary {
  double fastestThere = 1e9, slowestThere = 0;
  double lowestRatio = 1e9, highestRatio = 0, lowestCpuRatio = 1e9, highestCpuRatio = 0;
  QByteArray highestName;
};

// Measures every tool's switches and prints one line for each.
SwitchSummary measureAndPrintSwitches() {
  const std::vector<SwitchFigures> switches = measureSwitches();
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

const char* met(bool yes) { return yes ? "yes" : "no"; }

int runAll(const QString& self) {
  // Start-ups: one warm-up round, then the three kinds in turn.
  StartFigures start[3];
  for (Kind kind : kKinds) {
    if (!startOnce(self, kind, nullptr)) {
      std::fprintf(stderr, "the %s child did not report its first paint; stopping\n",
                   kKindArguments[static_cast<int>(kind)] + 8);
      return 1;
    }
  }
  for (int i = 0; i < kRuns; ++i) {
    for (int k = 0; k < 3; ++k) {
      const Kind kind = kKinds[(i + k) % 3];  // each kind starts a round in turn
      StartFigures& figures = start[static_cast<int>(kind)];
      if (!startOnce(self, kind, &figures)) ++figures.failures;
    }
  }
  for (const StartFigures& figures : start) {
    if (figures.failures > 0 || figures.milliseconds.empty()) {
      std::fprintf(stderr, "%d of %d children did not report their first paint\n", figures.failures,
                   kRuns);
      return 1;
    }
  }
  const StartFigures& programStart = start[0];
  const StartFigures& handStart = start[1];
  const StartFigures& bareStart = start[2];

  int argc = 1;
  char name[] = "torvak-bench";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  GimmickTableStore gimmicks;
  startProgram(programWindows(), gimmicks);
  QCoreApplication::processEvents();

  std::printf("Torvak Utilities benchmark, platform \"%s\"", qPrintable(programStart.platform));
  if (programStart.platform == QLatin1String("xcb")) {
    std::printf(" (X display %s)", qgetenv("DISPLAY").constData());
  }
  std::printf(": medians of %d start-ups of each kind, %d of each switch\n\n", kRuns, kSwitchRuns);

  // The floor must be the program's own menu, or its figures mean nothing.
  bool handIsTheMenu = false;
  if (Window* menu = programMenu(); menu && menu->widget()) {
    handIsTheMenu = sameLook(menu->widget());
    waitUntilActive(menu->widget());
  }
  std::printf("The hand-written menu draws the same window as the program's: %s\n\n",
              handIsTheMenu ? "yes, control by control and pixel by pixel" : "NO");

  std::vector<double> bareTimes;
  for (int i = 0; i < kSwitchRuns; ++i) bareTimes.push_back(bareSwitch());
  const double bareMs = median(bareTimes);

  std::printf(
      "Window switches, medians to the first paint of the window switched to; each switch\n"
      "to the menu against its floor, that tool window closed and the hand-written menu shown:\n");
  const SwitchSummary switches = measureAndPrintSwitches();
  std::printf("  a bare window's switch: %.2f ms\n", bareMs);

  QTemporaryDir dir;
  {
    QFile file(dir.filePath(QStringLiteral("data.dat")));
    if (!file.open(QIODevice::WriteOnly) || file.write(fullDataFile()) < 0) return 1;
  }
  std::vector<double> loads, reads;
  for (int i = 0; i < 101; ++i) {
    QElapsedTimer clock;
    clock.start();
    const GimmickTable table = loadGimmickTable(dir.path());
    loads.push_back(clock.nsecsElapsed() / 1e6);

    clock.restart();
    QFile file(dir.filePath(QStringLiteral("data.dat")));
    if (!file.open(QIODevice::ReadOnly)) return 1;
    const QByteArray raw = file.readAll();
    reads.push_back(clock.nsecsElapsed() / 1e6);
    if (raw.isEmpty() || table.size() < 2 || table[1].name.isEmpty()) return 1;
  }
  const double loadMs = median(loads);
  const double readMs = median(reads);

  const double programMs = median(programStart.milliseconds);
  const double handMs = median(handStart.milliseconds);
  const double bareStartMs = median(bareStart.milliseconds);
  const double programMiB = median(programStart.peakKb) / 1024;
  const double handMiB = median(handStart.peakKb) / 1024;
  const double bareMiB = median(bareStart.peakKb) / 1024;
  const double programCpu = median(programStart.cpuMilliseconds);
  const double handCpu = median(handStart.cpuMilliseconds);
  const double bareCpu = median(bareStart.cpuMilliseconds);

  std::printf(
      "\n| Figure | Program | Hand-written menu | Ratio | Bare window | Ratio | Target | Met |\n");
  std::printf("|---|---|---|---|---|---|---|---|\n");
  std::printf(
      "| process start to the menu's first paint | %.1f ms | %.1f ms | %.2f | %.1f ms | %.2f | "
      "within 1.1 x of the hand-written menu | %s |\n",
      programMs, handMs, programMs / handMs, bareStartMs, programMs / bareStartMs,
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
      switches.fastestThere, switches.slowestThere, bareMs, switches.fastestThere / bareMs,
      switches.slowestThere / bareMs);
  std::printf(
      "| loading a full 156-record data.dat | %.2f ms | | | %.2f ms (raw read) | | under 1 ms | "
      "%s |\n",
      loadMs, readMs, met(loadMs < 1));
  std::printf("\nPlatform \"%s\". Ratios: the program's figure over the reference's.\n",
              qPrintable(programStart.platform));

  programWindows().unloadAll();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return handIsTheMenu ? 0 : 1;
}

// The window switches alone, for a profiler: `valgrind --tool=callgrind
// torvak-bench --switches` counts what each switch back to the menu and its
// hand-written floor execute (switchBack and handWrittenBack).
int runSwitches() {
  int argc = 1;
  char name[] = "torvak-bench";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  GimmickTableStore gimmicks;
  startProgram(programWindows(), gimmicks);
  QCoreApplication::processEvents();
  measureAndPrintSwitches();
  programWindows().unloadAll();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  chooseThePlatform();
  if (argc > 1) {
    for (Kind kind : kKinds) {
      if (QByteArray(argv[1]) == kKindArguments[static_cast<int>(kind)]) return childStart(kind);
    }
    if (QByteArray(argv[1]) == "--switches") return runSwitches();
    std::fprintf(stderr, "usage: torvak-bench [--switches]\n");
    return 2;
  }
  return runAll(QString::fromLocal8Bit(argv[0]));
}
