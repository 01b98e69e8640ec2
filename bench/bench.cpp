// Measures Torvak Utilities against a bare Qt window of the same size,
// started the same way:
//   start-up     process start to the first paint of the main menu
//   switches     each window switch, menu to every tool and back, to the
//                first paint of the window switched to
//   loader       reading a full 156-record data.dat
//   memory       peak resident memory at the first paint
// Every figure is the median of several runs, printed with its ratio to the
// baseline and the target it should meet.
#include "data/gimmick_file.h"
#include "data/gimmick_loader.h"
#include "data/gimmick_table_store.h"
#include "framework/window.h"
#include "framework/window_registry.h"
#include "startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 9;

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

long peakResidentKb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong();
  }
  return -1;
}

// Reports, once, when a top-level window is first painted.
class FirstPaint : public QObject {
 public:
  bool painted = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
      painted = true;
    }
    return false;
  }
};

void waitForPaint(FirstPaint& probe) {
  QElapsedTimer limit;
  limit.start();
  while (!probe.painted && limit.elapsed() < 5000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
}

// --- the child processes: start, paint once, report, exit -----------------

int childStart(bool bare) {
  int argc = 1;
  char name[] = "torvak-bench";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  FirstPaint probe;
  app.installEventFilter(&probe);
  QWidget* window = nullptr;
  if (bare) {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    window = new QWidget;
    window->setFixedSize(700, 396);
    window->show();
  } else {
    static GimmickTableStore gimmicks;
    startProgram(gimmicks);
  }
  waitForPaint(probe);
  std::printf("painted %ld\n", peakResidentKb());
  std::fflush(stdout);
  delete window;
  WindowRegistry::unloadAll();
  return 0;
}

struct StartFigures {
  double milliseconds;
  double peakKb;
};

StartFigures measureStart(const QString& self, bool bare) {
  std::vector<double> times, memory;
  for (int i = 0; i < kRuns; ++i) {
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(self, {bare ? QStringLiteral("--child-bare") : QStringLiteral("--child-menu")});
    while (!child.canReadLine() && child.waitForReadyRead(10000)) {
    }
    const double ms = clock.nsecsElapsed() / 1e6;
    const QList<QByteArray> words = child.readLine().trimmed().split(' ');
    child.waitForFinished(10000);
    if (words.size() != 2 || words[0] != "painted") {
      std::fprintf(stderr, "a child did not report its first paint\n");
      continue;
    }
    times.push_back(ms);
    memory.push_back(words[1].toDouble());
  }
  if (times.empty()) return {0, 0};
  return {median(times), median(memory)};
}

// --- window switches, in this process ---------------------------------------

struct Route {
  const char* target;
  const char* menuButton;
  const char* selection;  // the tournament selector's entry, if any
  const char* back;
};

constexpr Route kRoutes[] = {
    {"Tourn8", "Command4", "8 Man Tournament", "Command15"},
    {"Tourn16", "Command4", "16 Man Tournament", "Query"},
    {"Match", "Command3", nullptr, "Command3"},
    {"Rando", "Random", nullptr, "Command2"},
    {"calc", "Command5", nullptr, "Command5"},
    {"NameGen", "Command6", nullptr, "Command2"},
    {"Finisher", "Command8", nullptr, "Command2"},
    {"FiniGimm", "Command7", nullptr, "Command2"},
    {"HexRGB", "Command2", nullptr, "Command1"},
    {"Credits", "Command9", nullptr, "Command1"},
};

double timedClick(Window* window, const char* button) {
  FirstPaint probe;
  qApp->installEventFilter(&probe);
  QElapsedTimer clock;
  clock.start();
  window->findControl<QAbstractButton>(QString::fromUtf8(button))->click();
  waitForPaint(probe);
  const double ms = clock.nsecsElapsed() / 1e6;
  qApp->removeEventFilter(&probe);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return ms;
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

void row(const char* what, double value, double baseline, const char* unit, const char* target) {
  std::printf("%-26s %10.3f %-3s  baseline %10.3f  ratio %6.2f  target %s\n", what, value, unit,
              baseline, baseline > 0 ? value / baseline : 0.0, target);
}

int runAll(const QString& self) {
  std::printf("Torvak Utilities benchmark: medians of %d runs\n\n", kRuns);

  const StartFigures program = measureStart(self, false);
  const StartFigures bare = measureStart(self, true);
  row("start-up to first paint", program.milliseconds, bare.milliseconds, "ms", "ratio <= 1.2");
  row("peak resident memory", program.peakKb / 1024, bare.peakKb / 1024, "MiB", "ratio <= 1.1");

  int argc = 1;
  char name[] = "torvak-bench";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  GimmickTableStore gimmicks;
  startProgram(gimmicks);
  QCoreApplication::processEvents();

  std::vector<double> bareTimes;
  for (int i = 0; i < kRuns; ++i) bareTimes.push_back(bareSwitch());
  const double bareMs = median(bareTimes);

  for (const Route& route : kRoutes) {
    if (!WindowRegistry::find(QString::fromUtf8(route.target))) {
      std::printf("%-26s (not in this build)\n", route.target);
      continue;
    }
    std::vector<double> there, back;
    for (int i = 0; i < kRuns; ++i) {
      Window* menu = WindowRegistry::find(QStringLiteral("MainMenu"));
      if (route.selection) {
        menu->findControl<QAbstractButton>(QStringLiteral("Command1"))->click();
        auto* selector = menu->findControl<QComboBox>(QStringLiteral("Combo1"));
        selector->setCurrentIndex(selector->findText(QString::fromUtf8(route.selection)));
      }
      there.push_back(timedClick(menu, route.menuButton));
      back.push_back(timedClick(WindowRegistry::find(QString::fromUtf8(route.target)), route.back));
    }
    const QByteArray to = QByteArray("menu -> ") + route.target;
    const QByteArray from = QByteArray(route.target) + " -> menu";
    row(to.constData(), median(there), bareMs, "ms", "< 5 ms");
    row(from.constData(), median(back), bareMs, "ms", "< 5 ms");
  }

  QTemporaryDir dir;
  {
    QFile file(dir.filePath(QStringLiteral("data.dat")));
    file.open(QIODevice::WriteOnly);
    file.write(fullDataFile());
  }
  std::vector<double> loads, reads;
  for (int i = 0; i < 101; ++i) {
    QElapsedTimer clock;
    clock.start();
    const GimmickTable table = loadGimmickTable(dir.path());
    loads.push_back(clock.nsecsElapsed() / 1e6);

    clock.restart();
    QFile file(dir.filePath(QStringLiteral("data.dat")));
    file.open(QIODevice::ReadOnly);
    const QByteArray raw = file.readAll();
    reads.push_back(clock.nsecsElapsed() / 1e6);
    if (raw.isEmpty() || table[1][1].isEmpty()) return 1;
  }
  row("loader, 156 records", median(loads), median(reads), "ms", "< 1 ms (baseline: raw read)");

  WindowRegistry::unloadAll();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc > 1 && QByteArray(argv[1]) == "--child-menu") return childStart(false);
  if (argc > 1 && QByteArray(argv[1]) == "--child-bare") return childStart(true);
  return runAll(QString::fromLocal8Bit(argv[0]));
}
