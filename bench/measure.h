// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the benchmark measures with: the median of repeated runs, the
// platform chosen where there is no display, a window's first paint, the
// processor clock and the peak memory. Linux only (/proc, the process's
// processor clock): the benchmark is built and run where CI runs.
#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QWidget>
#include <QtGlobal>

#include <time.h>

#include <algorithm>
#include <vector>

namespace measure {

inline double median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The offscreen platform where Qt would find no display to draw on.
inline void chooseThePlatform() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
}

// Reports when a top-level window is first painted.
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

// Returns once the paint has been delivered and the events it came with
// (the window's whole repaint and its flush) are done, or after 5 s.
inline void waitForPaint(const FirstPaint& probe) {
  QElapsedTimer limit;
  limit.start();
  while (!probe.painted && limit.elapsed() < 5000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
}

// Processor time this process has used so far, user and system, to the
// nanosecond and over all its threads (X11's event reader counts too):
// steadier than the clock when other work shares the machine.
inline double processorMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The most memory this process has held resident, in KiB; 0 if unknown.
inline double peakResidentKb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toDouble();
  }
  return 0;
}

}  // namespace measure
