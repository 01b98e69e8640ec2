// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What both benchmarks measure with: the median of repeated runs, the
// platform chosen where there is no display, and a window's first paint.
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <QtGlobal>

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

}  // namespace measure
