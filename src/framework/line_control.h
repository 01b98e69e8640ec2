// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>

// A drawn line between two points of its window, like a ruler on a form.
// It covers the box between its end points and lets clicks through.
class LineControl : public QWidget {
  Q_OBJECT

 public:
  LineControl(QLine endPoints, QColor colour, QWidget* parent);

  QLine endPoints() const { return endPoints_; }
  QColor colour() const { return colour_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLine endPoints_;  // in the window's pixels
  QColor colour_;
};
